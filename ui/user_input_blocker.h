#pragma once

#include <QObject>

class QWidget;

// While it exists, no keyboard or mouse input and no close request reaches `window` or
// any widget on it; painting goes on. Other windows (a message box) stay usable. Two
// things are noted for later rather than forgotten: a close request of the window and a
// left-button press on `heldButton`.
class UserInputBlocker : public QObject {
    Q_OBJECT
  public:
    UserInputBlocker(QWidget* window, const QWidget* heldButton);
    ~UserInputBlocker() override;

    bool closeRequested() const { return m_closeRequested; }
    bool heldButtonPressed() const { return m_heldButtonPressed; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void note(const QObject* watched, const QEvent* event);

    QWidget* m_window;
    const QWidget* m_heldButton;
    bool m_closeRequested = false;
    bool m_heldButtonPressed = false;
};
