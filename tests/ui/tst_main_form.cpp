#include "core/find_widget.h"
#include "core/twips.h"
#include "ui/main_form.h"

#include <QSet>
#include <QtTest>

class TestMainForm : public QObject {
    Q_OBJECT

    QWidget m_form;

  private slots:
    void initTestCase() {
        Twips::setLogicalDpi(96);
        buildMainForm(&m_form);
    }

    // The panels look their widgets up by layout name, so each name must be there once.
    void everyDesignWidgetOnceByName() {
        QSet<QString> seen;
        for (const QWidget* w : m_form.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!seen.contains(w->objectName()), qPrintable(w->objectName()));
            seen.insert(w->objectName());
        }
        QStringList names{"Frame1", "Picture1", "VScroll", "TextLabel2(0)", "Combo9(0)",
                          "Text13", "Text19",   "Combo12", "Option6",       "Command10"};
        for (int i = 0; i <= 12; ++i)
            names << arrayName("TextLabel1", i)
                  << arrayName(qPrintable(QString("Text%1").arg(i + 1)), 0);
        names.removeAll("Text13(0)");
        for (const QString& name : names)
            QVERIFY2(seen.contains(name), qPrintable(name));
    }

    // Twips become whole pixels at 96 dpi, rounded rather than cut.
    void pixelsAt96Dpi_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("client area") << "" << QRect(0, 0, 1020, 755);
        QTest::newRow("Picture2 rounds") << "Picture2" << QRect(767, 687, 249, 66);
        QTest::newRow("Command9") << "Command9" << QRect(40, 40, 33, 17);
    }
    void pixelsAt96Dpi() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(name.isEmpty() ? m_form.rect() : findNamed<QWidget>(&m_form, name)->geometry(),
                 pixels);
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
