#pragma once

#include "core/local_text.h"
#include "core/map_document.h"
#include "core/outcome.h"

#include <QByteArray>
#include <QString>

// The map file: one value per CR LF line in the Central European code page, starting
// with the magic line "kelvor310". Which lines follow depends on values read before
// them (load unit, shape, coil control, input dwell), so there are no counts.

// Fails, naming the field, when a value that is stored scaled (cells, spark and charge
// time) is no number in the locale's notation, or a one-line text holds a line break.
Outcome<QByteArray, LocalText> writeMapFile(const MapDocument& document,
                                            const QString& decimalSeparator);

// Reads a file into a copy of `base`, all or nothing: any line that is missing or not
// what its place requires fails the whole read and `base` stays as it was. A file that
// ends between two rows is complete: the later rows keep the values of `base`. Values
// the file does not hold (the pressure of a non-bar file, the fields of the other coil
// mode) keep the values of `base` as well.
Outcome<MapDocument> readMapFile(const QByteArray& bytes, const MapDocument& base,
                                 const QString& decimalSeparator);

inline constexpr const char* kMapFileMagic = "kelvor310";
