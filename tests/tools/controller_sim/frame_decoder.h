#pragma once

#include <QByteArray>
#include <QStringList>

// What the controller makes of a received frame, in words, so that a failing end-to-end
// test says which setting arrived wrong.
QStringList describeFrame(const QByteArray& frame);

// Sixteen lines of sixteen bytes in hexadecimal, as the frame command prints them.
QString frameAsHex(const QByteArray& frame);

// Splits the received bytes into packets (byte, 0xFF, 0xFF) and returns the frame bytes;
// every packet that is not well formed adds a line to `problems`.
QByteArray frameFromPackets(const QByteArray& received, QStringList& problems);
