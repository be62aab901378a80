#include "ui/note_field.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QVector>

namespace {
// Long enough that ordinary notes are never split, short enough to lay out at once.
constexpr int kLongestParagraph = 2000;
// A paragraph that carries on the line of the one before it.
constexpr int kContinuesLine = 1;

// Where the paragraph that starts at `from` ends: after the last space within reach,
// else at the full length.
qsizetype paragraphEnd(QStringView line, qsizetype from) {
    const qsizetype limit = from + kLongestParagraph;
    if (limit >= line.size())
        return line.size();
    const qsizetype space = line.lastIndexOf(QLatin1Char(' '), limit - 1);
    return space > from + kLongestParagraph / 2 ? space + 1 : limit;
}
} // namespace

void showNote(QPlainTextEdit* field, const QString& note) {
    QStringList paragraphs;
    QVector<int> continuing; // numbers of the paragraphs that carry on a line
    for (const QStringView line : QStringView(note).split(QLatin1Char('\n'))) {
        qsizetype from = 0;
        do {
            const qsizetype to = paragraphEnd(line, from);
            if (from > 0)
                continuing.append(int(paragraphs.size()));
            paragraphs.append(line.mid(from, to - from).toString());
            from = to;
        } while (from < line.size());
    }
    field->setPlainText(paragraphs.join(QLatin1Char('\n')));
    for (const int number : continuing)
        field->document()->findBlockByNumber(number).setUserState(kContinuesLine);
}

QString noteText(const QPlainTextEdit* field) {
    // The plain text turns the field's special spaces and separators into ordinary ones;
    // its paragraphs sit at the same positions as in the document.
    const QString plain = field->toPlainText();
    QString note;
    note.reserve(plain.size());
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockNumber() > 0 && block.userState() != kContinuesLine)
            note += QLatin1Char('\n');
        note += QStringView(plain).mid(block.position(), block.length() - 1);
    }
    return note;
}
