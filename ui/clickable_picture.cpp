#include "ui/clickable_picture.h"

#include <QMouseEvent>

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
    setBorder(false);
}

void ClickablePicture::setBorder(bool on) {
    setFrameShape(on ? QFrame::Box : QFrame::NoFrame);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
}

// The design reacts on mouse-button-down, not on release.
void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}
