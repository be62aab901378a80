#include "tests/fuzz/session_script.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int kSessionSteps = 200;

const char* const kKeys[] = {
    "0",    "1",   "2",    "3",     "4",  "5",    "6",    "7",    "8",     "9",     "0",
    "5",    ".",   ",",    ".",     ",",  "-",    "a",    "x",    "Enter", "Enter", "Enter",
    "Tab",  "Esc", "Left", "Right", "Up", "Down", "PgUp", "PgDn", "Home",  "End",   "Bksp",
    "Bksp", "Del", "^Z",   "^Y",    "^C", "^V",   "^E",   "^R"};
// Load, save, send and version come up twice as often as the other buttons.
const char* const kButtons[] = {"Command1", "Command2",  "Command3", "Command4", "Command1",
                                "Command2", "Command3",  "Command4", "Command5", "Command8",
                                "Command9", "Command10", "Picture3", "Picture4", "Option1",
                                "Option2",  "Option3",   "Option4",  "Option5",  "Option6"};
const char* const kLinkCalls[] = {"open", "break-on", "break-off", "write"};
// Number lines a hand edit or a damaged disk may leave in a map file.
const char* const kDamagedLines[] = {"70.0", "999", "-5",  "abc", "",   "12,5", "1e5", "65535",
                                     "0",    "3",   "0.4", "9.9", "20", "4,5",  "-0"};

template <size_t N> QString pick(std::mt19937& random, const char* const (&items)[N]) {
    return QLatin1String(items[random() % N]);
}

int inRange(std::mt19937& random, int low, int high) {
    return low + int(random() % unsigned(high - low + 1));
}

double fraction(std::mt19937& random) {
    return (random() % 1000) / 1000.0;
}

QStringList inputAnswers(const QString& separator) {
    const QString other = separator == QLatin1String(",") ? "." : ",";
    // A value valid for each kind of field, so that every re-ask loop can end, and the
    // mistakes users make.
    const QStringList valid = {"12" + separator + "5",
                               "30",
                               "1" + separator + "5",
                               "4",
                               "3000",
                               "180",
                               "20",
                               "2" + separator + "5",
                               "0" + separator + "5"};
    const QStringList wrong = {
        "2" + separator + "45", "abc", "99", "0",
        "1" + other + "5",      "-3",  "",   "12" + separator + "5" + separator,
        QString(40, '9')};
    return valid + valid + wrong;
}

} // namespace

SessionScript SessionScript::generate(quint32 seed, const QStringList& widgets,
                                      const QStringList& lists) {
    std::mt19937 random(seed);
    SessionScript script;
    script.seed = seed;
    script.m_answerRandom.seed(seed ^ 0x5eedu);
    script.modal = random() % 2;
    script.locale = random() % 2 ? QStringLiteral("hu_HU") : QStringLiteral("en_US");
    auto widget = [&] { return widgets.at(int(random() % unsigned(widgets.size()))); };
    auto point = [&](const QString& verb, const QString& name) {
        return QStringList{verb, name, QString::number(fraction(random)),
                           QString::number(fraction(random))};
    };
    while (script.steps.size() < kSessionSteps) {
        const int roll = inRange(random, 0, 99);
        QStringList s;
        if (roll < 30) {
            for (int n = inRange(random, 1, 4); n > 0; --n)
                script.steps.append({{QStringLiteral("key"), pick(random, kKeys)}});
            continue;
        }
        if (roll < 50)
            s = point(QStringLiteral("click"), widget());
        else if (roll < 60)
            s = point(QStringLiteral("click"), pick(random, kButtons));
        else if (roll < 64)
            s = point(QStringLiteral("press"), widget());
        else if (roll < 68)
            s = point(QStringLiteral("release"), widget());
        else if (roll < 71)
            s = point(QStringLiteral("double"), widget());
        else if (roll < 79)
            s = {QStringLiteral("choose"), lists.at(int(random() % unsigned(lists.size()))),
                 QString::number(inRange(random, 0, 15))};
        else if (roll < 85)
            s = point(QStringLiteral("wheel"), widget())
                << QString::number(inRange(random, 1, 3) * (random() % 2 ? 1 : -1));
        else if (roll < 95)
            s = {QStringLiteral("time"),
                 QString::number(std::array{1, 3, 40, 300, 3000}[random() % 5])};
        else if (roll < 99)
            s = {QStringLiteral("fault"), pick(random, kLinkCalls),
                 QString::number(random() % 3 ? 0 : 100)};
        else
            s = {QStringLiteral("close")};
        script.steps.append({s});
    }
    return script;
}

SessionAnswer SessionScript::answer(const QString& kind) {
    const SessionAnswer recorded = m_queued.isEmpty() ? SessionAnswer() : m_queued.takeFirst();
    m_given.append(recorded.kind == kind ? recorded : randomAnswer(kind));
    return m_given.last();
}

SessionAnswer SessionScript::randomAnswer(const QString& kind) {
    std::mt19937& random = m_answerRandom;
    SessionAnswer a{kind, {}, modal && random() % 2 ? inRange(random, 1, 3) : 0};
    if (kind == QLatin1String("message")) {
        a.value = random() % 2 ? QStringLiteral("yes") : QStringLiteral("no");
    } else if (kind == QLatin1String("input")) {
        const QStringList texts = inputAnswers(QLocale(locale).decimalPoint());
        a.value = texts.at(int(random() % unsigned(texts.size())));
    } else if (kind == QLatin1String("open")) {
        const int golden = inRange(random, 0, 4);
        const char* const specs[] = {"golden",  "golden", "golden",  "short", "damaged", "damaged",
                                     "damaged", "empty",  "missing", "saved", "cancel"};
        a.value = pick(random, specs);
        if (a.value == QLatin1String("golden"))
            a.value += QStringLiteral(":%1").arg(golden);
        else if (a.value == QLatin1String("short"))
            a.value += QStringLiteral(":%1:%2").arg(golden).arg(inRange(random, 1, 380));
        else if (a.value == QLatin1String("damaged"))
            a.value += QStringLiteral(":%1:%2").arg(golden).arg(random());
    } else {
        const char* const specs[] = {"new", "new", "new", "again", "noext", "badfolder", "cancel"};
        a.value = pick(random, specs);
    }
    return a;
}

SessionScript SessionScript::read(const QString& path) {
    SessionScript script;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("Cannot read the replay %s", qPrintable(path));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("seed"))
            script.seed = rest.toUInt();
        else if (verb == QLatin1String("locale"))
            script.locale = rest;
        else if (verb == QLatin1String("modal"))
            script.modal = rest == QLatin1String("1");
        else if (verb == QLatin1String("answer")) {
            // answer KIND HOLD VALUE (the value may be empty)
            script.m_queued.append({rest.section(QLatin1Char(' '), 0, 0),
                                    rest.section(QLatin1Char(' '), 2),
                                    rest.section(QLatin1Char(' '), 1, 1).toInt()});
        } else if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            script.steps.append({line.split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    }
    script.m_answerRandom.seed(script.seed ^ 0x5eedu);
    return script;
}

QStringList SessionScript::replayFiles(const QString& fileOrFolder) {
    const QFileInfo info(fileOrFolder);
    if (!info.isDir())
        return {fileOrFolder};
    QStringList files;
    const QDir folder(fileOrFolder);
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files.append(folder.filePath(name));
    return files;
}

void SessionScript::write(const QString& path, const QString& why, int played) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << "# " << why << "\nseed " << seed << "\nlocale " << locale << "\nmodal " << int(modal)
        << '\n';
    for (int i = 0; i < (played < 0 ? steps.size() : played); ++i)
        out << steps[i].words.join(QLatin1Char(' ')) << '\n';
    if (played >= 0)
        for (const SessionAnswer& a : m_given)
            out << "answer " << a.kind << ' ' << a.hold << ' ' << a.value << '\n';
}

SessionFiles::SessionFiles(const QString& folder, const QString& goldenFolder) : m_folder(folder) {
    const QDir golden(goldenFolder);
    for (const QString& name : golden.entryList({QStringLiteral("*.klv")}, QDir::Files, QDir::Name))
        m_golden.append(golden.filePath(name));
}

QByteArray SessionFiles::golden(int index) const {
    QFile file(m_golden.value(index));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SessionFiles::write(const QString& name, const QByteArray& bytes) const {
    QFile file(m_folder.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return file.fileName();
}

QString SessionFiles::openPath(const QString& choice) {
    const QStringList p = choice.split(QLatin1Char(':'));
    const int index = p.value(1).toInt();
    if (p[0] == QLatin1String("golden"))
        return m_golden.value(index);
    if (p[0] == QLatin1String("short")) {
        const QList<QByteArray> lines = golden(index).split('\n').mid(0, p.value(2).toInt());
        return write(QStringLiteral("short.klv"), lines.join('\n'));
    }
    if (p[0] == QLatin1String("damaged")) {
        std::mt19937 random(p.value(2).toUInt());
        QList<QByteArray> lines = golden(index).split('\n');
        for (int n = inRange(random, 1, 4); n > 0 && lines.size() > 2; --n) {
            const int at = inRange(random, 0, int(lines.size()) - 2);
            switch (random() % 4) {
            case 0:
                lines[at] = QByteArray(kDamagedLines[random() % std::size(kDamagedLines)]) + '\r';
                break;
            case 1:
                lines.removeAt(at);
                break;
            case 2:
                lines.insert(at, lines[at]);
                break;
            default:
                lines[at] = lines[at].left(int(random() % 3));
                break;
            }
        }
        return write(QStringLiteral("damaged.klv"), lines.join('\n'));
    }
    if (p[0] == QLatin1String("empty"))
        return write(QStringLiteral("empty.klv"), {});
    if (p[0] == QLatin1String("missing"))
        return m_folder.filePath(QStringLiteral("missing.klv"));
    if (p[0] == QLatin1String("saved"))
        return m_lastSaved.isEmpty() ? m_folder.filePath(QStringLiteral("missing.klv"))
                                     : m_lastSaved;
    return {};
}

QString SessionFiles::savePath(const QString& choice) {
    QString path;
    if (choice == QLatin1String("again") && !m_lastSaved.isEmpty())
        path = m_lastSaved;
    else if (choice == QLatin1String("new") || choice == QLatin1String("again"))
        path = m_folder.filePath(QStringLiteral("save-%1.klv").arg(++m_saves));
    else if (choice == QLatin1String("noext"))
        path = m_folder.filePath(QStringLiteral("noext-%1").arg(++m_saves));
    else if (choice == QLatin1String("badfolder"))
        path = m_folder.filePath(QStringLiteral("none/map.klv"));
    if (!path.isEmpty())
        m_lastSaved = withSuffix(path);
    return path;
}

QString SessionFiles::withSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".klv") : path;
}
