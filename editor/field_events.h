#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

// Turns the Qt events of text fields into the ones the editor reacts to: a click
// (mouse button released over an enabled field, or the field reached with Tab), a key
// going down (with its Windows virtual-key code, which the trace log records), and a
// real gain or loss of the focus. Focus that moves only because another window (a
// message or input box) became active is neither: the field keeps its focus when that
// window closes.
class FieldEvents : public QObject {
  public:
    struct Handlers {
        std::function<void(QLineEdit*)> clicked;
        // Returns true when the key was handled and must not reach the field.
        std::function<bool(QLineEdit*, int keyCode)> keyDown;
        std::function<void(QLineEdit*)> focusLost;
        std::function<void(QLineEdit*)> focusGained;
    };

    FieldEvents(Handlers handlers, QObject* parent);
    void watch(QLineEdit* field);

    static int virtualKeyCode(int qtKey, bool keypad);
    // End, then Shift+Home: the whole text selected, anchored at its end.
    static void selectWholeText(QLineEdit* field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool movesBetweenFields(Qt::FocusReason reason);

    Handlers m_handlers;
};
