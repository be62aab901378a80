#include "ui/field_frame_cache.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <cmath>

namespace {
const char* const kFusion = "fusion";
// Far more than the window's looks; a palette that keeps changing cannot grow it for ever.
constexpr qsizetype kMostLooks = 256;
} // namespace

bool FieldFrameCache::Look::operator==(const Look& other) const {
    return size == other.size && state == other.state && lineWidth == other.lineWidth &&
           base == other.base && window == other.window && highlight == other.highlight &&
           pixelRatio == other.pixelRatio;
}

size_t qHash(const FieldFrameCache::Look& look, size_t seed) {
    return qHashMulti(seed, look.size.width(), look.size.height(), look.state, look.lineWidth,
                      look.base, look.window, look.highlight, look.pixelRatio);
}

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
    const qreal ratio = painter->device()->devicePixelRatio();
    // A copy matches drawing in place only on whole device pixels, without a transform.
    if (element != PE_PanelLineEdit || !frame || !painter->transform().isIdentity() ||
        ratio != std::floor(ratio) || frame->palette.base().style() != Qt::SolidPattern) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& palette = frame->palette;
    const Look look{frame->rect.size(),
                    uint(frame->state),
                    frame->lineWidth,
                    palette.base().color().rgba(),
                    palette.window().color().rgba(),
                    palette.highlight().color().rgba(),
                    int(ratio)};
    auto found = m_frames.constFind(look);
    if (found == m_frames.cend()) {
        QPixmap picture(look.size * look.pixelRatio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter onPicture(&picture);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
        onPicture.end();
        if (m_frames.size() >= kMostLooks)
            m_frames.clear();
        found = m_frames.insert(look, picture);
    }
    painter->drawPixmap(frame->rect.topLeft(), *found);
}
