#pragma once

#include "core/form_state.h"
#include "editor/table_editor.h"
#include "language/language_texts.h"
#include "tests/editor/widget_helpers.h"
#include "tests/support/find_named.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>

// Texts with "#" for the locale's separator, so one row covers both locales.
using Typed = QMap<int, QString>;

// The real form with the table editor attached as the window does at start-up: the
// default 40 x 6 document, the load input used, the document ready.
struct EditorFixture {
    explicit EditorFixture(const QString& decimalSeparator = QStringLiteral(".")) {
        form.decimalSeparator = decimalSeparator;
        form.otherSeparator = decimalSeparator == "," ? "." : ",";
        dialogs.setRealBoxes(true);
        editor = std::make_unique<TableEditor>(buildMainForm(&window), model, form, texts, dialogs,
                                               &window);
        QObject::connect(&model, &DocumentModel::tableChanged, [this] { ++redraws; });
        QObject::connect(&model, &DocumentModel::cellChanged, [this](int r, int c, int tenths) {
            updates << QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(tenths / 10.0);
        });
        editor->buildGrid();
        editor->applyResolution();
        form.documentReady = true;
    }

    // Keyboard tests need the focus, which only an active window hands out.
    bool activate() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    template <class T> T* named(const QString& name) { return findNamed<T>(&window, name); }
    QLineEdit* cell(int row, int column) {
        return named<QLineEdit>(
            arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    // Enters a field as the user does: a click on it.
    void enter(QLineEdit* field) { QTest::mouseClick(field, Qt::LeftButton); }
    void type(QLineEdit* field, const QString& text, Qt::Key key) {
        enter(field);
        field->setText(text);
        QTest::keyClick(field, key);
    }
    // Values put in place as a loaded map's are, in tenths of a degree.
    void setCells(const std::function<int(int row, int column)>& tenths) {
        MapDocument doc = document;
        for (int r = 0; r < doc.rowCount(); ++r)
            for (int c = 0; c < doc.columnCount(); ++c)
                doc.cells[r][c] = tenths(r, c);
        editor->applyDocument(doc);
    }
    QLineEdit* header(int i) { return named<QLineEdit>(arrayName("TextLabel1", i)); }
    QLineEdit* rowLabel(int row) { return named<QLineEdit>(arrayName("TextLabel2", row)); }
    QComboBox* cutCombo(int row) { return named<QComboBox>(arrayName("Combo9", row)); }

    void choose(const char* list, int index) { chooseItem(named<QComboBox>(list), index); }
    void click(const char* name) { named<QAbstractButton>(QLatin1String(name))->click(); }
    // A press as the user makes it: the mouse button goes down on the button and comes up.
    void press(const char* buttonName, Qt::MouseButton mouseButton = Qt::LeftButton) {
        auto* button = named<QPushButton>(QLatin1String(buttonName));
        QTest::mousePress(button, mouseButton);
        QTest::mouseRelease(button, mouseButton);
    }

    QStringList asked() const {
        QStringList texts;
        for (const auto& call : dialogs.calls())
            texts << call.text;
        return texts;
    }
    QString number(QString text) const { return text.replace('#', form.decimalSeparator); }

    QWidget window;
    DocumentModel model;
    MapDocument& document{model.map()}; // the map the editor changes
    FormState form;
    LanguageTexts texts;
    ScriptedDialogs dialogs;
    std::unique_ptr<TableEditor> editor;
    int redraws = 0;
    QStringList updates; // "row,column value" of each graph point moved
};
