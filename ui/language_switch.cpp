#include "ui/language_switch.h"

#include "language/widget_texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QTranslator>

namespace {

void setCaption(QWidget* widget, const QString& text) {
    if (auto* panel = qobject_cast<QGroupBox*>(widget))
        panel->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setText(text);
}

void setListItem(QWidget* widget, int item, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(widget);
    if (list && item < list->count())
        list->setItemText(item, text);
}

// Qt's own texts (standard buttons, input boxes, the file dialog) from Qt's Hungarian
// catalogue, loaded once and kept by the application; without it they stay English.
void applyQtTexts(Language language) {
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase_hu");
    auto* hungarian = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (!hungarian) {
        hungarian = new QTranslator(app);
        hungarian->setObjectName(name);
        if (!hungarian->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qWarning("Qt's Hungarian texts (%s) were not found", qPrintable(name));
    }
    QCoreApplication::removeTranslator(hungarian);
    if (language == Language::Hungarian)
        QCoreApplication::installTranslator(hungarian);
}

void applyTexts(QWidget* root, LanguageTexts& texts, Language language) {
    texts.setLanguage(language);
    applyWidgetTexts(root, language);
    applyQtTexts(language);
}

} // namespace

void applyWidgetTexts(QWidget* root, Language language) {
    QHash<QString, QWidget*> byName;
    for (QWidget* widget : root->findChildren<QWidget*>())
        byName.insert(widget->objectName(), widget);
    for (const WidgetText& row : widgetTexts()) {
        if (row.kind == WidgetTextKind::AxisTitle)
            continue; // see graphAxisTitles()
        QWidget* widget = byName.value(QLatin1String(row.widget));
        // The first language is set at every start, so a misspelt row stops every start.
        if (!widget)
            qFatal("No widget is named %s", row.widget);
        const QString& text = row.text(language);
        switch (row.kind) {
        case WidgetTextKind::Caption:
            setCaption(widget, text);
            break;
        case WidgetTextKind::ToolTip:
            widget->setToolTip(text);
            break;
        case WidgetTextKind::ListItem:
            setListItem(widget, row.item, text);
            break;
        case WidgetTextKind::AxisTitle:
            break;
        }
    }
}

void ApplyHungarianTexts(QWidget* root, LanguageTexts& texts) {
    applyTexts(root, texts, Language::Hungarian);
}

void ApplyEnglishTexts(QWidget* root, LanguageTexts& texts) {
    applyTexts(root, texts, Language::English);
}
