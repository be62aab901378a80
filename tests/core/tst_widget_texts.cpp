#include "core/widget_texts.h"

#include <QSet>
#include <QtTest>

class WidgetTextsTest : public QObject {
    Q_OBJECT
private slots:
    // Two rows for the same text would make the result depend on the order of the table.
    void eachWidgetTextHasOneRow() {
        QSet<QString> seen;
        for (const WidgetText& row : widgetTexts()) {
            const QString key = QString("%1/%2/%3").arg(row.widget).arg(int(row.kind)).arg(row.item);
            QVERIFY2(!seen.contains(key), qPrintable(key));
            seen.insert(key);
            QVERIFY2(!row.english.isEmpty() && !row.hungarian.isEmpty(), row.widget);
            if (row.kind == WidgetTextKind::ListItem)
                QVERIFY2(QByteArray(row.widget).startsWith("Combo"), row.widget);
        }
        QCOMPARE(seen.size(), 116);
    }

    void findsRowsByWidgetKindAndItem_data() {
        QTest::addColumn<QByteArray>("widget");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("hungarian");
        QTest::newRow("axis title") << QByteArray("Label19") << int(WidgetTextKind::Caption) << 0
                                    << "IGNITION" << "Előgyújtás";
        QTest::newRow("same name, tool tip") << QByteArray("Label11") << int(WidgetTextKind::ToolTip)
                                             << 0 << "Spark power limit RPM information"
                                             << "Tökéletes keverék gyulladás határ fordulatszáma";
        QTest::newRow("second item") << QByteArray("Combo3") << int(WidgetTextKind::ListItem) << 1
                                     << "Rising" << "Felfutó";
        QTest::newRow("no third item") << QByteArray("Combo3") << int(WidgetTextKind::ListItem)
                                       << 2 << "" << "";
        QTest::newRow("no caption row") << QByteArray("Text17") << int(WidgetTextKind::Caption)
                                        << 0 << "" << "";
    }
    void findsRowsByWidgetKindAndItem() {
        QFETCH(QByteArray, widget);
        QFETCH(int, kind);
        QFETCH(int, item);
        QFETCH(QString, english);
        QFETCH(QString, hungarian);
        const WidgetText* row = findWidgetText(widget.constData(), WidgetTextKind(kind), item);
        QCOMPARE(row != nullptr, !english.isEmpty());
        if (!row)
            return;
        QCOMPARE(row->text(Language::English), english);
        QCOMPARE(row->text(Language::Hungarian), hungarian);
    }

    void graphAxisTitlesFollowTheLanguage() {
        const GraphAxisTitles english = graphAxisTitles(Language::English);
        QCOMPARE(english.advance, QString("IGNITION"));
        QCOMPARE(english.load, QString("LOAD"));
        QCOMPARE(english.rpm, QString("RPM"));
        const GraphAxisTitles hungarian = graphAxisTitles(Language::Hungarian);
        QCOMPARE(hungarian.advance, QString("Előgyújtás"));
        QCOMPARE(hungarian.load, QString("Terhelés"));
        QCOMPARE(hungarian.rpm, QString("RPM"));
    }
};

QTEST_GUILESS_MAIN(WidgetTextsTest)
#include "tst_widget_texts.moc"
