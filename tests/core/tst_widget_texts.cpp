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
            const QString key =
                QString("%1/%2/%3").arg(row.widget).arg(int(row.kind)).arg(row.item);
            QVERIFY2(!seen.contains(key), qPrintable(key));
            seen.insert(key);
            QVERIFY2(!row.english.isEmpty() && !row.hungarian.isEmpty(), row.widget);
        }
    }

    void findsRowsByWidgetKindAndItem() {
        const WidgetText* tip = findWidgetText("Label11", WidgetTextKind::ToolTip, 0);
        QVERIFY(tip);
        QCOMPARE(tip->text(Language::Hungarian),
                 QString("Tökéletes keverék gyulladás határ fordulatszáma"));
        const WidgetText* item = findWidgetText("Combo3", WidgetTextKind::ListItem, 1);
        QVERIFY(item);
        QCOMPARE(item->text(Language::English), QString("Rising"));
        QVERIFY(!findWidgetText("Combo3", WidgetTextKind::ListItem, 2));
        QVERIFY(!findWidgetText("Text17", WidgetTextKind::Caption, 0));
    }
};

QTEST_GUILESS_MAIN(WidgetTextsTest)
#include "tst_widget_texts.moc"
