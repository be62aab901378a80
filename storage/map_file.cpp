#include "storage/map_file.h"

#include "storage/map_file_format.h"

#include <QFile>
#include <QSaveFile>

namespace {
// A full 60 x 12 table is below 20 KB; the rest would be note.
constexpr qint64 kLargestMapFile = 4 * 1024 * 1024;
} // namespace

SaveResult saveMapFile(const QString& path, const MapDocument& document,
                       const QString& decimalSeparator) {
    const Outcome<QByteArray, LocalText> bytes = writeMapFile(document, decimalSeparator);
    if (!bytes.ok())
        return {false, bytes.reason()};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes.value()) != bytes.value().size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

Outcome<MapDocument> loadMapFile(const QString& path, const MapDocument& base,
                                 const QString& decimalSeparator) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome<MapDocument>::failure(file.errorString());
    // Read with a limit: a device file would never end.
    const QByteArray bytes = file.read(kLargestMapFile + 1);
    if (bytes.size() > kLargestMapFile)
        return Outcome<MapDocument>::failure(QStringLiteral("the file is too large"));
    return readMapFile(bytes, base, decimalSeparator);
}
