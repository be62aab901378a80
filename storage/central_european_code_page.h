#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit Central European code page of map files, which holds the Hungarian
// letters. Qt's own converters do not offer it everywhere, and its upper half is a
// small fixed table.
class CentralEuropeanCodePage {
  public:
    static QString decode(const QByteArray& bytes);
    // Characters the code page lacks are written as "?".
    static QByteArray encode(const QString& text);
    // Those characters of `text`, each once, in the order they first appear.
    static QString missing(const QString& text);
};
