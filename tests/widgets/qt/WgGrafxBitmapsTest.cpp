// Bitmap routines, the parent's image and the window helpers of the widget
// family.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/paint/CanvasImage.h"
#include "platform/qt/CustomControl.h"
#include "support/QtWait.h"
#include "support/QuarteredControl.h"
#include "widgets/qt/WgGrafx.h"

namespace vx {
namespace {

using test::CanvasImage;

constexpr QRgb kGround = qRgb(1, 2, 3);

QRgb Cell(int x, int y) {
    return qRgb(20 + 60 * x, 30 + 100 * y, 7);
}

// Paints a 3 x 2 picture of distinct colours at (x0, y0).
void PaintPicture(Canvas& c, int x0, int y0) {
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            c.SetPixel(x0 + x, y0 + y, RGBColor(qRed(Cell(x, y)), qGreen(Cell(x, y)), 7));
    }
}

TEST(WgBitmapsTest, ReplicateStripRepeatsThePaintedStripBothWays) {
    CanvasImage img(16, 12, kGround);
    img.Paint([](Canvas& c) {
        PaintPicture(c, 2, 1);
        ReplicateStrip(c, {2, 1}, CopyMode::SrcCopy, 3, 2, 10, 7);
    });
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(img.At(2 + x, 1 + y), Cell(x % 3, y % 2)) << x << "," << y;
    }
    EXPECT_EQ(img.InkBox(kGround), QRect(2, 1, 10, 7));
}

TEST(WgBitmapsTest, MirrorQuadrantCompletesASymmetricPicture) {
    for (auto [w, h] : {std::pair{6, 4}, std::pair{5, 3}}) {
        CanvasImage img(12, 10, kGround);
        // Named captures: Clang 14 cannot capture structured bindings.
        img.Paint([w = w, h = h](Canvas& c) {
            for (int y = 0; y < (h + 1) / 2; ++y) {
                for (int x = 0; x < (w + 1) / 2; ++x)
                    c.SetPixel(1 + x, 2 + y, RGBColor(10 + 40 * x, 10 + 50 * y, 99));
            }
            MirrorQuadrant(c, {1, 2}, CopyMode::SrcCopy, w, h);
        });
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int qx = x < (w + 1) / 2 ? x : w - 1 - x;
                const int qy = y < (h + 1) / 2 ? y : h - 1 - y;
                EXPECT_EQ(img.At(1 + x, 2 + y), qRgb(10 + 40 * qx, 10 + 50 * qy, 99))
                    << w << "x" << h << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(img.InkBox(kGround), QRect(1, 2, w, h));
    }
}

TEST(WgBitmapsTest, FlipAndTile) {
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            picture.setPixel(x, y, Cell(x, y));
    }
    QImage flipped = picture;
    FlipBitmapVertically(flipped);
    EXPECT_EQ(flipped.pixel(2, 0), Cell(2, 1));
    EXPECT_EQ(flipped.pixel(0, 1), Cell(0, 0));

    CanvasImage img(12, 8, kGround);
    img.Paint([&](Canvas& c) { TileBitmap(c, picture, {1, 1, 8, 6}); });
    EXPECT_EQ(img.At(7, 5), Cell(0, 0));
    EXPECT_EQ(img.At(6, 4), Cell(2, 1));
    EXPECT_EQ(img.InkBox(kGround), QRect(1, 1, 7, 5));
}

TEST(WgBitmapsTest, StretchTransparentBitmapShowsTheCanvasThroughItsColour) {
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.fill(qRgb(255, 0, 255));
    bitmap.setPixel(0, 0, qRgb(0, 0, 200));
    bitmap.setPixel(1, 1, qRgb(0, 200, 0));
    CanvasImage img(12, 12, kGround);
    img.Paint([&](Canvas& c) {
        StretchTransparentBitmap(c, {0, 0, 4, 4}, bitmap, {0, 0, 2, 2}, clFuchsia);
        StretchTransparentBitmap(c, {10, 6, 6, 10}, bitmap, {0, 0, 2, 2}, clFuchsia);  // mirrored
    });
    EXPECT_EQ(img.At(1, 1), qRgb(0, 0, 200));
    EXPECT_EQ(img.At(3, 3), qRgb(0, 200, 0));
    EXPECT_EQ(img.At(3, 0), kGround) << "the transparent colour";
    EXPECT_EQ(img.At(0, 3), kGround);
    EXPECT_EQ(img.At(9, 6), qRgb(0, 0, 200)) << "mirrored left to right";
    EXPECT_EQ(img.At(6, 9), qRgb(0, 200, 0));
    EXPECT_EQ(img.At(6, 6), kGround);
    EXPECT_EQ(img.Count(qRgb(255, 0, 255)), 0);
}

using test::Quartered;

TEST(WgParentImageTest, TheParentsPaintingUnderTheControlClippedToTheParent) {
    Quartered parent;
    parent.SetColor(clBlue);
    parent.resize(40, 40);
    auto* child = new TCustomControl(&parent);
    child->setGeometry(15, 30, 10, 20);  // across the red block's corner, half outside
    CanvasImage img(10, 20, kGround);
    img.Paint([&](Canvas& c) {
        c.brush.color = clLime;
        DrawParentImage(child, c);
        EXPECT_EQ(c.brush.color, clLime) << "the canvas as it was";
        EXPECT_EQ(c.ClipBox(), (TRect{0, 0, 10, 20}));
    });
    EXPECT_EQ(img.At(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.At(9, 9), qRgb(0, 0, 255));
    EXPECT_EQ(img.At(9, 10), kGround) << "below the parent: nothing";

    auto* onRed = new TCustomControl(&parent);
    onRed->setGeometry(18, 18, 4, 4);
    CanvasImage corner(4, 4, kGround);
    corner.Paint([&](Canvas& c) { DrawParentImage(onRed, c); });
    EXPECT_EQ(corner.At(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(corner.At(3, 3), qRgb(0, 0, 255));
}

TEST(WgParentImageTest, PlainWidgetsAndNoParent) {
    QWidget window;
    window.resize(50, 50);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(9, 8, 7));
    window.setPalette(palette);
    auto* plain = new QWidget(&window);
    plain->setGeometry(30, 30, 8, 8);
    CanvasImage img(8, 8, kGround);
    img.Paint([&](Canvas& c) { DrawParentImage(plain, c); });
    EXPECT_EQ(img.Count(qRgb(9, 8, 7)), 64);

    QWidget alone;
    CanvasImage untouched(4, 4, kGround);
    untouched.Paint([&](Canvas& c) { DrawParentImage(&alone, c); });
    EXPECT_EQ(untouched.CountNot(kGround), 0);
}

// Counts its paints.
class Counted : public QWidget {
  public:
    using QWidget::QWidget;
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(WgWindowHelpersTest, OnlyTransparentChildrenAreRepainted) {
    QWidget parent;
    parent.resize(100, 40);
    auto* clear = new Counted(&parent);
    clear->setGeometry(0, 0, 30, 30);
    clear->setProperty("Transparent", true);
    auto* solid = new Counted(&parent);
    solid->setGeometry(60, 0, 30, 30);
    solid->setProperty("Transparent", false);
    auto* plain = new Counted(&parent);
    plain->setGeometry(35, 0, 20, 30);
    parent.show();
    VX_WAIT_TRUE(clear->paints > 0 && solid->paints > 0 && plain->paints > 0, test::kStateWaitMs);
    clear->paints = solid->paints = plain->paints = 0;
    InvalidateTransparentChildren(&parent);
    VX_WAIT_TRUE(clear->paints > 0, test::kStateWaitMs);
    EXPECT_EQ(solid->paints, 0);
    EXPECT_EQ(plain->paints, 0);
}

TEST(WgWindowHelpersTest, RedrawWindowFrameRectRepaintsAVisibleWindow) {
    Counted window;
    window.resize(40, 40);
    RedrawWindowFrameRect(&window, {0, 0, 10, 10});  // hidden: nothing to do
    window.show();
    VX_WAIT_TRUE(window.paints > 0, test::kStateWaitMs);
    window.paints = 0;
    RedrawWindowFrameRect(&window, {0, 0, 10, 10});
    VX_WAIT_TRUE(window.paints > 0, test::kStateWaitMs);
}

}  // namespace
}  // namespace vx
