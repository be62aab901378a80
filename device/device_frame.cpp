#include "device/device_frame.h"

#include "core/number_rules.h"

DeviceFrame PackDeviceImage(const DeviceImage& w) {
    DeviceFrame f{};
    for (int k = 0; k < 240; ++k)
        f[k] = w[k];
    for (int group = 0; group < 3; ++group) {
        const int word = 240 + 4 * group;
        const int byte = 240 + 3 * group;
        // The controller reads the first field of the first group doubled, not shifted
        // by two bits like the first fields of the other groups.
        const int firstScale = group == 0 ? 2 : 4;
        f[byte] = firstScale * w[word] + IntDiv(w[word + 1], 16);
        f[byte + 1] = (w[word + 1] % 16) * 16 + IntDiv(w[word + 2], 4);
        f[byte + 2] = (w[word + 2] % 4) * 64 + w[word + 3];
    }
    for (int k = 249; k < 256; ++k)
        f[k] = w[k + 3];
    return f;
}

std::optional<int> firstByteOutOfRange(const DeviceFrame& frame) {
    for (int k = 0; k < int(frame.size()); ++k)
        if (frame[k] < 0 || frame[k] > 255)
            return k;
    return std::nullopt;
}
