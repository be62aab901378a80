#include "storage/settings_file.h"

#include <cstdint>
#include <cstdlib>

// Any bytes as the settings file: what is read is a port of the list and one of the two
// languages, and writing it reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<AppSettings> read =
        parseSettingsFile(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (!read)
        return 0;
    if (read->portNumber < 1 || read->portNumber > 16 ||
        (read->uiLanguage != QLatin1String("hun") && read->uiLanguage != QLatin1String("eng")))
        std::abort();
    const std::optional<AppSettings> again = parseSettingsFile(formatSettingsFile(*read));
    if (!again || again->portNumber != read->portNumber || again->uiLanguage != read->uiLanguage)
        std::abort();
    return 0;
}
