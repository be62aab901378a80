#include "core/find_widget.h"
#include "core/twips.h"
#include "ui/clickable_picture.h"
#include "ui/main_form.h"
#include "tests/ui/form_probe.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

// Every widget of the window design, by layout name, as the panels find them.
static QStringList designNames() {
    QStringList names;
    for (int i = 1; i <= 19; ++i)
        names << QStringLiteral("Frame%1").arg(i);
    names.removeAll(QStringLiteral("Frame1")); // listed below with its content
    names << "Frame1" << "Picture1" << "Picture2" << "Picture3" << "Picture4" << "Label100"
          << "VScroll" << "TextLabel2(0)" << "Combo9(0)";
    for (int i = 0; i <= 12; ++i)
        names << arrayName("TextLabel1", i);
    for (int c = 1; c <= 12; ++c)
        names << QStringLiteral("Text%1(0)").arg(c);
    for (int i = 13; i <= 19; ++i)
        names << QStringLiteral("Text%1").arg(i);
    for (int i = 1; i <= 12; ++i)
        if (i != 9)
            names << QStringLiteral("Combo%1").arg(i);
    for (int i = 1; i <= 6; ++i)
        names << QStringLiteral("Option%1").arg(i);
    for (int i : {1, 2, 3, 4, 5, 8, 9, 10})
        names << QStringLiteral("Command%1").arg(i);
    for (int i = 1; i <= 18; ++i)
        names << QStringLiteral("Label%1").arg(i);
    return names;
}

class TestMainForm : public QObject {
    Q_OBJECT

    QWidget m_form;

private slots:
    void initTestCase() {
        Twips::setLogicalDpi(96);
        buildMainForm(&m_form);
    }

    void clientArea() { QCOMPARE(m_form.size(), QSize(1020, 755)); }

    void everyDesignWidgetOnceByName() {
        QSet<QString> seen;
        for (const QWidget* w : m_form.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!seen.contains(w->objectName()), qPrintable(w->objectName()));
            seen.insert(w->objectName());
        }
        for (const QString& name : designNames())
            QVERIFY2(seen.contains(name), qPrintable(name));
    }

    // Pixel rectangles at 96 dpi, relative to the containing panel.
    void positions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Frame2") << "Frame2" << "" << QRect(0, 0, 505, 681);
        QTest::newRow("Frame1") << "Frame1" << "Frame2" << QRect(8, 48, 489, 625);
        QTest::newRow("Frame18") << "Frame18" << "" << QRect(512, 8, 505, 353);
        QTest::newRow("Frame7") << "Frame7" << "" << QRect(512, 8, 505, 353);
        QTest::newRow("Frame16") << "Frame16" << "" << QRect(512, 680, 249, 73);
        QTest::newRow("Picture3") << "Picture3" << "" << QRect(934, 648, 41, 33);
        QTest::newRow("Picture4") << "Picture4" << "" << QRect(976, 648, 41, 33);
        QTest::newRow("Picture2 rounds") << "Picture2" << "" << QRect(767, 687, 249, 66);
        QTest::newRow("Label100") << "Label100" << "Frame2" << QRect(8, 24, 49, 24);
        QTest::newRow("TextLabel1(0)") << "TextLabel1(0)" << "Frame2" << QRect(56, 24, 33, 25);
        QTest::newRow("TextLabel1(11)") << "TextLabel1(11)" << "Frame2" << QRect(408, 24, 33, 25);
        QTest::newRow("TextLabel1(12)") << "TextLabel1(12)" << "Frame2" << QRect(440, 24, 57, 25);
        QTest::newRow("VScroll") << "VScroll" << "Frame2" << QRect(480, 24, 17, 649);
        QTest::newRow("Picture1") << "Picture1" << "Frame1" << QRect(0, 0, 489, 625);
        QTest::newRow("TextLabel2(0)") << "TextLabel2(0)" << "Picture1" << QRect(0, 0, 49, 25);
        QTest::newRow("Text1(0)") << "Text1(0)" << "Picture1" << QRect(48, 0, 33, 24);
        QTest::newRow("Text12(0)") << "Text12(0)" << "Picture1" << QRect(400, 0, 33, 24);
        QTest::newRow("Combo9(0)") << "Combo9(0)" << "Picture1" << QRect(432, 0, 57, 24);
        QTest::newRow("Label8") << "Label8" << "Frame9" << QRect(3, 15, 185, 17);
        QTest::newRow("Text17") << "Text17" << "Frame9" << QRect(192, 11, 49, 24);
        QTest::newRow("Command9") << "Command9" << "Frame12" << QRect(40, 40, 33, 17);
        QTest::newRow("Text18") << "Text18" << "Frame11" << QRect(192, 64, 49, 23);
        QTest::newRow("Combo7") << "Combo7" << "Frame6" << QRect(112, 13, 41, 22);
        QTest::newRow("Label16") << "Label16" << "Frame8" << QRect(0, 47, 193, 17);
        QTest::newRow("Text14") << "Text14" << "Frame16" << QRect(200, 40, 41, 23);
    }
    void positions() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        QWidget* w = findNamed<QWidget>(&m_form, name);
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), pixels);
    }

    void designTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("table caption") << "Frame2" << "Előgyújtás értékek (RPM x terhelés)";
        QTest::newRow("row area caption") << "Frame1" << "VORTAMIX";
        QTest::newRow("2D panel has none") << "Frame18" << "";
        QTest::newRow("3D panel") << "Frame7" << "Grafikon";
        QTest::newRow("right-aligned label") << "Label16" << "Szögkorrekció(főtengely fok):";
        QTest::newRow("spark time") << "Text15" << "15,5";
        QTest::newRow("first cell") << "Text1(0)" << "65,5";
        QTest::newRow("other cell") << "Text7(0)" << "0,5";
        QTest::newRow("first header") << "TextLabel1(0)" << "100%";
        QTest::newRow("later header empty") << "TextLabel1(5)" << "";
        QTest::newRow("cut header") << "TextLabel1(12)" << "Tiltás";
        QTest::newRow("row label") << "TextLabel2(0)" << "16000";
        QTest::newRow("2D option") << "Option5" << "2 D";
        QTest::newRow("empty note") << "Text13" << "";
    }
    void designTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(shownText(findNamed<QWidget>(&m_form, name)), text);
    }

    void listItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("editable");
        QStringList ports, counts;
        for (int i = 1; i <= 16; ++i)
            ports << QStringLiteral("Com%1").arg(i);
        for (int i = 0; i <= 15; ++i)
            counts << QString::number(i);
        QTest::newRow("ports") << "Combo1" << ports << false;
        QTest::newRow("transparent") << "Combo11" << counts << false;
        QTest::newRow("cut levels") << "Combo9(0)" << QStringList{"0%", "25%", "50%", "100%"} << false;
        QTest::newRow("resolution") << "Combo6"
                                    << QStringList{"60 x 1", "60 x 4", "40 x 6", "30 x 8", "20 x 12"}
                                    << true;
        QTest::newRow("cylinders") << "Combo7" << QStringList{"2", "3", "4", "5", "6", "8"} << true;
        QTest::newRow("load unit") << "Combo5" << QStringList{"V", "%", "Bar"} << false;
        QTest::newRow("mode") << "Combo12" << QStringList{"normál", "bipoláris"} << false;
        QTest::newRow("coil") << "Combo4" << QStringList{"Zarasido", "Zarasszog"} << false;
        QTest::newRow("column chooser filled later") << "Combo8" << QStringList{} << false;
    }
    void listItems() {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        QFETCH(bool, editable);
        auto* list = findNamed<QComboBox>(&m_form, name);
        QCOMPARE(itemsOf(list), items);
        QCOMPARE(list->isEditable(), editable);
    }

    void widgetKinds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("cell") << "Text3(0)" << "QLineEdit" << false;
        QTest::newRow("header") << "TextLabel1(4)" << "QLineEdit" << true;
        QTest::newRow("cut header") << "TextLabel1(12)" << "QLineEdit" << true;
        QTest::newRow("row label") << "TextLabel2(0)" << "QLineEdit" << true;
        QTest::newRow("value field") << "Text19" << "QLineEdit" << false;
        QTest::newRow("note") << "Text13" << "QPlainTextEdit" << false;
        QTest::newRow("row area") << "Picture1" << "QWidget" << false;
        QTest::newRow("graph panel") << "Frame18" << "QGroupBox" << false;
        QTest::newRow("logo") << "Picture2" << "ClickablePicture" << false;
        QTest::newRow("corner") << "Label100" << "QLabel" << false;
        QTest::newRow("scroll") << "VScroll" << "QScrollBar" << false;
    }
    void widgetKinds() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(bool, readOnly);
        QWidget* w = findNamed<QWidget>(&m_form, name);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
        if (auto* field = qobject_cast<QLineEdit*>(w))
            QCOMPARE(field->isReadOnly(), readOnly);
    }

    void rowWidgetsLiveInTheScrollingArea() {
        auto* rows = findNamed<QWidget>(&m_form, "Picture1");
        for (const char* name : {"TextLabel2(0)", "Text1(0)", "Text12(0)", "Combo9(0)"})
            QCOMPARE(findNamed<QWidget>(&m_form, name)->parentWidget(), rows);
        QCOMPARE(rows->parentWidget()->objectName(), QStringLiteral("Frame1"));
        QCOMPARE(rows->parentWidget()->parentWidget()->objectName(), QStringLiteral("Frame2"));
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("caption label") << "Label13" << 9.75 << false;
        QTest::newRow("breakpoint button") << "Command5" << 8.25 << false;
        QTest::newRow("value field") << "Text16" << 9.75 << true;
        QTest::newRow("cell") << "Text4(0)" << 9.75 << false;
        QTest::newRow("note") << "Text13" << 8.25 << false;
        QTest::newRow("row label") << "TextLabel2(0)" << 8.25 << true;
        QTest::newRow("column header") << "TextLabel1(2)" << 6.75 << true;
        QTest::newRow("graph option") << "Option6" << 11.25 << true;
        QTest::newRow("small panel") << "Frame10" << 8.25 << false;
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        const QFont font = findNamed<QWidget>(&m_form, name)->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    // The substitute fonts must not cut captions off.
    void designCaptionsFit() {
        const QStringList clipped = clippedCaptions(&m_form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
    }

    void rowAreaHidesItsPanelsFrame() {
        auto* rows = findNamed<QWidget>(&m_form, "Picture1");
        rows->resize(rows->width(), 2000); // as tall as the largest table
        const QImage shown = findNamed<QWidget>(&m_form, "Frame1")->grab().toImage();
        const QColor background = rows->palette().color(QPalette::Window);
        // Below row 0 the frame's left, right and bottom lines would show.
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixelColor(x, shown.height() - 1), background);
        for (int y = 30; y < shown.height(); ++y) {
            QCOMPARE(shown.pixelColor(0, y), background);
            QCOMPARE(shown.pixelColor(shown.width() - 1, y), background);
        }
    }

    void graphPanelsAreBlack() {
        for (const char* name : {"Frame18", "Frame7"}) {
            QWidget* panel = findNamed<QWidget>(&m_form, name);
            QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::black));
            const QImage shown = panel->grab().toImage();
            QCOMPARE(shown.pixelColor(shown.rect().center()), QColor(Qt::black));
        }
    }

    void lockedCellsShareTheCornerColour() {
        const QColor locked = findNamed<QWidget>(&m_form, "Label100")->palette().color(QPalette::Window);
        QVERIFY(locked != findNamed<QWidget>(&m_form, "Text1(0)")->palette().color(QPalette::Base));
        for (const char* name : {"TextLabel1(0)", "TextLabel1(12)", "TextLabel2(0)"})
            QCOMPARE(findNamed<QWidget>(&m_form, name)->palette().color(QPalette::Base), locked);
    }

    void picturesDrawnAndLogoShowsHand() {
        for (const char* name : {"Picture2", "Picture3", "Picture4"})
            QVERIFY(!findNamed<QLabel>(&m_form, name)->pixmap().isNull());
        QCOMPARE(findNamed<QWidget>(&m_form, "Picture2")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!findNamed<ClickablePicture>(&m_form, "Picture3")->hasBorder());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
