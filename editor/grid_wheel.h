#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The mouse wheel over the grid rows (cells, row labels and the cut lists, whose own
// wheel handling is switched off) scrolls the table three rows a notch, as the scroll
// bar does, so a wheel turned over the table never changes a value.
class GridWheel : public QObject {
  public:
    GridWheel(QWidget* rows, std::function<void(int rows)> scroll);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(int rows)> m_scroll;
    int m_partialDelta = 0; // what a fine-grained wheel turned short of a whole row
};
