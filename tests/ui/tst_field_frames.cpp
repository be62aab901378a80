#include "ui/field_frame_cache.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>
#include <QtTest>

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
        QVERIFY(dynamic_cast<FieldFrameCache*>(QApplication::style()));
        QWidget window;
        QLineEdit field(QStringLiteral("12.5"), &window);
        field.setGeometry(3, 3, 61, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto painted = [&field](QStyle* style) {
            field.setStyle(style);
            QImage image(field.size(), QImage::Format_ARGB32);
            image.fill(Qt::darkCyan);
            field.render(&image, {}, {}, QWidget::DrawChildren);
            return image;
        };
        QList<QImage> looks;
        for (int look = 0; look < 4; ++look) {
            QPalette palette = field.palette();
            palette.setColor(QPalette::Base, look == 1 ? QColor(255, 200, 200) : Qt::white);
            field.setPalette(palette);
            field.setEnabled(look != 2);
            look == 3 ? field.setFocus() : field.clearFocus();
            QCOMPARE(field.hasFocus(), look == 3);
            const QImage expected = painted(fusion.get()), cached = painted(QApplication::style());
            for (int i = 0; i < expected.width() * expected.height(); ++i) {
                const QRgb a = expected.pixel(i % expected.width(), i / expected.width());
                const QRgb b = cached.pixel(i % expected.width(), i / expected.width());
                QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                            qAbs(qBlue(a) - qBlue(b)) <=
                        3);
            }
            QVERIFY(looks.isEmpty() || expected != looks[0]);
            looks.append(expected);
        }
    }
};

QTEST_MAIN(FieldFramesTest)
#include "tst_field_frames.moc"
