#include "platform/paint/ImageList.h"

#include <gtest/gtest.h>

#include <QIconEngine>
#include <QPainter>
#include <QSignalSpy>

#include "CanvasImage.h"

namespace vx {
namespace {

// A vector picture: a black square whose edges fall on half pixels, drawn
// antialiased, so only a rendering at the surface's own ratio has no grey
// fringe on a 2x surface.
class SquareEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillRect(QRectF(rect.x() + 2, rect.y() + 2, 4.5, 4.5), Qt::black);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new SquareEngine; }
};

QPixmap Filled(int w, int h, QColor color) {
    QPixmap picture(w, h);
    picture.fill(color);
    return picture;
}

bool IsGrey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

TEST(ImageListTest, VectorIconIsRenderedAtThePaintersPixelRatio) {
    TImageList images(8, 8);
    ASSERT_EQ(images.Add(QIcon(new SquareEngine)), 0);

    // A 2x surface: the square covers device pixels 4..12 of the picture,
    // drawn at (1, 1), i.e. 6..14; every pixel is black or white.
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.setDevicePixelRatio(2);
    surface.fill(Qt::white);
    {
        QPainter painter(&surface);
        images.Draw(painter, 1, 1, 0);
    }
    int black = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb c = surface.pixel(x, y) | 0xFF000000u;
            const bool inside = x >= 6 && x < 15 && y >= 6 && y < 15;
            ASSERT_EQ(c, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
            black += inside;
        }
    }
    EXPECT_EQ(black, 81);

    const QImage bitmap = images.GetBitmap(0, 2);
    EXPECT_EQ(bitmap.size(), QSize(16, 16));
    EXPECT_EQ(bitmap.devicePixelRatio(), 2);
    EXPECT_EQ(qAlpha(bitmap.pixel(12, 12)), 255);
    EXPECT_EQ(qAlpha(bitmap.pixel(13, 13)), 0);

    // At 1x the half pixel is a half-covered, grey edge.
    const QImage single = images.GetBitmap(0);
    EXPECT_EQ(single.size(), QSize(8, 8));
    EXPECT_GT(qAlpha(single.pixel(6, 3)), 0);
    EXPECT_LT(qAlpha(single.pixel(6, 3)), 255);
}

TEST(ImageListTest, DrawsEnabledGreyedOrNothing) {
    TImageList images(4, 4);
    images.Add(Filled(8, 6, QColor(200, 0, 0)));  // scaled to the list's size
    QImage half(4, 4, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    half.setPixel(0, 0, qRgb(0, 0, 255));
    images.Add(QPixmap::fromImage(half));
    images.Add(QIcon());

    test::CanvasImage image(12, 6);
    image.Paint([&](Canvas& canvas) {
        canvas.MoveOrigin(1, 1);
        images.Draw(canvas, 0, 0, 0);         // red at (1, 1)..(4, 4)
        images.Draw(canvas, 5, 0, 0, false);  // greyed at (6, 1)..(9, 4)
        images.Draw(canvas, 0, 0, -1);
        images.Draw(canvas, 0, 0, images.Count());
        images.Draw(canvas, 0, 0, 2);  // a null icon
    });
    EXPECT_EQ(image.InkBox(), QRect(1, 1, 9, 4));
    EXPECT_EQ(image.At(1, 1), qRgb(200, 0, 0));
    EXPECT_EQ(image.At(4, 4), qRgb(200, 0, 0));
    EXPECT_EQ(image.At(5, 2), qRgb(255, 255, 255));
    const QRgb grey = image.At(6, 1);
    EXPECT_TRUE(IsGrey(grey));
    EXPECT_EQ(qRed(grey), 128 + qGray(qRgb(200, 0, 0)) / 2);
    EXPECT_EQ(image.At(9, 4), grey);

    // Transparent parts stay transparent, greyed or not.
    test::CanvasImage seeThrough(4, 4);
    seeThrough.Paint([&](Canvas& canvas) { images.Draw(canvas, 0, 0, 1, false); });
    EXPECT_TRUE(IsGrey(seeThrough.At(0, 0)));
    EXPECT_NE(seeThrough.At(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(seeThrough.CountNot(qRgb(255, 255, 255)), 1);

    EXPECT_TRUE(images.GetBitmap(-1).isNull());
    EXPECT_TRUE(images.GetBitmap(3).isNull());
    EXPECT_TRUE(images.GetIcon(3).isNull());
    EXPECT_FALSE(images.GetIcon(0).isNull());
    EXPECT_TRUE(IsGrey(images.GetBitmap(0, 1, false).pixel(2, 2)));
}

TEST(ImageListTest, ChangesAreSignalled) {
    TImageList images(16, 16);
    QSignalSpy changed(&images, &TImageList::Changed);
    images.Clear();
    EXPECT_EQ(changed.count(), 0) << "clearing an empty list changes nothing";
    EXPECT_EQ(images.Add(Filled(16, 16, Qt::green)), 0);
    EXPECT_EQ(images.Add(QIcon(new SquareEngine)), 1);
    EXPECT_EQ(changed.count(), 2);
    images.Clear();
    EXPECT_EQ(images.Count(), 0);
    EXPECT_EQ(changed.count(), 3);
}

}  // namespace
}  // namespace vx
