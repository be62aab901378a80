#include "cli/cli_document.h"
#include "cli/show_document.h"
#include "core/document_ranges.h"
#include "device/frame_build.h"
#include "storage/map_file_format.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "map document: %s\n", what);
    std::abort();
}

QString anyText(FuzzedDataProvider& in) {
    return QString::fromStdString(in.ConsumeRandomLengthString(12));
}

// Every field drawn from the input, list indices (the only sources of these fields) one
// beyond either end of their lists, texts of any characters; a few cells of any value and
// cut levels at random places.
MapDocument randomDocument(FuzzedDataProvider& in, const QString& separator) {
    MapDocument doc = MapDocument::startupDefaults(separator);
    doc.resolution = in.ConsumeIntegralInRange(-1, kResolutionCount);
    doc.operationMode = in.ConsumeIntegralInRange(-1, 2);
    doc.coilControlMode = in.ConsumeIntegralInRange(-1, 2);
    doc.cylinders = in.ConsumeIntegralInRange(-1, 6);
    doc.loadUnit = in.ConsumeIntegralInRange(-1, 3);
    doc.inputPolarity = in.ConsumeIntegralInRange(-1, 2);
    doc.outputPolarity = in.ConsumeIntegralInRange(-1, 2);
    doc.transparentIntervals = in.ConsumeIntegralInRange(-1, 16);
    doc.chargeCorrectionIntervals = in.ConsumeIntegralInRange(-1, 16);
    doc.inputDwellMode = in.ConsumeBool();
    doc.loadInputUsed = in.ConsumeBool();
    for (QString* text : {&doc.sparkTime, &doc.chargeTime, &doc.dwellAngle, &doc.inputChargeDwell,
                          &doc.revLimit, &doc.mapMaxPressure, &doc.note})
        *text = anyText(in);
    for (double& load : doc.loadBreakpoints)
        load = in.ConsumeFloatingPoint<double>();
    while (in.remaining_bytes() > 0) {
        const int row = in.ConsumeIntegralInRange(0, kMaxRows - 1);
        doc.rpmBreakpoints[row] = in.ConsumeIntegral<qint16>();
        doc.revCutLevel[row] = in.ConsumeIntegralInRange(-1, 4);
        doc.cells[row][in.ConsumeIntegralInRange(0, kMaxColumns - 1)] = in.ConsumeIntegral<int>();
    }
    return doc;
}

// The upload's path (image, frame) and `show`. A refusal names its reason, and the frame
// the command line prints is the one an upload would send.
void checkDocument(const MapDocument& document, const QString& separator) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CliContext context{separator, outStream, errStream};

    const std::optional<DeviceFrame> frame = CliDocument::frame(document, context);
    errStream.flush();
    if (!frame && err.isEmpty())
        fail("a refused frame gives no reason");
    if (frame && firstValueOutOfRange(document, separator))
        fail("a frame was built from a value out of range");
    const FrameBuild upload = buildFrame(document, separator);
    if (frame && (upload.conversionError || upload.frame != *frame))
        fail("the printed frame is not the one an upload sends");

    showDocument(document, context);
    outStream.flush();
    if (!out.contains(QLatin1String("REV Limit")))
        fail("show prints no grid");
}

} // namespace

// The first byte picks the separator and whether the rest is a map file or a document's
// fields; only files the reader accepts go on.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QString separator = data[0] & 1 ? QStringLiteral(",") : QStringLiteral(".");
    if (data[0] & 2) {
        static const MapDocument base[2] = {MapDocument::startupDefaults(QStringLiteral(".")),
                                            MapDocument::startupDefaults(QStringLiteral(","))};
        const Outcome<MapDocument> read =
            readMapFile(QByteArray(reinterpret_cast<const char*>(data + 1), int(size - 1)),
                        base[data[0] & 1], separator);
        if (read.ok())
            checkDocument(read.value(), separator);
        return 0;
    }
    FuzzedDataProvider in(data + 1, size - 1);
    checkDocument(randomDocument(in, separator), separator);
    return 0;
}
