#include "ui/window_fit.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

void fitFormToScreen(QMainWindow& window, QWidget* form, QSize designed) {
    // The title bar is not part of the window's own size but must fit on the screen too.
    const QSize available = window.screen()->availableGeometry().size() -
                            QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (designed.width() <= available.width() && designed.height() <= available.height()) {
        window.setCentralWidget(form);
        window.setFixedSize(designed);
        return;
    }
    // A scroll bar along one side takes room the other side then lacks.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize fitted = designed.boundedTo(available);
    if (fitted.height() < designed.height())
        fitted.setWidth(qMin(designed.width() + bar, available.width()));
    if (fitted.width() < designed.width())
        fitted.setHeight(qMin(designed.height() + bar, available.height()));

    auto* area = new QScrollArea(&window);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(form);
    window.setCentralWidget(area);
    window.setFixedSize(fitted);
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (now && area->widget()->isAncestorOf(now))
            scrollToShow(*area, now);
    });
}

void scrollToShow(QScrollArea& area, const QWidget* control) {
    const QRect rect(control->mapTo(area.widget(), QPoint()), control->size());
    area.ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 1,
                       rect.height() / 2 + 1);
}
