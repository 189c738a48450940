// The tab strip painted (pixels away from text), and driven by mouse and
// keyboard: selection and its events, scrolling, hot tracking and hints,
// dragging a tab, the close and menu buttons, accelerators.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "TabTestWindow.h"
#include "platform/paint/ImageList.h"
#include "support/QtWait.h"
#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgTabCloseButton.h"
#include "widgets/qt/WgTabDropMarker.h"
#include "widgets/qt/WgTabMenuButton.h"
#include "widgets/qt/WgTabScroller.h"

namespace vx {
namespace {

using test::kStateWaitMs;
using test::Near;
using test::PixelAt;
using test::TabTestWindow;
using Log = std::vector<std::string>;

// Events of a page control, in order.
void Record(TWgPageControl* pages, Log& log) {
    pages->OnChanging = [&log](int index, bool&) {
        log.push_back("changing " + std::to_string(index));
    };
    pages->OnChange = [&log] { log.push_back("change"); };
    pages->OnPageChange = [&log] { log.push_back("page change"); };
    pages->OnTabClick = [&log] { log.push_back("tab click"); };
}

TEST(WgTabPaintTest, DefaultColoursShadeUnselectedTabsAndFillTheSelectedTabAndCard) {
    TabTestWindow w({"One", "Two", "Three"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.pages->SetActivePageIndex(1);
    const QImage image = w.pages->PaintedImage();
    const TRect unselected = w.pages->TabRect(0);
    const TRect selected = w.pages->TabRect(1);
    // Between the outline and the text: x = left + 2.
    const TColor top = PixelAt(image, unselected.left + 2, unselected.top + 1);
    const TColor bottom = PixelAt(image, unselected.left + 2, unselected.bottom - 1);
    EXPECT_TRUE(Near(top, clWindow)) << std::hex << top;
    EXPECT_TRUE(Near(bottom, clBtnFace)) << std::hex << bottom;
    EXPECT_EQ(PixelAt(image, selected.left + 2, selected.top + 2), ColorToRGB(clBtnFace));
    const TRect card = w.pages->CardRect(0);
    const int middle = (card.top + card.bottom) / 2;
    EXPECT_EQ(PixelAt(image, card.left + 20, middle), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(image, card.left, middle), ColorToRGB(clBtnShadow)) << "the card's outline";
    EXPECT_EQ(PixelAt(image, unselected.left, unselected.top + 5), ColorToRGB(clBtnShadow))
        << "the tab's outline";
}

TEST(WgTabPaintTest, TheCardEdgeOpensUnderTheSelectedTabOnly) {
    TabTestWindow w({"One", "Two", "Three"});
    w.pages->SetActivePageIndex(1);
    const QImage image = w.pages->PaintedImage();
    const int edge = w.pages->CardRect(0).top;
    const TRect selected = w.pages->TabRect(1);
    const TRect other = w.pages->TabRect(2);
    EXPECT_EQ(PixelAt(image, (selected.left + selected.right) / 2, edge), ColorToRGB(clBtnFace))
        << "the selected tab and the card are one piece";
    EXPECT_EQ(PixelAt(image, other.right - 3, edge), ColorToRGB(clBtnShadow));
}

TEST(WgTabPaintTest, OnEveryEdgeTheSelectedTabStandsOnTheCardAndTheOthersBehindItsFrame) {
    using O = TWgTabOrientation;
    for (O edge : {O::toTop, O::toBottom, O::toLeft, O::toRight}) {
        TabTestWindow w({"One", "Two", "Three"}, {300, 300});
        w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
        w.pages->SetTabOrientation(edge);
        w.pages->SetActivePageIndex(1);
        const QImage image = w.pages->PaintedImage();
        const TRect card = w.pages->CardRect(0);
        // The point of the card's edge beside the middle of a tab.
        auto onEdge = [&](int tab) {
            const TRect r = w.pages->TabRect(tab);
            switch (edge) {
                case O::toTop:
                    return PixelAt(image, (r.left + r.right) / 2, card.top);
                case O::toBottom:
                    return PixelAt(image, (r.left + r.right) / 2, card.bottom);
                case O::toLeft:
                    return PixelAt(image, card.left, (r.top + r.bottom) / 2);
                case O::toRight:
                    return PixelAt(image, card.right, (r.top + r.bottom) / 2);
            }
            return TColor{};
        };
        const int e = static_cast<int>(edge);
        EXPECT_EQ(onEdge(1), ColorToRGB(clBtnFace)) << e;
        EXPECT_EQ(onEdge(0), ColorToRGB(clBtnShadow)) << e;
        EXPECT_EQ(onEdge(2), ColorToRGB(clBtnShadow)) << e;
    }
}

TEST(WgTabPaintTest, TheHotTabShadesDarker) {
    TabTestWindow w({"One", "Two", "Three"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.Show();
    const TRect r = w.pages->TabRect(2);
    const TColor before = PixelAt(w.pages->PaintedImage(), r.left + 2, r.bottom - 1);
    QTest::mouseMove(w.pages, w.TabPoint(2));
    VX_WAIT_EQ(w.pages->HotTab(), 2, kStateWaitMs);
    const TColor hot = PixelAt(w.pages->PaintedImage(), r.left + 2, r.bottom - 1);
    EXPECT_TRUE(Near(hot, ReduceLightness(clBtnFace, 30), 8)) << std::hex << hot;
    EXPECT_NE(hot, before);
}

TEST(WgTabPaintTest, PaintHooksAndTheHighlightBarTakeTheirPlaces) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.pages->SetHotTrackStyle(TWgTabHotTrackStyle::htsTabBar);
    auto fill = [](TColor color) {
        return [color](Canvas& canvas, const TRect& rect) {
            canvas.brush = {color, BrushStyle::Solid};
            canvas.FillRect(rect);
        };
    };
    w.pages->OnPaintBackground = [&](Canvas& c, const TRect& r, bool& handled) {
        fill(clLime)(c, r);
        handled = true;
    };
    w.pages->OnPaintCardBackground = [&](Canvas& c, int, const TRect& r, bool& handled) {
        fill(clYellow)(c, r);
        handled = true;
    };
    w.pages->OnPaintTabBackground = [&](Canvas& c, int tab, const TRect& r, bool& handled) {
        handled = tab == 1;
        if (handled) fill(clAqua)(c, r);
    };
    w.Show();
    const QImage image = w.pages->PaintedImage();
    const TRect card = w.pages->CardRect(0);
    const TRect selected = w.pages->TabRect(0);
    const TRect other = w.pages->TabRect(1);
    EXPECT_EQ(PixelAt(image, w.pages->width() - 5, 3), clLime);
    EXPECT_EQ(PixelAt(image, card.left + 20, card.top + 20), clYellow);
    EXPECT_EQ(PixelAt(image, other.left + 3, other.bottom - 3), clAqua);
    // The selected tab's bar: 6 pixels along its outer edge.
    EXPECT_EQ(PixelAt(image, selected.left + 3, selected.top + 2), ColorToRGB(clHighlight));
    EXPECT_NE(PixelAt(image, selected.left + 3, selected.top + 7), ColorToRGB(clHighlight));

    // A page paints its background through its handler, else in its colour.
    TWgTabSheet* page = w.Page(0);
    EXPECT_EQ(PixelAt(page->PaintedImage(), 5, 5), ColorToRGB(page->Color()));
    page->OnPaintBackground = [&](TWgTabSheet&, Canvas& c, const TRect& r, bool& handled) {
        fill(clFuchsia)(c, r);
        handled = true;
    };
    EXPECT_EQ(PixelAt(page->PaintedImage(), 5, 5), clFuchsia);
}

// Gives the text colour query to the test.
struct TextColourProbe : TWgPageControl {
    using TWgCustomTabControl::GetTextColor;
};

TEST(WgTabPaintTest, TextColoursFollowTheTabsStateAndAHandledChoice) {
    TabTestWindow w({"One", "Two", "Three", "Four"});
    w.pages->SetHotTrackStyle(TWgTabHotTrackStyle::htsText);
    w.pages->TextColors().SetSelected(clRed);
    w.Page(2)->SetTabEnabled(false);
    w.Show();
    QTest::mouseMove(w.pages, w.TabPoint(3));
    VX_WAIT_EQ(w.pages->HotTab(), 3, kStateWaitMs);
    std::map<int, std::pair<TWgTextStyle, TColor>> asked;
    w.pages->OnGetTextColor = [&](int tab, TWgTextStyle style, TColor& color, bool&) {
        asked[tab] = {style, color};
    };
    (void)w.pages->PaintedImage();
    using S = TWgTextStyle;
    const std::map<int, std::pair<TWgTextStyle, TColor>> expected{
        {0, {S::tsSelected, clRed}},
        {1, {S::tsUnselected, clBtnText}},
        {2, {S::tsDisabled, clGrayText}},
        {3, {S::tsHotTrack, w.pages->HotTrackColor()}}};
    EXPECT_EQ(asked, expected);

    // A colour the handler sets counts only when it says it handled it.
    TextColourProbe probe;
    bool handled = false;
    probe.OnGetTextColor = [&](int, TWgTextStyle, TColor& color, bool& done) {
        color = clBlue;
        done = handled;
    };
    EXPECT_EQ(probe.GetTextColor(0, S::tsSelected, clRed), clRed);
    handled = true;
    EXPECT_EQ(probe.GetTextColor(0, S::tsSelected, clRed), clBlue);
}

TEST(WgTabPaintTest, ColouredTabsOfAWhitePageShadeFromWhiteToTheFaceColour) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.Page(0)->SetColor(clWhite);
    EXPECT_TRUE(w.pages->UseColoredTabs()) << "a page colour of its own colours the tabs";
    w.pages->SetActivePageIndex(1);
    const QImage image = w.pages->PaintedImage();
    const TRect r = w.pages->TabRect(0);
    EXPECT_TRUE(Near(PixelAt(image, r.left + 2, r.top + 1), clWhite));
    EXPECT_TRUE(Near(PixelAt(image, r.left + 2, r.bottom - 1), clBtnFace));
    // The card takes the active page's colour.
    w.Page(1)->SetColor(clYellow);
    const QImage yellow = w.pages->PaintedImage();
    const TRect card = w.pages->CardRect(0);
    EXPECT_EQ(PixelAt(yellow, card.left + 20, (card.top + card.bottom) / 2), ColorToRGB(clYellow));
}

TEST(WgTabPaintTest, TheShadowDarkensWhatTheParentShowsBeneath) {
    TabTestWindow w({"One", "Two"});
    QPalette palette = w.window->palette();
    const TColor parent = RGBColor(200, 40, 40);
    palette.setColor(QPalette::Window, ToQColor(parent));
    w.window->setPalette(palette);
    const QImage image = w.pages->PaintedImage();
    const int right = w.pages->width() - 1;
    const TRect card = w.pages->CardRect(0);
    const int middle = (card.top + card.bottom) / 2;
    EXPECT_EQ(PixelAt(image, right - 2, middle), ColorToRGB(clBtnShadow)) << "the frame";
    EXPECT_EQ(PixelAt(image, right - 1, middle), MixColors(clBlack, parent, 30));
    EXPECT_EQ(PixelAt(image, right, middle), MixColors(clBlack, parent, 15));
    const int bottom = w.pages->height() - 1;
    EXPECT_EQ(PixelAt(image, 40, bottom - 1), MixColors(clBlack, parent, 30));
    EXPECT_EQ(PixelAt(image, 40, bottom), MixColors(clBlack, parent, 15));
}

TEST(WgTabPaintTest, ADisabledTabWithoutADisabledImageShowsItsImageGreyed) {
    TabTestWindow w({"One", "Two"});
    TImageList images(8, 8);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, QColor(200, 100, 0)};
    for (const QColor& colour : colours) {
        QPixmap picture(8, 8);
        picture.fill(colour);
        images.Add(picture);
    }
    w.pages->SetImages(&images);
    w.Page(0)->SetImageIndex(3);
    w.Page(0)->SetTabEnabled(false);
    w.pages->SetActivePageIndex(1);
    w.pages->SetImageMargin(4);
    const QImage image = w.pages->PaintedImage();
    const TRect r = w.pages->TabRect(0);
    // The image sits at the content's left, centred across the tab.
    const QRgb p = image.pixel(r.left + 8 + 3, (r.top + r.bottom) / 2 + 1);
    const int grey = 128 + qGray(colours[3].rgb()) / 2;
    EXPECT_EQ(RGBColor(qRed(p), qGreen(p), qBlue(p)), RGBColor(grey, grey, grey));
    // With an image of its own for the disabled state, that one is drawn as it is.
    w.Page(0)->SetDisabledIndex(1);
    const QImage own = w.pages->PaintedImage();
    const QRgb q = own.pixel(r.left + 8 + 3, (r.top + r.bottom) / 2 + 1);
    EXPECT_EQ(QColor(q), QColor(Qt::green));
    w.pages->SetImages(nullptr);
}

class WgTabInputTest : public testing::Test {
  protected:
    void SetUp() override {
        w_.Show();
        Record(w_.pages, log_);
    }
    TabTestWindow w_{{"One", "&Two", "Three", "Four"}};
    Log log_;
};

TEST_F(WgTabInputTest, AClickAsksThenSelectsThenReportsTheChangeAndTheClick) {
    ASSERT_EQ(w_.pages->TabIndex(), 0);
    w_.ClickTab(2);
    EXPECT_EQ(w_.pages->TabIndex(), 2);
    EXPECT_EQ(w_.pages->ActivePage(), w_.Page(2));
    EXPECT_EQ(log_, (Log{"changing 2", "change", "page change", "tab click"}));
}

TEST_F(WgTabInputTest, ADisabledTabOrARefusedChangeSelectsNothing) {
    w_.Page(1)->SetTabEnabled(false);
    w_.ClickTab(1);
    EXPECT_EQ(w_.pages->TabIndex(), 0);
    EXPECT_TRUE(log_.empty());
    w_.pages->OnChanging = [this](int index, bool& allow) {
        log_.push_back("refused " + std::to_string(index));
        allow = false;
    };
    w_.ClickTab(3);
    EXPECT_EQ(w_.pages->TabIndex(), 0);
    EXPECT_EQ(w_.pages->ActivePage(), w_.Page(0));
    EXPECT_TRUE(w_.Page(0)->isVisible());
    EXPECT_FALSE(w_.Page(3)->isVisible());
    EXPECT_EQ(log_, Log{"refused 3"});
}

TEST_F(WgTabInputTest, ArrowKeysStepOverDisabledTabsAndWrap) {
    w_.Page(1)->SetTabEnabled(false);
    w_.pages->setFocus();
    QTest::keyClick(w_.pages, Qt::Key_Right);
    EXPECT_EQ(w_.pages->TabIndex(), 2);
    EXPECT_EQ(log_, (Log{"changing 2", "change", "page change", "tab click"}));
    QTest::keyClick(w_.pages, Qt::Key_End);
    EXPECT_EQ(w_.pages->TabIndex(), 3);
    QTest::keyClick(w_.pages, Qt::Key_Right);
    EXPECT_EQ(w_.pages->TabIndex(), 0) << "past the last tab: the first";
    QTest::keyClick(w_.pages, Qt::Key_Left);
    EXPECT_EQ(w_.pages->TabIndex(), 3);
    QTest::keyClick(w_.pages, Qt::Key_Home);
    EXPECT_EQ(w_.pages->TabIndex(), 0);
}

TEST_F(WgTabInputTest, AnAcceleratorSelectsItsTab) {
    QApplication::setActiveWindow(w_.window.get());
    VX_WAIT_TRUE(QApplication::activeWindow() == w_.window.get(), kStateWaitMs);
    QTest::keyClick(w_.window.get(), Qt::Key_T, Qt::AltModifier);
    VX_WAIT_EQ(w_.pages->TabIndex(), 1, kStateWaitMs);
    EXPECT_TRUE(w_.pages->hasFocus());
    EXPECT_EQ(log_.back(), "tab click");
}

TEST_F(WgTabInputTest, HotTrackingMarksTheTabUnderThePointerAndShowsItsHint) {
    w_.pages->SetTabHints(true);
    w_.pages->SetHint(QStringLiteral("the pages"));
    w_.Page(2)->SetHint(QStringLiteral("third"));
    QTest::mouseMove(w_.pages, w_.TabPoint(2));
    VX_WAIT_EQ(w_.pages->HotTab(), 2, kStateWaitMs);
    EXPECT_EQ(w_.pages->toolTip(), QStringLiteral("third"));
    const TRect card = w_.pages->CardRect(0);
    QTest::mouseMove(w_.pages, QPoint(card.left + 30, card.top + 30));
    VX_WAIT_EQ(w_.pages->HotTab(), -1, kStateWaitMs);
    EXPECT_EQ(w_.pages->toolTip(), QStringLiteral("the pages"));
}

TEST(WgTabScrollTest, TheScrollerPagesThroughTabsThatDoNotFit) {
    TabTestWindow w({"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"},
                    {240, 120});
    w.Show();
    int scrolled = 0;
    w.pages->OnScrolledTabs = [&] { ++scrolled; };
    w.pages->LayoutNow();
    (void)w.pages->PaintedImage();  // places the scroller
    TWgTabScroller* scroller = w.pages->Scroller();
    ASSERT_NE(scroller, nullptr);
    VX_WAIT_TRUE(scroller->isVisible() && scroller->x() > 0, kStateWaitMs);
    EXPECT_FALSE(w.pages->ScrollHalfCanScroll(0));
    EXPECT_TRUE(w.pages->ScrollHalfCanScroll(1));
    const QPoint right(scroller->width() - 4, scroller->height() / 2);
    QTest::mouseClick(scroller, Qt::LeftButton, {}, right);
    EXPECT_EQ(w.pages->FirstShownTab(), 1);
    EXPECT_EQ(scrolled, 1);
    EXPECT_TRUE(w.pages->ScrollHalfCanScroll(0));
    QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(3, scroller->height() / 2));
    EXPECT_EQ(w.pages->FirstShownTab(), 0);
    // Selecting a tab out of view brings it into view.
    w.pages->SetActivePageIndex(7);
    EXPECT_TRUE(w.pages->TabInView(7));
    EXPECT_GT(w.pages->FirstShownTab(), 0);
}

TEST(WgTabDragTest, DraggingTheSelectedTabOntoAnotherMovesItsPage) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetAllowTabDragging(true);
    w.Show();
    std::vector<std::pair<int, int>> moves;
    w.pages->OnTabOrderChange = [&](int from, int to) { moves.push_back({from, to}); };
    TWgTabSheet* a = w.Page(0);
    QTest::mousePress(w.pages, Qt::LeftButton, {}, w.TabPoint(0));
    QTest::mouseMove(w.pages, w.TabPoint(1), 20);
    QTest::mouseMove(w.pages, w.TabPoint(2), 20);
    ASSERT_TRUE(w.pages->Dragging());
    ASSERT_NE(w.pages->DropMarker(), nullptr);
    EXPECT_TRUE(w.pages->DropMarker()->isVisible());
    // The marker stands above the target's far edge, pointing at the strip.
    const TRect target = w.pages->TabRect(2);
    const TRect marker = w.pages->DropMarker()->Marker().Rect;
    EXPECT_EQ(marker.bottom, target.top - 2);
    EXPECT_EQ(marker.Width(), 15);
    QTest::mouseRelease(w.pages, Qt::LeftButton, {}, w.TabPoint(2));
    EXPECT_FALSE(w.pages->Dragging());
    EXPECT_FALSE(w.pages->DropMarker()->isVisible());
    EXPECT_EQ(w.pages->Pages(2), a);
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(w.pages->ActivePage(), a);
    EXPECT_EQ(w.pages->TabIndex(), 2);
}

TEST(WgTabDragTest, ADragLetGoOverNoTabMovesNothing) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetAllowTabDragging(true);
    w.Show();
    QTest::mousePress(w.pages, Qt::LeftButton, {}, w.TabPoint(0));
    QTest::mouseMove(w.pages, w.TabPoint(2), 20);
    const TRect card = w.pages->CardRect(0);
    QTest::mouseMove(w.pages, QPoint(card.left + 40, card.top + 40), 20);
    QTest::mouseRelease(w.pages, Qt::LeftButton, {}, QPoint(card.left + 40, card.top + 40));
    EXPECT_EQ(w.pages->Pages(0)->Caption(), QStringLiteral("A"));
    EXPECT_FALSE(w.pages->DropMarker()->isVisible());
}

TEST(WgTabButtonsTest, TheCloseButtonClosesOnlyWhenOnCloseAllowsIt) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetShowCloseButton(true);
    w.Show();
    w.pages->SetActivePageIndex(1);
    (void)w.pages->PaintedImage();
    TWgTabControlCloseButton* close = w.pages->CloseButton();
    ASSERT_NE(close, nullptr);
    VX_WAIT_TRUE(close->isVisible() && close->x() > 0, kStateWaitMs);
    const QPoint middle(close->width() / 2, close->height() / 2);
    QTest::mouseClick(close, Qt::LeftButton, {}, middle);
    EXPECT_EQ(w.pages->PageCount(), 3) << "no OnClose handler: nothing is closed";
    bool asked = false;
    w.pages->OnClose = [&](bool& allow) {
        asked = true;
        allow = true;
    };
    QTest::mouseClick(close, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(asked);
    ASSERT_EQ(w.pages->PageCount(), 2);
    EXPECT_EQ(w.pages->ActivePage()->Caption(), QStringLiteral("A"))
        << "the tab before the closed one";
    // Released away from the button: no click.
    asked = false;
    QTest::mousePress(close, Qt::LeftButton, {}, middle);
    QTest::mouseMove(close, QPoint(-20, -20));
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(asked);
}

TEST(WgTabButtonsTest, TheTabMenuListsVisibleTabsAlphabeticallyWithTheCurrentChecked) {
    TabTestWindow w({"Delta", "alpha", "Charlie", "Bravo"});
    w.pages->SetShowMenuButton(true);
    w.Page(2)->SetTabVisible(false);
    w.pages->SetActivePageIndex(3);
    TWgTabMenuButton* button = w.pages->MenuButton();
    ASSERT_NE(button, nullptr);
    button->BuildMenu();
    const QList<QAction*> actions = button->PopupMenu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("alpha"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Bravo"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Delta"));
    EXPECT_TRUE(actions[1]->isChecked());
    EXPECT_FALSE(actions[0]->isChecked());
    actions[2]->trigger();
    EXPECT_EQ(w.pages->ActivePage()->Caption(), QStringLiteral("Delta"));
    bool rightAligned = false;
    const QPoint at = button->MenuPlace(rightAligned);
    EXPECT_TRUE(rightAligned) << "top tabs: under the button, right-aligned";
    EXPECT_EQ(at, button->mapToGlobal(QPoint(button->width(), button->height())));
}

}  // namespace
}  // namespace vx
