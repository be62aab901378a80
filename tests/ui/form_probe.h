#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>

// What the window tests read off the widgets: the text a widget shows, a list's items,
// and which captions do not fit their widget.
inline QString shownText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return field->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* panel = qobject_cast<const QGroupBox*>(w))
        return panel->title();
    if (auto* note = qobject_cast<const QPlainTextEdit*>(w))
        return note->toPlainText();
    return QStringLiteral("<no text>");
}

inline QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

inline QStringList clippedCaptions(const QWidget* root) {
    QStringList clipped;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const QString text = shownText(w);
        const int needed = w->fontMetrics().horizontalAdvance(text);
        int room = w->width();
        if (auto* label = qobject_cast<const QLabel*>(w))
            room = label->contentsRect().width();
        else if (qobject_cast<const QRadioButton*>(w))
            room -= w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        else if (qobject_cast<const QPushButton*>(w))
            room -= 4;
        else if (qobject_cast<const QGroupBox*>(w))
            room -= 16;
        else
            continue;
        if (needed > room)
            clipped << QStringLiteral("%1 (%2 > %3)").arg(w->objectName()).arg(needed).arg(room);
    }
    return clipped;
}
