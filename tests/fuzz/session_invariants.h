#pragma once

#include "core/form_state.h"
#include "core/map_document.h"

#include <QByteArray>
#include <QList>
#include <QMap>

class MainWindow;

struct OutOfRange {
    QString field; // the widget's name, or "load axis"
    QString value;
};

// The shown values that their fields would refuse, named by widget, unchecked texts among
// them. (The document's own validation names no widgets and leaves texts that are no
// number to the frame's conversion; it judges the frames.)
QList<OutOfRange> refusedValues(const MapDocument& document, const FormState& form);

// What must hold whenever the window is at rest. Each check answers the empty text, or the
// failure as "kind: details".
class SessionInvariants {
  public:
    explicit SessionInvariants(MainWindow& window) : m_window(window) {}

    // Every shown value passes its checks, is being typed in the focused field, or came out
    // of range from a file whose load said so.
    QString shownValues() const;
    // After an open dialog answered with `path`: a load with values out of range reports them.
    QString afterLoad(const QString& path, bool reported);
    // The file the window wrote reads back to the document it shows.
    QString savedFile(const QString& path) const;
    // A frame goes out only from values that pass the document's validation, and is the
    // frame of those values.
    QString sentFrame(const MapDocument& from, const QByteArray& sent) const;

  private:
    MainWindow& m_window;
    QMap<QString, QString> m_loadedOutOfRange;
};
