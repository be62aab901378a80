#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

// Fusion draws the frame of every text field with antialiased rounded outlines, and the
// window shows hundreds of fields: a new table shape or a loaded map spent a third of its
// repaint on them. This style draws each look and size of frame once and copies it after
// that; the pixels differ at most by a step of rounding in the antialiased corners.
class FieldFrameCache : public QProxyStyle {
  public:
    // Puts it over the application's style when that is Fusion, the style the window is
    // designed in; other styles may animate or draw per widget, so they are left alone.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Everything Fusion draws a field's frame from, besides the painter.
    struct Look {
        QSize size;
        uint state;
        int lineWidth;
        QRgb base, window, highlight;
        int pixelRatio;
        bool operator==(const Look& other) const;
    };

  private:
    using QProxyStyle::QProxyStyle;

    mutable QHash<Look, QPixmap> m_frames;
};

size_t qHash(const FieldFrameCache::Look& look, size_t seed = 0);
