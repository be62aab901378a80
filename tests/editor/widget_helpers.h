#pragma once

#include "tests/support/find_named.h"

#include <QComboBox>
#include <QtTest>

// A choice made by the user: the list changes, then its handler runs.
inline void chooseItem(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Compares the named widgets under root, as the user finds them once root shows, with
// "Text15:hidden Text19:shown Combo10:disabled", so one line pins a whole layout.
inline void compareStates(const QWidget* root, const QString& expected) {
    QStringList states;
    for (const QString& entry : expected.split(' ')) {
        const QString name = entry.section(':', 0, 0);
        const auto* widget = findNamed<QWidget>(root, name);
        states << name + (!widget->isVisibleTo(root) ? ":hidden"
                          : widget->isEnabled()      ? ":shown"
                                                     : ":disabled");
    }
    QCOMPARE(states.join(' '), expected);
}

// "Text15=1,2 Combo7=8": the texts of the named fields and labels, a list's current item.
inline QString fieldTexts(const QWidget* root, const QString& names) {
    QStringList texts;
    for (const QString& name : names.split(' ')) {
        const auto* widget = findNamed<QWidget>(root, name);
        const char* text = qobject_cast<const QComboBox*>(widget) ? "currentText" : "text";
        texts << name + '=' + widget->property(text).toString();
    }
    return texts.join(' ');
}
