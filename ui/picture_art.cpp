#include "ui/picture_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap PictureArt::hungarianFlag() {
    QPixmap pixmap = blank(41, 31);
    QPainter p(&pixmap);
    const int stripe = pixmap.height() / 3;
    p.fillRect(0, 0, pixmap.width(), stripe, QColor(205, 42, 62));
    p.fillRect(0, 2 * stripe, pixmap.width(), pixmap.height() - 2 * stripe, QColor(67, 111, 77));
    return pixmap;
}

// A blue field with white-edged red diagonals and a white-edged red cross.
QPixmap PictureArt::englishFlag() {
    QPixmap pixmap = blank(46, 30);
    const qreal w = pixmap.width();
    const qreal h = pixmap.height();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(pixmap.rect(), QColor(1, 33, 105));

    const QLineF diagonals[] = {QLineF(0, 0, w, h), QLineF(0, h, w, 0)};
    p.setPen(QPen(Qt::white, h / 5, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& line : diagonals)
        p.drawLine(line);
    p.setPen(QPen(QColor(200, 16, 46), h / 15, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& line : diagonals)
        p.drawLine(line);

    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal white = h / 3;
    p.fillRect(QRectF((w - white) / 2, 0, white, h), Qt::white);
    p.fillRect(QRectF(0, (h - white) / 2, w, white), Qt::white);
    const qreal red = h / 5;
    p.fillRect(QRectF((w - red) / 2, 0, red, h), QColor(200, 16, 46));
    p.fillRect(QRectF(0, (h - red) / 2, w, red), QColor(200, 16, 46));
    return pixmap;
}

// The wordmark on a dark band, with a small spark beside it.
QPixmap PictureArt::logo() {
    QPixmap pixmap = blank(247, 62);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, pixmap.height());
    band.setColorAt(0, QColor(24, 40, 72));
    band.setColorAt(1, QColor(8, 16, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(pixmap.rect()).adjusted(1, 1, -1, -1), 8, 8);

    QPainterPath spark;
    spark.moveTo(26, 6);
    spark.lineTo(14, 33);
    spark.lineTo(24, 33);
    spark.lineTo(18, 56);
    spark.lineTo(36, 25);
    spark.lineTo(26, 25);
    spark.lineTo(34, 6);
    spark.closeSubpath();
    p.setBrush(QColor(255, 190, 40));
    p.drawPath(spark);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(44, 0, pixmap.width() - 50, pixmap.height()), Qt::AlignCenter,
               QStringLiteral("KELVOR-310"));
    return pixmap;
}
