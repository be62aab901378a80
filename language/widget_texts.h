#pragma once

#include "language/language_texts.h"

#include <QList>
#include <QString>

// What a language switch sets on a window widget. A caption is the text the widget
// shows: a panel's title, a label's, button's or text field's text. An axis title is
// drawn by the 3D graph itself and has no widget.
enum class WidgetTextKind { Caption, ToolTip, ListItem, AxisTitle };

// One widget text in both languages. `widget` is the layout name of the widget
// ("Command1", "TextLabel1(12)"); `item` is the list index for ListItem, else 0.
struct WidgetText {
    const char* widget;
    WidgetTextKind kind;
    int item;
    QString english;
    QString hungarian;

    const QString& text(Language language) const {
        return language == Language::English ? english : hungarian;
    }
};

// Every widget text the two languages set, one row per widget and kind. Widgets that
// have no row keep their design text in both languages.
const QList<WidgetText>& widgetTexts();

// The row for one widget text, or nullptr.
const WidgetText* findWidgetText(const char* widget, WidgetTextKind kind, int item = 0);

// The 3D graph draws its axis titles itself rather than holding them in widgets, so
// whoever switches the language hands them over.
struct GraphAxisTitles {
    QString advance;
    QString load;
    QString rpm;
    Language language = Language::Hungarian; // of the graphs' other texts (tool tips)
};
GraphAxisTitles graphAxisTitles(Language language);
