#include "core/widget_texts.h"
#include "ui/language_switch.h"
#include "ui/main_form.h"
#include "tests/ui/form_probe.h"

#include <QSet>
#include <QtTest>

namespace {

// The 3D graph draws its axis titles itself; the window has no widgets for them.
bool drawnByGraph(const char* widget) {
    return QSet<QByteArray>{"Label19", "Label20", "Label21"}.contains(widget);
}

QString shownText(const QWidget* widget, WidgetTextKind kind, int item) {
    switch (kind) {
    case WidgetTextKind::ToolTip: return widget->toolTip();
    case WidgetTextKind::ListItem: return qobject_cast<const QComboBox*>(widget)->itemText(item);
    case WidgetTextKind::Caption: break;
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

    void widgetsWithoutRowsKeepTheirDesignText_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::newRow("2D option") << "Option5" << "2 D";
        // Fields with only a tool tip row hold values, which a switch must not touch.
        QTest::newRow("spark value") << "Text15" << "15,5";
        QTest::newRow("rev limit value") << "Text17" << "";
    }
    void widgetsWithoutRowsKeepTheirDesignText() {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        for (Language language : {Language::English, Language::Hungarian}) {
            applyWidgetTexts(m_root.get(), language);
            QCOMPARE(findNamedText(widget), text);
        }
    }

    void listsKeepCountAndSelection() {
        auto* coil = m_root->findChild<QComboBox*>("Combo4");
        auto* mode = m_root->findChild<QComboBox*>("Combo12");
        coil->setCurrentIndex(1);
        mode->setCurrentIndex(-1);
        QSignalSpy changes(coil, &QComboBox::currentIndexChanged);
        for (Language language : {Language::English, Language::Hungarian}) {
            applyWidgetTexts(m_root.get(), language);
            QCOMPARE(coil->count(), 2);
            QCOMPARE(coil->currentIndex(), 1);
            QCOMPARE(mode->currentIndex(), -1);
        }
        QCOMPARE(changes.count(), 0);
    }

    // A list that holds fewer items than the table names gets no new ones.
    void shortListDoesNotGrow() {
        auto* combo = m_root->findChild<QComboBox*>("Combo2");
        combo->removeItem(1);
        applyWidgetTexts(m_root.get(), Language::English);
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), QString("Falling"));
    }

private:
    QString findNamedText(const QString& name) const {
        const QWidget* widget = m_root->findChild<QWidget*>(name);
        return widget ? shownText(widget, WidgetTextKind::Caption, 0) : "<missing " + name + ">";
    }

    std::unique_ptr<QWidget> m_root;
};

QTEST_MAIN(LanguageSwitchTest)
#include "tst_language_switch.moc"
