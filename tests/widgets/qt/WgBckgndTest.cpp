// The background control: its layers' switches, the gradient inside its
// frame, texture tiling, picture centring and filling, by pixels.
#include "widgets/qt/WgBckgnd.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <set>

#include "widgets/qt/WgPanel.h"

namespace vx {
namespace {

using enum TImageStyle;

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

QImage Solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class WgBckgndTest : public testing::Test {
  protected:
    void SetUp() override {
        SetSystemColors(DefaultSystemColors());
        parent_.resize(300, 200);
        parent_.SetBorderOuter(TFrameStyle::fsNone);
        parent_.SetColor(clLime);
        bg_ = new TWgBackground(&parent_);
    }
    TWgPanel parent_;
    TWgBackground* bg_ = nullptr;
};

TEST_F(WgBckgndTest, TextureAndGradientExcludeEachOther) {
    EXPECT_TRUE(bg_->ShowGradient());
    EXPECT_FALSE(bg_->ShowTexture());
    bg_->SetShowTexture(true);
    EXPECT_FALSE(bg_->ShowGradient());
    bg_->SetShowGradient(true);
    EXPECT_FALSE(bg_->ShowTexture());
    bg_->SetShowGradient(false);
    EXPECT_TRUE(bg_->ShowTexture());
    bg_->SetShowGradient(true);
    bg_->SetShowImage(true);
    bg_->SetShowGradient(false);
    EXPECT_FALSE(bg_->ShowTexture()) << "the picture shows instead";
}

TEST_F(WgBckgndTest, ColoursCompareByTheirRgbValue) {
    bg_->SetGradientColorStart(clBlue);
    bg_->SetGradientColorStart(RGBColor(0, 0, 255));
    EXPECT_EQ(bg_->GradientColorStart(), clBlue);
    bg_->SetGradientColorStop(clWindow);
    bg_->SetGradientColorStop(clWhite);  // the window colour is white here
    EXPECT_EQ(bg_->GradientColorStop(), clWindow);
}

TEST_F(WgBckgndTest, GradientFromTopToBottomInsideALoweredFrame) {
    // The about box's background.
    bg_->setGeometry(0, 0, 368, 210);
    bg_->SetFrameStyle(TFrameStyle::fsLowered);
    bg_->SetGradientColorStart(clWhite);
    bg_->SetGradientColorStop(RGBColor(0, 221, 221));
    const QImage img = bg_->PaintedImage();
    EXPECT_EQ(Px(img, 0, 100), Rgb(clBtnShadow));
    EXPECT_EQ(Px(img, 1, 100), Rgb(cl3DDkShadow));
    EXPECT_EQ(Px(img, 367, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(img, 366, 100), Rgb(cl3DLight));
    // The layers start two pixels in: their first row is the start colour.
    EXPECT_EQ(Px(img, 100, 2), Rgb(clWhite));
    EXPECT_LT(qRed(Px(img, 100, 206)), 20);
    EXPECT_GT(qGreen(Px(img, 100, 206)), 210);
    EXPECT_LT(qRed(Px(img, 100, 150)), qRed(Px(img, 100, 50)));
}

TEST_F(WgBckgndTest, ALowBackgroundIsASolidBarOfTheStartColour) {
    bg_->setGeometry(0, 0, 200, 3);
    bg_->SetGradientColorStart(clRed);
    bg_->SetGradientColorStop(clBlue);
    const QImage img = bg_->PaintedImage();
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(Px(img, 150, y), Rgb(clRed));
}

TEST_F(WgBckgndTest, SmoothFactorWidensTheBandsAndInactiveShowsTheParent) {
    // The number of colours down one column of a black to white gradient.
    const struct {
        bool active;
        std::uint8_t smooth;
        int colours;
    } cases[] = {{true, 1, 40}, {true, 9, 2}, {false, 1, 1}};
    bg_->setGeometry(0, 0, 20, 40);
    bg_->SetGradientColorStart(clBlack);
    bg_->SetGradientColorStop(clWhite);
    for (const auto& c : cases) {
        bg_->SetActive(c.active);
        bg_->SetGradientSmoothFactor(c.smooth);
        const QImage img = bg_->PaintedImage();
        std::set<QRgb> seen;
        for (int y = 0; y < 40; ++y)
            seen.insert(Px(img, 10, y));
        EXPECT_EQ(int(seen.size()), c.colours) << c.active << " " << int(c.smooth);
        if (!c.active) {
            EXPECT_EQ(Px(img, 10, 20), Rgb(clLime));
        }
    }
}

TEST_F(WgBckgndTest, TextureIsTiledFromTheTopLeft) {
    bg_->setGeometry(0, 0, 50, 30);
    QImage tile = Solid(4, 3, Qt::white);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    bg_->SetTexture(tile);
    bg_->SetShowTexture(true);
    const QImage img = bg_->PaintedImage();
    EXPECT_EQ(Px(img, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 4, 3), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 48, 27), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 49, 28), qRgb(255, 255, 255));
}

TEST_F(WgBckgndTest, PictureIsCentredOverTheParent) {
    bg_->setGeometry(10, 10, 50, 30);
    bg_->SetImage(Solid(10, 10, Qt::red));
    bg_->SetShowImage(true);
    bg_->SetShowGradient(false);
    const QImage img = bg_->PaintedImage();
    EXPECT_EQ(Px(img, 20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 29, 19), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 19, 10), Rgb(clLime)) << "no layer here: the parent shows";
    EXPECT_EQ(Px(img, 30, 20), Rgb(clLime));
}

TEST_F(WgBckgndTest, FilledPictureKeepsItsAspectAtTheTopLeft) {
    bg_->setGeometry(0, 0, 60, 60);
    bg_->SetGradientColorStart(clBlue);
    bg_->SetGradientColorStop(clBlue);
    bg_->SetImage(Solid(20, 10, Qt::red));
    bg_->SetImageStyle(isFill);
    bg_->SetShowImage(true);
    const QImage img = bg_->PaintedImage();
    EXPECT_EQ(Px(img, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 59, 29), qRgb(255, 0, 0));
    EXPECT_EQ(Px(img, 59, 30), Rgb(clBlue)) << "the gradient shows below it";
    // A stretched picture covers everything; the gradient is not painted.
    bg_->SetImageStyle(isStretch);
    const QImage stretched = bg_->PaintedImage();
    EXPECT_EQ(Px(stretched, 59, 59), qRgb(255, 0, 0));
}

TEST_F(WgBckgndTest, MouseMovesAreReported) {
    bg_->setGeometry(0, 0, 100, 100);
    QSignalSpy moved(bg_, &TWgBackground::MouseMoved);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bg_, &move);
    EXPECT_EQ(moved.count(), 1);
}

}  // namespace
}  // namespace vx
