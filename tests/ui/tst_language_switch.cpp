#include "core/widget_texts.h"
#include "ui/language_switch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// A stand-in for the window: every widget the table names, with the window's widget
// class for its layout name, plus a few widgets the table leaves alone.
void buildForm(QWidget* root) {
    (new QRadioButton("2 D", root))->setObjectName("Option5");
    (new QRadioButton("3 D", root))->setObjectName("Option6");
    (new QGroupBox("VORTAMIX", root))->setObjectName("Frame1");
    for (const WidgetText& row : widgetTexts()) {
        const QString name = QLatin1String(row.widget);
        if (root->findChild<QWidget*>(name))
            continue;
        QWidget* widget = nullptr;
        if (name.startsWith("Frame"))
            widget = new QGroupBox("design", root);
        else if (name.startsWith("Label"))
            widget = new QLabel("design", root);
        else if (name.startsWith("Command"))
            widget = new QPushButton("design", root);
        else if (name.startsWith("Option"))
            widget = new QRadioButton("design", root);
        else if (name.startsWith("Combo")) {
            auto* list = new QComboBox(root);
            list->addItems({"design 0", "design 1"});
            widget = list;
        } else if (name == "Text13")
            widget = new QPlainTextEdit("design", root);
        else if (name.startsWith("Text"))
            widget = new QLineEdit("design", root);
        else
            widget = new QLabel(root);
        widget->setObjectName(name);
    }
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
        buildForm(m_root.get());
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

    void widgetsWithoutRowsKeepTheirDesignText() {
        applyWidgetTexts(m_root.get(), Language::English);
        QCOMPARE(findNamedText("Option5"), QString("2 D"));
        QCOMPARE(findNamedText("Option6"), QString("3 D"));
        QCOMPARE(m_root->findChild<QGroupBox*>("Frame1")->title(), QString("VORTAMIX"));
        // Text17 has only a tool tip: the rev limit typed in it is a value, not a caption.
        QCOMPARE(m_root->findChild<QLineEdit*>("Text17")->text(), QString("design"));
        QCOMPARE(m_root->findChild<QPlainTextEdit*>("Text13")->toPlainText(), QString("design"));
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
    QString findNamedText(const char* name) const {
        return shownText(m_root->findChild<QWidget*>(name), WidgetTextKind::Caption, 0);
    }

    std::unique_ptr<QWidget> m_root;
};

QTEST_MAIN(LanguageSwitchTest)
#include "tst_language_switch.moc"
