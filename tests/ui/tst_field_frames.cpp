#include "ui/field_frame_cache.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QtTest>

namespace {
QImage painted(QLineEdit& field, QStyle& style) {
    field.setStyle(&style);
    QImage image(field.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkCyan);
    field.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The largest difference of any colour channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}
} // namespace

class FieldFramesTest : public QObject {
    Q_OBJECT
  private slots:
    // Each look of a field (its colours, enabled or not, focused or not) is drawn as Fusion
    // draws it, to within the rounding of the antialiased corners, also after another look
    // of the same size was drawn from the cache.
    void framesLookAsFusionDrawsThem() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        QApplication::setStyle(QStringLiteral("fusion"));
        FieldFrameCache::install();
        QStyle& cached = *QApplication::style();
        QVERIFY(dynamic_cast<FieldFrameCache*>(&cached));

        QWidget window;
        QLineEdit field(QStringLiteral("12.5"), &window);
        field.setGeometry(3, 3, 61, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<QImage> looks;
        for (int look = 0; look < 4; ++look) {
            QPalette palette = field.palette();
            palette.setColor(QPalette::Base, look == 1 ? QColor(255, 200, 200) : Qt::white);
            field.setPalette(palette);
            field.setEnabled(look != 2);
            look == 3 ? field.setFocus() : field.clearFocus();
            QCOMPARE(field.hasFocus(), look == 3);
            QCoreApplication::processEvents();
            const QImage expected = painted(field, *fusion);
            QVERIFY(largestDifference(painted(field, cached), expected) <= 1);
            looks.append(expected);
        }
        for (int look = 1; look < 4; ++look)
            QVERIFY(looks[look] != looks[0]);
    }
};

QTEST_MAIN(FieldFramesTest)
#include "tst_field_frames.moc"
