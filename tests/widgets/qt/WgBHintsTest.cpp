// Balloon hints: a tool-tip request shows the balloon window instead of the
// desktop's tool tip, sized and placed by the balloon's rules, in its shape;
// it goes when the mouse leaves, and plain tool tips come back when the
// component goes.
#include "widgets/qt/WgBHints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace vx {
namespace {

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

class WgBHintsTest : public testing::Test {
  protected:
    void SetUp() override {
        SetSystemColors(DefaultSystemColors());
        window_.resize(400, 300);
        window_.move(300, 300);
        button_ = new QPushButton(QStringLiteral("B"), &window_);
        button_->setGeometry(100, 150, 24, 22);
        button_->setToolTip(QStringLiteral("OK"));
        window_.show();
    }
    // Asks for the button's tool tip with the mouse at `at` on it.
    bool AskForTip(QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, button_->mapToGlobal(at));
        return QApplication::sendEvent(button_, &help);
    }
    QWidget window_;
    QPushButton* button_ = nullptr;
};

TEST_F(WgBHintsTest, ATipShowsAsABalloonPointingAtASmallControlsCentre) {
    TWgBalloonHints hints;
    ASSERT_TRUE(AskForTip(QPoint(3, 4)));
    TWgCustomHintWindow* w = hints.HintWindow();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->HintText(), QStringLiteral("OK"));
    // A one-word tip still gets a window 55 wide.
    EXPECT_EQ(w->width(), 55);
    // Above and to the right of the button's centre, the pointer at its bottom.
    const QPoint centre = button_->mapToGlobal(QPoint(12, 11));
    EXPECT_EQ(w->CurrentCorner(), TWgHintCorner::hcUpperRight);
    EXPECT_EQ(w->geometry().left(), centre.x() - 10);
    EXPECT_EQ(w->geometry().bottom() + 1, centre.y());
}

TEST_F(WgBHintsTest, WithoutACentreThresholdThePointerGoesToTheMouse) {
    TWgBalloonHints hints;
    hints.SetCenterThreshold(0);
    AskForTip(QPoint(3, 4));
    const QPoint mouse = button_->mapToGlobal(QPoint(3, 4));
    EXPECT_EQ(hints.HintWindow()->geometry().left(), mouse.x() - 10);
    EXPECT_EQ(hints.HintWindow()->geometry().bottom() + 1, mouse.y());
}

TEST_F(WgBHintsTest, BalloonShapeAndOutline) {
    TWgBalloonHints hints;
    hints.SetColor(RGBColor(255, 255, 70));
    hints.SetFrameColor(clBlack);
    button_->setToolTip(QStringLiteral("A longer tip that wraps onto a second line"));
    AskForTip(QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    const QRegion shape = w->Shape();
    const int h = w->height();
    EXPECT_FALSE(shape.contains(QPoint(0, 0))) << "a rounded corner";
    EXPECT_TRUE(shape.contains(QPoint(4, 0)));
    EXPECT_TRUE(shape.contains(QPoint(11, h - 4))) << "the pointer";
    EXPECT_FALSE(shape.contains(QPoint(40, h - 1)));
    EXPECT_LE(w->width(), 100 + 6 + 8);
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 30, 0), Rgb(clBlack)) << "the outline";
    EXPECT_EQ(Px(img, 1, 2), Rgb(clBlack)) << "a corner pixel";
    EXPECT_EQ(Px(img, 10, h - 2), Rgb(clBlack)) << "the pointer's side";
    EXPECT_EQ(Px(img, 15, h - 21), Rgb(RGBColor(255, 255, 70)))
        << "the body's edge is open where the pointer joins it";
    EXPECT_EQ(Px(img, 50, h - 21), Rgb(clBlack));
}

TEST_F(WgBHintsTest, APlainHintIsAFramedRectangle) {
    TWgBalloonHints hints;
    hints.SetShowBalloon(false);
    hints.SetFrameColor(clBlack);
    AskForTip(QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    EXPECT_EQ(w->CurrentCorner(), TWgHintCorner::hcLowerRight);
    EXPECT_TRUE(w->mask().isEmpty());
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 0, 0), Rgb(clBlack));
    EXPECT_EQ(Px(img, w->width() - 1, w->height() - 1), Rgb(clBlack));
    EXPECT_EQ(Px(img, 1, 1), Rgb(clInfoBk));
    // No pointer band: text height plus the frame.
    EXPECT_LT(w->height(), 30);
}

TEST_F(WgBHintsTest, NearTheScreensRightEdgeTheBalloonTurnsLeft) {
    TWgBalloonHints hints;
    hints.SetCenterThreshold(0);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window_.move(screen.right() - 140, 300);
    button_->move(110, 150);
    QApplication::processEvents();
    AskForTip(QPoint(20, 4));
    const QPoint mouse = button_->mapToGlobal(QPoint(20, 4));
    if (mouse.x() + 45 <= screen.right()) GTEST_SKIP() << "the window was not placed at the edge";
    EXPECT_EQ(hints.HintWindow()->CurrentCorner(), TWgHintCorner::hcUpperLeft);
    EXPECT_EQ(hints.HintWindow()->geometry().right() + 1, mouse.x() - 1);
}

TEST_F(WgBHintsTest, TheTipGoesWhenTheMouseLeavesAndPlainTipsComeBack) {
    auto hints = std::make_unique<TWgBalloonHints>();
    AskForTip(QPoint(3, 4));
    ASSERT_TRUE(hints->HintWindow()->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button_, &leave);
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    AskForTip(QPoint(3, 4));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(button_, &key);
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    // Tool tips without text show nothing.
    button_->setToolTip(QString());
    AskForTip(QPoint(3, 4));
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    hints.reset();
    button_->setToolTip(QStringLiteral("OK"));
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 4), button_->mapToGlobal(QPoint(3, 4)));
    QApplication::sendEvent(button_, &help);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TWgCustomHintWindow*>(w), nullptr);
}

TEST_F(WgBHintsTest, TheProgramsEventsAndPicturesShapeTheHint) {
    TWgBalloonHints hints;
    hints.OnShowHint = [](QString& text, bool&, QWidget*) { text = QStringLiteral("Changed"); };
    hints.SetOnSetHintWinSize([](Canvas&, TWgHintCorner, const QString&, int& w, int& h) {
        w = 20;
        h = 60;
    });
    AskForTip(QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    EXPECT_EQ(w->HintText(), QStringLiteral("Changed"));
    EXPECT_EQ(w->size(), QSize(55, 60)) << "still 55 wide";
    int rects = 0;
    hints.SetOnSetHintRect([&](Canvas&, TWgHintCorner, const QString&, TRect&) { ++rects; });
    AskForTip(QPoint(3, 4));
    EXPECT_GT(rects, 0);
    // A picture of one corner stands for the others mirrored; its
    // transparent colour shows the fill.
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(ToQColor(clRed));
    for (int x = 0; x < 20; ++x)
        picture.setPixel(x, 0, ToQColor(clOlive).rgb());
    hints.Bitmaps().lowerRight = picture;
    hints.SetColor(clAqua);
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 27, 30), Rgb(clRed));
    EXPECT_EQ(Px(img, 27, w->height() - 1), Rgb(clAqua)) << "the mirrored transparent row";
    // The program may stop the hint.
    hints.OnShowHint = [](QString&, bool& show, QWidget*) { show = false; };
    AskForTip(QPoint(3, 4));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WgBHintsTest, MovingOffTheSpotEndsTheHintAndPressesGoOnToTheControl) {
    TWgBalloonHints hints;
    AskForTip(QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    ASSERT_TRUE(w->isVisible());
    // Within 2 pixels of where the hint was asked for it stays.
    auto moveTo = [&](QPoint global) {
        const QPoint local = w->mapFromGlobal(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    const QPoint spot = button_->mapToGlobal(QPoint(3, 4));
    moveTo(spot + QPoint(2, -2));
    EXPECT_TRUE(w->Tracking());
    moveTo(spot + QPoint(3, 0));
    EXPECT_FALSE(w->Tracking());
    EXPECT_FALSE(w->isVisible());

    // A press on the hint reaches the control, at its place there, and ends the hint.
    AskForTip(QPoint(3, 4));
    struct Presses : QObject {
        QList<QPoint> at;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress)
                at << static_cast<QMouseEvent*>(e)->position().toPoint();
            return false;
        }
    } presses;
    button_->installEventFilter(&presses);
    const QPoint inside(w->width() / 2, w->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, w->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    EXPECT_EQ(presses.at, QList<QPoint>{button_->mapFromGlobal(w->mapToGlobal(inside))});
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace vx
