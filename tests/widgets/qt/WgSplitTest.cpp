// The size panel in a parent: its setters' rules, dragging its bar within
// the limits, the inverted bar while dragging, Escape, and collapsing and
// restoring by the hot spot; its bar and hot spot by pixels.
#include "widgets/qt/WgSplit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <stdexcept>

#include "platform/qt/AlignHost.h"
#include "support/PaintedRegion.h"
#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgSizeBarOverlay.h"
#include "widgets/qt/WgSplitCursors.h"

namespace vx {
namespace {

using enum TAlign;

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Press(QWidget* w, QPoint at) {
    Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
}
void MoveHeld(QWidget* w, QPoint at) {
    Mouse(w, QEvent::MouseMove, at, Qt::LeftButton);
}
void Release(QWidget* w, QPoint at) {
    Mouse(w, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
void Click(QWidget* w, QPoint at) {
    Press(w, at);
    Release(w, at);
}
QPoint Centre(const TRect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class WgSplitTest : public testing::Test {
  protected:
    void SetUp() override {
        SetSystemColors(DefaultSystemColors());
        parent_.resize(600, 400);
        TAlignHost::Attach(&parent_);
        panel_ = new TWgSizePanel(&parent_);
        panel_->SetBounds(0, 0, 150, 400);
        panel_->SetHotSpotVisible(true);
        auto* rest = new QWidget(&parent_);
        SetWidgetAlign(rest, alClient);
        parent_.show();
    }
    TRect Bar() const { return panel_->SizeBarRect(); }
    QPoint OnBarOutsideHotSpot() const { return QPoint((Bar().left + Bar().right) / 2, 10); }
    TWgSizeBarOverlay* Overlay() const { return parent_.findChild<TWgSizeBarOverlay*>(); }

    QWidget parent_;
    TWgSizePanel* panel_ = nullptr;
};

TEST_F(WgSplitTest, StylesAndTheHotSpotWidenTheBar) {
    TWgSizePanel p;
    EXPECT_EQ(p.Align(), alLeft);
    EXPECT_EQ(p.BorderOuter(), TFrameStyle::fsNone);
    EXPECT_EQ(p.SizeBarWidth(), 4);
    p.SetSizeBarStyle(TSplitterStyle::ssGroove);
    EXPECT_EQ(p.SizeBarWidth(), 6);
    p.SetHotSpotVisible(true);
    EXPECT_EQ(p.SizeBarWidth(), 7);
    p.SetSizeBarWidth(9);
    p.SetHotSpotVisible(false);
    p.SetHotSpotVisible(true);
    EXPECT_EQ(p.SizeBarWidth(), 9);
}

TEST_F(WgSplitTest, MarginsCanBeSetBeforeThePanelHasAParent) {
    TWgSizePanel p;
    p.SetMarginMin(30);
    p.SetMarginMax(40);
    EXPECT_EQ(p.MarginMin(), 30);
    EXPECT_EQ(p.MarginMax(), 40);
    p.SetMarginMin(-5);
    EXPECT_EQ(p.MarginMin(), 0);
    EXPECT_THROW((void)p.FreeArea(), std::logic_error);
}

TEST_F(WgSplitTest, MarginsTogetherNeverExceedWhatThePanelCouldReach) {
    panel_->SetMarginMax(500);
    EXPECT_EQ(panel_->MarginMax(), 500);
    panel_->SetMarginMin(300);
    EXPECT_EQ(panel_->MarginMin(), 100);  // 600 - 500
    panel_->SetMarginMax(-1);
    EXPECT_EQ(panel_->MarginMax(), 0);
}

TEST_F(WgSplitTest, ChildrenStayOffTheBar) {
    auto* child = new QWidget(panel_);
    child->show();
    SetWidgetAlign(child, alClient);
    EXPECT_EQ(child->geometry(), QRect(0, 0, 150 - 7 - 1, 400));
    panel_->SetAlign(alRight);
    EXPECT_EQ(child->geometry(), QRect(8, 0, 150 - 8, 400));
}

TEST_F(WgSplitTest, DraggingTheBarResizesThePanelOnRelease) {
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    ASSERT_TRUE(panel_->Dragging());
    ASSERT_NE(Overlay(), nullptr);
    EXPECT_TRUE(Overlay()->isVisible());
    MoveHeld(panel_, press + QPoint(100, 0));
    EXPECT_EQ(panel_->width(), 150) << "only the inverted bar moves while dragging";
    // The inverted bar stands where the bar will end: at the new width.
    EXPECT_EQ(Overlay()->geometry(), QRect(250 - 7, 0, 7, 400));
    Release(panel_, press + QPoint(100, 0));
    EXPECT_EQ(panel_->width(), 250);
    EXPECT_FALSE(Overlay()->isVisible());
}

TEST_F(WgSplitTest, DragStopsAtTheMargins) {
    panel_->SetMarginMin(20);
    panel_->SetMarginMax(100);
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    MoveHeld(panel_, press + QPoint(900, 0));
    Release(panel_, press + QPoint(900, 0));
    EXPECT_EQ(panel_->width(), 500);
    const QPoint again = OnBarOutsideHotSpot();
    Press(panel_, again);
    MoveHeld(panel_, again - QPoint(900, 0));
    Release(panel_, again - QPoint(900, 0));
    EXPECT_EQ(panel_->width(), 20 + 7 + 1);
}

TEST_F(WgSplitTest, EscapeEndsADragWithoutResizing) {
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    MoveHeld(panel_, press + QPoint(60, 0));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(panel_, &escape);
    EXPECT_FALSE(panel_->Dragging());
    EXPECT_FALSE(Overlay()->isVisible());
    Release(panel_, press + QPoint(60, 0));
    EXPECT_EQ(panel_->width(), 150);
}

TEST_F(WgSplitTest, TheInvertedBarInvertsEveryOtherPixel) {
    QImage under(4, 2, QImage::Format_RGB32);
    under.fill(qRgb(255, 255, 255));
    const QImage bar = TWgSizeBarOverlay::Inverted(under, QPoint(10, 5));
    EXPECT_EQ(bar.pixel(0, 0) | 0xFF000000u, qRgb(255, 255, 255));  // 15 is odd
    EXPECT_EQ(bar.pixel(1, 0) | 0xFF000000u, qRgb(0, 0, 0));
    EXPECT_EQ(bar.pixel(0, 1) | 0xFF000000u, qRgb(0, 0, 0));
    EXPECT_EQ(bar.pixel(1, 1) | 0xFF000000u, qRgb(255, 255, 255));
}

TEST_F(WgSplitTest, HotSpotCollapsesAndRestores) {
    int clicks = 0;
    panel_->OnHotSpotClick = [&] { ++clicks; };
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_TRUE(panel_->HotSpotClosed());
    EXPECT_EQ(panel_->width(), 8);
    EXPECT_EQ(panel_->HotSpotPosition(), 150);
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_FALSE(panel_->HotSpotClosed());
    EXPECT_EQ(panel_->width(), 150);
    EXPECT_EQ(clicks, 2);
}

TEST_F(WgSplitTest, CollapsingTwiceKeepsTheSizeToRestore) {
    panel_->CollapseToHotSpot();
    panel_->CollapseToHotSpot();
    EXPECT_EQ(panel_->HotSpotPosition(), 150);
    EXPECT_EQ(panel_->width(), 8);
    panel_->SetMarginMin(12);
    panel_->SetHotSpotVisible(false);
    EXPECT_FALSE(panel_->HotSpotClosed()) << "hiding the hot spot opens the state";
    EXPECT_EQ(panel_->width(), 8) << "without resizing";
    panel_->SetHotSpotVisible(true);
    panel_->CollapseToHotSpot();
    EXPECT_EQ(panel_->width(), 8 + 12);
    panel_->SetHotSpotClosed(false);
    panel_->SetHotSpotIgnoreMargins(true);
    panel_->CollapseToHotSpot();
    EXPECT_EQ(panel_->width(), 8);
}

TEST_F(WgSplitTest, DraggingACollapsedBarOutwardsOpensIt) {
    panel_->CollapseToHotSpot();
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    MoveHeld(panel_, press + QPoint(90, 0));
    EXPECT_FALSE(panel_->HotSpotClosed());
    Release(panel_, press + QPoint(90, 0));
    EXPECT_EQ(panel_->width(), 98);
    // The next hot-spot click collapses again.
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_TRUE(panel_->HotSpotClosed());
    EXPECT_EQ(panel_->HotSpotPosition(), 98);
}

TEST_F(WgSplitTest, ALockedBarOnlyTakesHotSpotClicks) {
    panel_->SetLockBar(true);
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    EXPECT_FALSE(panel_->Dragging());
    MoveHeld(panel_, press + QPoint(100, 0));
    Release(panel_, press + QPoint(100, 0));
    EXPECT_EQ(panel_->width(), 150);
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_TRUE(panel_->HotSpotClosed());
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_EQ(panel_->width(), 150);
}

TEST_F(WgSplitTest, TheHeldHotSpotFollowsTheMouse) {
    // Pressed on a locked bar's hot spot, the highlight shows whether a
    // release there still clicks it.
    panel_->SetLockBar(true);
    const QPoint hot = Centre(panel_->HotSpotRect());
    Mouse(panel_, QEvent::MouseMove, hot, Qt::NoButton);
    Press(panel_, hot);
    EXPECT_TRUE(panel_->HotSpotHot());
    MoveHeld(panel_, OnBarOutsideHotSpot());
    EXPECT_FALSE(panel_->HotSpotHot());
    MoveHeld(panel_, hot);
    EXPECT_TRUE(panel_->HotSpotHot());
}

TEST_F(WgSplitTest, BottomPanelCollapsesToItsBarAndDragsUpwards) {
    panel_->SetAlign(alBottom);
    panel_->SetBounds(0, 282, 600, 118);
    EXPECT_EQ(panel_->geometry(), QRect(0, 282, 600, 118));
    EXPECT_EQ(panel_->SizeBarRect(), (TRect{0, 0, 600, 7}));
    const QPoint press(20, 3);
    Press(panel_, press);
    MoveHeld(panel_, press - QPoint(0, 100));
    EXPECT_EQ(Overlay()->geometry(), QRect(0, 282 - 100 + 1, 600, 7));
    Release(panel_, press - QPoint(0, 100));
    EXPECT_EQ(panel_->geometry(), QRect(0, 182, 600, 218));
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_EQ(panel_->geometry(), QRect(0, 392, 600, 8));
    Click(panel_, Centre(panel_->HotSpotRect()));
    EXPECT_EQ(panel_->geometry(), QRect(0, 182, 600, 218));
}

TEST_F(WgSplitTest, TopPanelCollapsesToEightWithABarOfSeven) {
    panel_->SetAlign(alTop);
    panel_->SetBounds(0, 0, 600, 100);
    panel_->CollapseToHotSpot();
    EXPECT_EQ(panel_->height(), 8);
}

TEST_F(WgSplitTest, RealTimeDragResizesWhileMoving) {
    panel_->SetRealTimeDrag(true);
    const QPoint press = OnBarOutsideHotSpot();
    Press(panel_, press);
    MoveHeld(panel_, press + QPoint(50, 0));
    EXPECT_EQ(panel_->width(), 150 + 50 + 1);
    EXPECT_TRUE(Overlay() == nullptr || !Overlay()->isVisible()) << "no inverted bar";
    Release(panel_, press + QPoint(50, 0));
    EXPECT_EQ(panel_->width(), 201);
}

TEST_F(WgSplitTest, GrooveAndBumpFrameTwoStripsAtTheBarsMiddle) {
    panel_->SetHotSpotVisible(false);
    panel_->SetSizeBarWidth(6);
    const int left = Bar().left;  // the bar's middle is 3 pixels in
    QImage groove, bump;
    panel_->SetSizeBarStyle(TSplitterStyle::ssGroove);
    groove = panel_->PaintedImage();
    panel_->SetSizeBarStyle(TSplitterStyle::ssBump);
    bump = panel_->PaintedImage();
    EXPECT_EQ(Px(groove, left, 100), Rgb(clBtnShadow));
    EXPECT_EQ(Px(groove, left + 2, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(groove, left + 3, 100), Rgb(clBtnShadow)) << "the second strip";
    EXPECT_EQ(Px(bump, left, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(bump, left + 5, 100), Rgb(clBtnShadow));
}

TEST_F(WgSplitTest, ResizingRepaintsOnlyTheEdgeStripAndTheBar) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent_));
    test::PaintedRegion spy(panel_);
    const struct {
        bool full;
        int growth;
    } cases[] = {{false, 20}, {false, -30}, {true, 20}};
    for (const auto& c : cases) {
        panel_->SetFullRepaint(c.full);
        QCoreApplication::processEvents();
        spy.painted = {};
        const QRect oldBar = ToQRect(Bar());
        const int oldWidth = panel_->width();
        panel_->SetBounds(0, 0, oldWidth + c.growth, 400);
        QCoreApplication::processEvents();
        QTest::qWait(0);
        // Without a full repaint: the size bar where it stood and stands, a
        // one-pixel strip along the right edge before and after, and what
        // the panel grew by.
        QRegion want = panel_->rect();
        if (!c.full) {
            want = QRegion(oldBar) + ToQRect(Bar()) + QRect(oldWidth - 1, 0, 1, 400) +
                   QRect(panel_->width() - 1, 0, 1, 400) +
                   QRect(oldWidth, 0, std::max(c.growth, 0), 400);
            want &= panel_->rect();
        }
        EXPECT_EQ(spy.painted, want) << c.full << " " << c.growth;
    }
}

TEST_F(WgSplitTest, BarAndHotSpotByPixels) {
    panel_->SetAlign(alBottom);
    panel_->SetBounds(0, 282, 600, 118);
    panel_->SetColor(clSilver);
    panel_->SetHotSpotColor(clYellow);
    panel_->SetHotSpotHighlight(clBlue);
    panel_->SetHotSpotFrameColor(clMaroon);
    panel_->SetHotSpotDotColor(clBlack);
    const TRect hot = panel_->HotSpotRect();
    EXPECT_EQ(hot, (TRect{180, 0, 420, 7}));
    QImage img = panel_->PaintedImage();
    EXPECT_EQ(Px(img, 50, 3), Rgb(clSilver)) << "the bar";
    EXPECT_EQ(Px(img, 180, 3), Rgb(clMaroon)) << "the hot spot's frame";
    EXPECT_EQ(Px(img, 190, 1), Rgb(clYellow));
    // Open: the chevrons point down, the way a click moves the bar.
    EXPECT_EQ(Px(img, 186, 2), Rgb(clBlack));
    EXPECT_EQ(Px(img, 188, 4), Rgb(clBlack));
    EXPECT_EQ(Px(img, 195, 3), Rgb(clBlack)) << "the first dot";
    EXPECT_EQ(Px(img, 196, 3), Rgb(clYellow));
    // The mouse over the hot spot highlights it.
    Mouse(panel_, QEvent::MouseMove, QPoint(300, 3), Qt::NoButton);
    EXPECT_TRUE(panel_->HotSpotHot());
    img = panel_->PaintedImage();
    EXPECT_EQ(Px(img, 190, 1), Rgb(clBlue));
    EXPECT_EQ(panel_->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              WgSplitCursorImage(TWgSplitCursor::scVertHotSpot));
    Mouse(panel_, QEvent::MouseMove, QPoint(50, 3), Qt::NoButton);
    EXPECT_FALSE(panel_->HotSpotHot());
    EXPECT_EQ(panel_->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              WgSplitCursorImage(TWgSplitCursor::scVert));
    // Collapsed: they point up.
    panel_->CollapseToHotSpot();
    img = panel_->PaintedImage();
    EXPECT_EQ(Px(img, 186, 4), Rgb(clBlack));
    EXPECT_EQ(Px(img, 188, 2), Rgb(clBlack));
}

TEST_F(WgSplitTest, GroupBarGradientRunsByItsPathAndLightensABottomBar) {
    panel_->SetHotSpotVisible(false);
    panel_->SetSizeBarStyle(TSplitterStyle::ssGroupBar);
    panel_->SetVisualStyle(TWgVisualStyle::vsGradient);
    panel_->SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
    panel_->SetGradientColorStart(clRed);
    panel_->SetGradientColorStop(clBlue);
    const int x = Bar().left + 2;
    // The last band stops a step short of the stop colour.
    auto redAndBlue = [&](const QImage& img, int y) {
        const QColor c(Px(img, x, y));
        return std::pair{c.red() / 8, c.blue() / 8};
    };
    QImage img = panel_->PaintedImage();
    EXPECT_EQ(redAndBlue(img, 0), (std::pair{31, 0})) << "top to bottom";
    EXPECT_EQ(redAndBlue(img, 399), (std::pair{0, 31}));
    panel_->SetGradientPath(TWgGroupBarGradientPath::gpBottomToTop);
    img = panel_->PaintedImage();
    EXPECT_EQ(redAndBlue(img, 0), (std::pair{0, 31}));
    EXPECT_EQ(redAndBlue(img, 399), (std::pair{31, 0}));
    // A bottom panel's bar is the panel's colour lightened by the adjustment.
    panel_->SetAlign(alBottom);
    panel_->SetBounds(0, 282, 600, 118);
    panel_->SetColor(RGBColor(100, 60, 20));
    for (const int adjustment : {30, 60}) {
        panel_->SetGradientColorAdjustment(adjustment);
        img = panel_->PaintedImage();
        EXPECT_EQ(Px(img, 50, 2), Rgb(IncreaseLightness(RGBColor(100, 60, 20), adjustment)))
            << adjustment;
    }
}

}  // namespace
}  // namespace vx
