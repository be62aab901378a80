#include "storage/map_file_format.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& separator) {
    std::fprintf(stderr, "map file, separator \"%s\": %s\n", qPrintable(separator), what);
    std::abort();
}

// Any bytes as a map file, read with either decimal separator over the start-up map. A
// read that fails says why; a document that was read writes out and reads back the same.
void readWriteRead(const QByteArray& bytes, const QString& separator) {
    const MapDocument base = MapDocument::startupDefaults(separator);
    const Outcome<MapDocument> read = readMapFile(bytes, base, separator);
    if (!read.ok()) {
        if (read.reason().isEmpty())
            fail("a failed read gives no reason", separator);
        return;
    }
    const Outcome<QByteArray> written = writeMapFile(read.value(), separator);
    if (!written.ok())
        fail(qPrintable("a read document cannot be written: " + written.reason()), separator);
    const Outcome<MapDocument> again = readMapFile(written.value(), base, separator);
    if (!again.ok())
        fail(qPrintable("a written file does not read: " + again.reason()), separator);
    if (again.value() != read.value())
        fail("a written file reads back different", separator);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    readWriteRead(bytes, QStringLiteral("."));
    readWriteRead(bytes, QStringLiteral(","));
    return 0;
}
