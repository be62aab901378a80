#include "device/device_image.h"
#include "language/language_texts.h"
#include "storage/map_file_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& separator) {
    std::fprintf(stderr, "map file, separator \"%s\": %s\n", qPrintable(separator), what);
    std::abort();
}

QByteArray written(const MapDocument& document, const QString& separator) {
    const Outcome<QByteArray, LocalText> bytes = writeMapFile(document, separator);
    if (!bytes.ok())
        fail(qPrintable("a read document cannot be written: " +
                        LanguageTexts().words(bytes.reason())),
             separator);
    return bytes.value();
}

// The file keeps fifteen significant digits, so only values a user can enter come back
// exactly: a table the controller accepts and load boundaries of two decimals (a file's
// 111.0000000000069 hundredths is near such a boundary, but not one).
bool holdsEnteredValues(const MapDocument& document, const QString& separator) {
    for (int i = 1; i < document.columnCount(); ++i) {
        const double volts = document.loadBreakpoints[i];
        if (std::round(volts * 100) / 100 != volts)
            return false;
    }
    return BuildDeviceImage(document, separator).ok();
}

// Any bytes as a map file, read with either decimal separator over the start-up map. A
// read that fails says why. A read document writes a file that reads back into one
// writing the same file; when it holds only values a user can enter, it reads back equal.
void readWriteRead(const QByteArray& bytes, const QString& separator, const MapDocument& base) {
    const Outcome<MapDocument> read = readMapFile(bytes, base, separator);
    if (!read.ok()) {
        if (read.reason().isEmpty())
            fail("a failed read gives no reason", separator);
        return;
    }
    const QByteArray file = written(read.value(), separator);
    const Outcome<MapDocument> again = readMapFile(file, base, separator);
    if (!again.ok())
        fail(qPrintable("a written file does not read: " + again.reason()), separator);
    // Writing is a function of the document, so an equal read-back writes the same file.
    if (again.value() == read.value())
        return;
    if (holdsEnteredValues(read.value(), separator))
        fail("a written file reads back different", separator);
    if (written(again.value(), separator) != file)
        fail("a written file read back writes a different file", separator);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // Made once: building the start-up map costs more than reading most inputs.
    static const QString separators[2] = {QStringLiteral("."), QStringLiteral(",")};
    static const MapDocument bases[2] = {MapDocument::startupDefaults(separators[0]),
                                         MapDocument::startupDefaults(separators[1])};
    // One separator per input, chosen by the length so that every input stays a plain map
    // file; the mutations that add or drop a byte try the other one.
    const size_t pick = size % 2;
    readWriteRead(bytes, separators[pick], bases[pick]);
    return 0;
}
