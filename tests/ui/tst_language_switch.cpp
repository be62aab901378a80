#include "core/widget_texts.h"
#include "tests/ui/form_probe.h"
#include "ui/language_switch.h"
#include "ui/main_form.h"

#include <QSet>
#include <QtTest>

namespace {

// The 3D graph draws its axis titles itself; the window has no widgets for them.
bool drawnByGraph(const char* widget) {
    return QSet<QByteArray>{"Label19", "Label20", "Label21"}.contains(widget);
}

QString shownText(const QWidget* widget, WidgetTextKind kind, int item) {
    switch (kind) {
    case WidgetTextKind::ToolTip:
        return widget->toolTip();
    case WidgetTextKind::ListItem:
        return qobject_cast<const QComboBox*>(widget)->itemText(item);
    case WidgetTextKind::Caption:
        break;
    }
    return ::shownText(widget);
}

// Everything a user could see of the window's texts, keyed by widget.
QStringList snapshot(const QWidget* root) {
    QStringList lines;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty())
            continue;
        QString line = widget->objectName() + " | " +
                       shownText(widget, WidgetTextKind::Caption, 0) + " | " + widget->toolTip();
        if (auto* list = qobject_cast<const QComboBox*>(widget)) {
            line += QString(" | %1 of %2:").arg(list->currentIndex()).arg(list->count());
            for (int i = 0; i < list->count(); ++i)
                line += " " + list->itemText(i);
        }
        lines << line;
    }
    lines.sort();
    return lines;
}

} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_root = std::make_unique<QWidget>();
        buildMainForm(m_root.get());
    }

    void everyRowReachesItsWidget() {
        for (Language language : {Language::English, Language::Hungarian}) {
            applyWidgetTexts(m_root.get(), language);
            for (const WidgetText& row : widgetTexts()) {
                const QWidget* widget = m_root->findChild<QWidget*>(row.widget);
                if (!widget && drawnByGraph(row.widget))
                    continue;
                QVERIFY2(widget, row.widget);
                QCOMPARE(shownText(widget, row.kind, row.item), row.text(language));
            }
        }
    }

    void switchingBackRestoresEveryText() {
        applyWidgetTexts(m_root.get(), Language::Hungarian);
        const QStringList hungarian = snapshot(m_root.get());
        applyWidgetTexts(m_root.get(), Language::English);
        const QStringList english = snapshot(m_root.get());
        QVERIFY(english != hungarian);
        applyWidgetTexts(m_root.get(), Language::Hungarian);
        QCOMPARE(snapshot(m_root.get()), hungarian);
        applyWidgetTexts(m_root.get(), Language::English);
        QCOMPARE(snapshot(m_root.get()), english);
    }

    // Values and selections are the user's: a switch changes captions and items only.
    // A list holding fewer items than the table names gets no new ones.
    void switchKeepsValuesAndSelections() {
        auto* coil = m_root->findChild<QComboBox*>("Combo4");
        auto* mode = m_root->findChild<QComboBox*>("Combo12");
        auto* edge = m_root->findChild<QComboBox*>("Combo2");
        coil->setCurrentIndex(1);
        mode->setCurrentIndex(-1);
        edge->removeItem(1);
        QSignalSpy changes(coil, &QComboBox::currentIndexChanged);
        for (Language language : {Language::Hungarian, Language::English}) {
            applyWidgetTexts(m_root.get(), language);
            QCOMPARE((QList<int>{coil->count(), coil->currentIndex(), mode->currentIndex(),
                                 edge->count()}),
                     (QList<int>{2, 1, -1, 1}));
            // Fields with only a tool tip row hold values; the 2D option has no row.
            QCOMPARE(::shownText(m_root->findChild<QWidget*>("Text15")), QString("15,5"));
            QCOMPARE(::shownText(m_root->findChild<QWidget*>("Option5")), QString("2 D"));
        }
        QCOMPARE(edge->itemText(0), QString("Falling"));
        QCOMPARE(changes.count(), 0);
    }

  private:
    std::unique_ptr<QWidget> m_root;
};

QTEST_MAIN(LanguageSwitchTest)
#include "tst_language_switch.moc"
