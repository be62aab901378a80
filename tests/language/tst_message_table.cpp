#include "language/language_texts.h"

#include <QtTest>

class MessageTableTest : public QObject {
    Q_OBJECT
  private slots:
    // Every entry once, in its place. Both languages must take the same values in the same
    // places, or one of them would show a value glued to the wrong word. Only a text that
    // opens with a value (a detail opening with the name of a field) has an empty first
    // piece.
    void tablesAreWellFormed() {
        const std::vector<MessageEntry>& table = LanguageTexts::table();
        QCOMPARE(int(table.size()), kMessageCount);
        for (int i = 0; i < kMessageCount; ++i) {
            const MessageEntry& e = table[size_t(i)];
            const QByteArray where = QByteArray::number(i);
            QVERIFY2(e.id == MessageId(i), where);
            QVERIFY2(!e.english.isEmpty() && e.english.size() == e.hungarian.size(), where);
            for (const QStringList* pieces : {&e.english, &e.hungarian})
                QVERIFY2(!pieces->mid(1).contains(QString()), where);
            QCOMPARE(e.englishTitle.isEmpty(), e.hungarianTitle.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "tst_message_table.moc"
