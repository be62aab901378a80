#pragma once

#include <QLabel>

// A picture that reports mouse clicks; the flags show the current language with a
// single-line border.
class ClickablePicture : public QLabel {
    Q_OBJECT
  public:
    explicit ClickablePicture(QWidget* parent = nullptr);

    void setBorder(bool on);
    bool hasBorder() const { return frameShape() != QFrame::NoFrame; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
