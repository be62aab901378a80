#pragma once

#include <QObject>

class QWidget;

// While it exists, no keyboard or mouse input and no close request reaches `window` or
// any widget on it; painting goes on. Other windows (a message box) stay usable.
class UserInputBlocker : public QObject {
    Q_OBJECT
public:
    explicit UserInputBlocker(QWidget* window);
    ~UserInputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
