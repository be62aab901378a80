#include "frame_decoder.h"

namespace {
int at(const QByteArray& frame, int index) {
    return static_cast<quint8>(frame.at(index));
}

QString shapeName(int code) {
    switch (code) {
    case 8:
        return QStringLiteral("60 x 1");
    case 0:
        return QStringLiteral("60 x 4");
    case 16:
        return QStringLiteral("40 x 6");
    case 32:
        return QStringLiteral("30 x 8");
    case 48:
        return QStringLiteral("20 x 12");
    default:
        return QStringLiteral("unknown shape code %1").arg(code);
    }
}
} // namespace

QStringList describeFrame(const QByteArray& frame) {
    if (frame.size() != 256)
        return {QStringLiteral("frame of %1 bytes, not 256").arg(frame.size())};
    QStringList lines;
    const int high = at(frame, 249);
    const int low = at(frame, 250);
    if (high == 0 && low == 15)
        lines << QStringLiteral("rev limit: none");
    else {
        const int ticks = high * 256 + low - 15;
        lines << QStringLiteral("rev limit: about %1 RPM (bytes %2, %3)")
                     .arg(ticks > 0 ? 37500000 / ticks : 0)
                     .arg(high)
                     .arg(low);
    }
    lines << QStringLiteral("byte 251: %1 (always 255)").arg(at(frame, 251));
    lines << QStringLiteral("transparent intervals: %1, charge correction intervals: %2")
                 .arg(at(frame, 252) % 16)
                 .arg(at(frame, 252) / 16);
    lines << QStringLiteral("spark/charge bytes: %1, %2").arg(at(frame, 253)).arg(at(frame, 254));
    const int config = at(frame, 255);
    lines << QStringLiteral("input polarity %1, output polarity %2, shape %3, cylinder code %4")
                 .arg(config >> 7)
                 .arg((config >> 6) & 1)
                 .arg(shapeName(config & 0x38))
                 .arg(config & 7);
    lines << QStringLiteral("first cell: %1 degrees, cut bit %2")
                 .arg((at(frame, 0) & 0x7F) / 2.0)
                 .arg(at(frame, 0) >> 7);
    return lines;
}

QString frameAsHex(const QByteArray& frame) {
    QString text;
    for (int row = 0; row * 16 < frame.size(); ++row) {
        QStringList bytes;
        for (int i = row * 16; i < qMin(row * 16 + 16, int(frame.size())); ++i)
            bytes << QStringLiteral("%1").arg(at(frame, i), 2, 16, QLatin1Char('0')).toUpper();
        text += bytes.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray frameFromPackets(const QByteArray& received, QStringList& problems) {
    QByteArray frame;
    for (int i = 0; i + 2 < received.size(); i += 3) {
        if (at(received, i + 1) != 0xFF || at(received, i + 2) != 0xFF)
            problems << QStringLiteral("packet %1 is %2 %3 %4, not (byte, FF, FF)")
                            .arg(i / 3)
                            .arg(at(received, i))
                            .arg(at(received, i + 1))
                            .arg(at(received, i + 2));
        frame.append(received.at(i));
    }
    if (received.size() % 3 != 0)
        problems << QStringLiteral("%1 bytes after the last whole packet").arg(received.size() % 3);
    if (frame.size() != 256)
        problems << QStringLiteral("%1 packets instead of 256").arg(frame.size());
    return frame;
}
