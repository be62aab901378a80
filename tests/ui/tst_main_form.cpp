#include "core/find_widget.h"
#include "core/twips.h"
#include "ui/main_form.h"
#include "tests/ui/form_probe.h"

#include <QSet>
#include <QtTest>

// A sample of the design's widgets by layout name; the panels look them up this way.
static QStringList designNames() {
    QStringList names{"Frame1", "Frame2", "Frame18", "Picture1", "Picture2", "Label100",
                      "VScroll", "TextLabel2(0)", "Combo9(0)", "Text13", "Text19", "Combo1",
                      "Combo12", "Option1", "Option6", "Command1", "Command10", "Label18"};
    for (int i = 0; i <= 12; ++i)
        names << arrayName("TextLabel1", i);
    for (int c = 1; c <= 12; ++c)
        names << QStringLiteral("Text%1(0)").arg(c);
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
        QTest::newRow("Picture2 rounds") << "Picture2" << "" << QRect(767, 687, 249, 66);
        QTest::newRow("TextLabel1(12)") << "TextLabel1(12)" << "Frame2" << QRect(440, 24, 57, 25);
        QTest::newRow("Text1(0)") << "Text1(0)" << "Picture1" << QRect(48, 0, 33, 24);
        QTest::newRow("Combo9(0)") << "Combo9(0)" << "Picture1" << QRect(432, 0, 57, 24);
        QTest::newRow("Command9") << "Command9" << "Frame12" << QRect(40, 40, 33, 17);
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

    void widgetKinds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<qreal>("points");
        QTest::newRow("cell") << "Text3(0)" << "QLineEdit" << false << 9.75;
        QTest::newRow("header") << "TextLabel1(4)" << "QLineEdit" << true << 6.75;
        QTest::newRow("note") << "Text13" << "QPlainTextEdit" << false << 8.25;
        QTest::newRow("row area") << "Picture1" << "QWidget" << false << -1.0;
        QTest::newRow("logo") << "Picture2" << "ClickablePicture" << false << -1.0;
    }
    void widgetKinds() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(bool, readOnly);
        QFETCH(qreal, points);
        QWidget* w = findNamed<QWidget>(&m_form, name);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
        if (auto* field = qobject_cast<QLineEdit*>(w))
            QCOMPARE(field->isReadOnly(), readOnly);
        if (points > 0)
            QCOMPARE(w->font().pointSizeF(), points);
    }

    // Below row 0 the row area covers its panel's frame lines.
    void rowAreaHidesItsPanelsFrame() {
        auto* rows = findNamed<QWidget>(&m_form, "Picture1");
        rows->resize(rows->width(), 2000);
        const QImage shown = findNamed<QWidget>(&m_form, "Frame1")->grab().toImage();
        const QColor background = rows->palette().color(QPalette::Window);
        for (const QPoint& p : {QPoint(0, 40), QPoint(shown.width() - 1, 40),
                                QPoint(shown.width() / 2, shown.height() - 1)})
            QCOMPARE(shown.pixelColor(p), background);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
