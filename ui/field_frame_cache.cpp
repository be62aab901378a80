#include "ui/field_frame_cache.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <cmath>

namespace {

const char* const kFusion = "fusion";

// Everything Fusion's field frame is drawn from, besides the painter.
QString frameKey(const QStyleOptionFrame& frame, qreal pixelRatio) {
    const QPalette& palette = frame.palette;
    return QStringLiteral("kelvor-field-%1x%2-%3-%4-%5-%6-%7-%8")
        .arg(frame.rect.width())
        .arg(frame.rect.height())
        .arg(uint(frame.state))
        .arg(frame.lineWidth)
        .arg(palette.base().color().rgba())
        .arg(palette.window().color().rgba())
        .arg(palette.highlight().color().rgba())
        .arg(pixelRatio);
}

} // namespace

void FieldFrameCache::install() {
    if (dynamic_cast<FieldFrameCache*>(QApplication::style()) ||
        QApplication::style()->name().compare(QLatin1String(kFusion), Qt::CaseInsensitive) != 0)
        return;
    if (QStyle* fusion = QStyleFactory::create(QLatin1String(kFusion)))
        QApplication::setStyle(new FieldFrameCache(fusion));
}

void FieldFrameCache::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const qreal pixelRatio = painter->device()->devicePixelRatio();
    // A copy matches drawing in place only on whole device pixels, without a transform.
    if (element != PE_PanelLineEdit || !frame || !painter->transform().isIdentity() ||
        pixelRatio != std::floor(pixelRatio) || frame->palette.base().style() != Qt::SolidPattern) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString key = frameKey(*frame, pixelRatio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(frame->rect.size() * pixelRatio);
        picture.setDevicePixelRatio(pixelRatio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter onPicture(&picture);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(frame->rect.topLeft(), picture);
}
