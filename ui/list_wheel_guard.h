#pragma once

#include <QObject>

class QWidget;

// No list under `root` takes the mouse wheel, nor the focus from it: a turned wheel would
// change a setting the user never chose. The wheel goes on to the widget beneath the list
// instead (the table scrolls under a cut list; elsewhere nothing happens). A list still
// changes when it is opened, or focused and used with the keyboard.
class ListWheelGuard : public QObject {
  public:
    explicit ListWheelGuard(QWidget* root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
