#pragma once

#include <QGroupBox>

// A panel of the form: a thin rounded outline whose caption sits in the top line, left,
// with the line broken around it. Drawn here rather than by a style sheet: a sheet on the
// form makes every field under it paint through the style sheet machinery, which cost a
// loaded map a fifth of its repaint.
class DesignPanel : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
