#include "core/widget_texts.h"
#include "ui/language_switch.h"
#include "ui/main_form.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
    if (auto* panel = qobject_cast<const QGroupBox*>(widget))
        return panel->title();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text();
    return "<no caption>";
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

    void showsTheTextsOfEachLanguage_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("hungarian");
        const int caption = int(WidgetTextKind::Caption);
        const int tip = int(WidgetTextKind::ToolTip);
        const int item = int(WidgetTextKind::ListItem);
        QTest::newRow("panel title") << "Frame2" << caption << 0 << "Ignition Values (RPM x Load)"
                                     << "Előgyújtás értékek (RPM x terhelés)";
        QTest::newRow("button") << "Command4" << caption << 0 << "Version?" << "Verzió?";
        QTest::newRow("option") << "Option2" << caption << 0 << "Do Not Use" << "Nem használ";
        QTest::newRow("label") << "Label15" << caption << 0 << "MAP Max.Abs.Pressure(Bar):"
                               << "MAP max.absz.nyomás(Bar):";
        QTest::newRow("rev-limit header") << "TextLabel1(12)" << caption << 0 << "REV Limit"
                                          << "Tiltás";
        QTest::newRow("coil item 0") << "Combo4" << item << 0 << "Time" << "Zárásidő";
        QTest::newRow("coil item 1") << "Combo4" << item << 1 << "Dwell" << "Zárásszög";
        QTest::newRow("mode item 1") << "Combo12" << item << 1 << "Bipolar" << "Bipoláris";
        QTest::newRow("output item 1") << "Combo2" << item << 1 << "Rising" << "Felfutó";
        QTest::newRow("send tip") << "Command1" << tip << 0
                                  << "Load opened/modified data onto the VORTAMIX"
                                  << "Megnyitott/szerkesztés alatt álló adatállomány készülékre "
                                     "történő áttöltéséhez";
        QTest::newRow("shared tip, field") << "Text17" << tip << 0 << "Set REV Limit RPM"
                                           << "Adja meg a fordulatszám határolás helyét!";
        QTest::newRow("shared tip, panel") << "Frame9" << tip << 0 << "Set REV Limit RPM"
                                           << "Adja meg a fordulatszám határolás helyét!";
        QTest::newRow("note tip") << "Text13" << tip << 0
                                  << "Write here your notes regarding to the file"
                                  << "Ide írhatja az adott adatállományra vonatkozó megjegyzéseit";
        QTest::newRow("flag tip") << "Picture3" << tip << 0 << "Change language to hungarian"
                                  << "Magyar nyelvre váltáshoz";
        QTest::newRow("column tip") << "Combo8" << tip << 0
                                    << "Choose Load input interval (column) to increase/decrease values"
                                    << "Válassza ki azt a terhelés tartományt (oszlopot), melyhez "
                                       "tartozó előgyújtás értékeket növelni/csökkenteni szeretné!";
    }
    void showsTheTextsOfEachLanguage() {
        QFETCH(QString, widget);
        QFETCH(int, kind);
        QFETCH(int, item);
        QFETCH(QString, english);
        QFETCH(QString, hungarian);
        const QWidget* target = m_root->findChild<QWidget*>(widget);
        QVERIFY(target);
        applyWidgetTexts(m_root.get(), Language::English);
        QCOMPARE(shownText(target, WidgetTextKind(kind), item), english);
        applyWidgetTexts(m_root.get(), Language::Hungarian);
        QCOMPARE(shownText(target, WidgetTextKind(kind), item), hungarian);
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
        QTest::newRow("3D option") << "Option6" << "3 D";
        QTest::newRow("raise") << "Command8" << "+";
        QTest::newRow("lower") << "Command9" << "-";
        QTest::newRow("port") << "Label9" << "Port:";
        QTest::newRow("3D panel") << "Frame7" << "Grafikon";
        QTest::newRow("row area") << "Frame1" << "VORTAMIX";
        QTest::newRow("load header") << "TextLabel1(0)" << "100%";
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

    // Only the language-neutral design texts may stay in English; the design list items
    // without accents must be gone too.
    void englishShowsNoHungarianText() {
        QSet<QString> hungarian{"Zarasido", "Zarasszog", "Lefuto", "Fellfuto", "normál", "bipoláris"};
        for (const WidgetText& row : widgetTexts())
            if (row.hungarian != row.english)
                hungarian.insert(row.hungarian);
        applyWidgetTexts(m_root.get(), Language::English);
        for (const QWidget* widget : m_root->findChildren<QWidget*>()) {
            if (widget->objectName() == "Frame7")
                continue;
            QStringList shown{shownText(widget, WidgetTextKind::Caption, 0), widget->toolTip()};
            if (auto* list = qobject_cast<const QComboBox*>(widget))
                for (int i = 0; i < list->count(); ++i)
                    shown << list->itemText(i);
            for (const QString& text : shown)
                QVERIFY2(!hungarian.contains(text), qPrintable(widget->objectName() + ": " + text));
        }
    }

    void listsKeepCountAndSelection_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("englishText");
        QTest::newRow("coil, second") << "Combo4" << 1 << "Dwell";
        QTest::newRow("coil, first") << "Combo4" << 0 << "Time";
        QTest::newRow("input edge") << "Combo3" << 1 << "Rising";
        QTest::newRow("nothing selected") << "Combo12" << -1 << "";
    }
    void listsKeepCountAndSelection() {
        QFETCH(QString, list);
        QFETCH(int, selected);
        QFETCH(QString, englishText);
        auto* combo = m_root->findChild<QComboBox*>(list);
        combo->setCurrentIndex(selected);
        QSignalSpy changes(combo, &QComboBox::currentIndexChanged);
        applyWidgetTexts(m_root.get(), Language::English);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), selected);
        QCOMPARE(combo->currentText(), englishText);
        applyWidgetTexts(m_root.get(), Language::Hungarian);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), selected);
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

    void languageRoutinesSwitchMessagesToo() {
        LanguageTexts texts;
        ApplyHungarianTexts(m_root.get(), texts);
        QCOMPARE(texts.language(), Language::Hungarian);
        QCOMPARE(texts.title("CellMaxMessage"), QString("Figyelem!"));
        QCOMPARE(findNamedText("Command3"), QString("Betöltés"));
        ApplyEnglishTexts(m_root.get(), texts);
        QCOMPARE(texts.language(), Language::English);
        QCOMPARE(texts.title("CellMaxMessage"), QString("Attention!"));
        QCOMPARE(findNamedText("Command3"), QString("Load"));
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
