// The tab strip painted (pixels away from text), and driven by mouse and
// keyboard: selection and its events, scrolling, hot tracking and hints,
// dragging a tab, the close and menu buttons, accelerators.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "TabTestWindow.h"
#include "platform/paint/ImageList.h"
#include "support/QtWait.h"
#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgActiveTabCloseButton.h"
#include "widgets/qt/WgTabCloseButton.h"
#include "widgets/qt/WgTabDropMarker.h"
#include "widgets/qt/WgTabGlyphs.h"
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

TEST(WgTabPaintTest, TheHotTabsFillAndBarFollowTheHotTrackColourChoice) {
    TabTestWindow w({"One", "Two", "Three"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    const TColor hot = w.pages->HotTrackColor();
    const TColor complement = ContrastHue(hot, 140);
    w.Page(2)->SetColor(RGBColor(40, 160, 90));
    w.Show();
    QTest::mouseMove(w.pages, w.TabPoint(2));
    VX_WAIT_EQ(w.pages->HotTab(), 2, kStateWaitMs);
    using Src = TWgTabHotTrackColorSource;
    using Type = TWgHotTrackColorType;
    using Style = TWgTabHotTrackStyle;
    struct Row {
        Style style;
        Src source;
        Type type;
        TColor top, bottom;  // the fill's first and last rows, or the bar
    };
    const Row rows[] = {
        {Style::htsTab, Src::htcsHotTrackColorProp, Type::htctActual, IncreaseLightness(hot, 60),
         hot},
        {Style::htsTab, Src::htcsHotTrackColorProp, Type::htctComplement,
         IncreaseLightness(complement, 60), complement},
        {Style::htsTabBar, Src::htcsTabColor, Type::htctActual,
         ReduceLightness(RGBColor(40, 160, 90), 40), 0},
        {Style::htsTabBar, Src::htcsHotTrackColorProp, Type::htctActual, hot, 0},
        {Style::htsTabBar, Src::htcsHotTrackColorProp, Type::htctComplement, complement, 0},
    };
    const TRect r = w.pages->TabRect(2);
    for (const Row& row : rows) {
        w.pages->SetHotTrackStyle(row.style);
        w.pages->SetHotTrackColorSource(row.source);
        w.pages->SetHotTrackColorType(row.type);
        const QImage image = w.pages->PaintedImage();
        ASSERT_EQ(w.pages->HotTab(), 2);
        const std::string n = std::to_string(&row - rows);
        if (row.style == Style::htsTabBar) {
            EXPECT_EQ(PixelAt(image, r.left + 3, r.top + 2), ColorToRGB(row.top)) << n;
            continue;
        }
        const TColor top = PixelAt(image, r.left + 2, r.top + 1);
        const TColor bottom = PixelAt(image, r.left + 2, r.bottom - 1);
        EXPECT_TRUE(Near(top, row.top, 8)) << n << std::hex << " " << top;
        EXPECT_TRUE(Near(bottom, row.bottom, 16)) << n << std::hex << " " << bottom;
    }
}

TEST(WgTabPaintTest, BackgroundColourParentColourTransparencyAndGradientsOff) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    const QPoint free(w.pages->width() - 5, 3);
    auto background = [&] { return PixelAt(w.pages->PaintedImage(), free.x(), free.y()); };
    auto paintParent = [&](TColor color) {
        QPalette palette = w.window->palette();
        palette.setColor(QPalette::Window, ToQColor(color));
        w.window->setPalette(palette);
    };
    EXPECT_TRUE(w.pages->ParentBackgroundColor());
    paintParent(clTeal);
    EXPECT_EQ(background(), ColorToRGB(clTeal)) << "it follows the parent's colour";
    w.pages->SetBackgroundColor(clOlive);
    EXPECT_FALSE(w.pages->ParentBackgroundColor());
    EXPECT_EQ(background(), ColorToRGB(clOlive));
    paintParent(clPurple);
    EXPECT_EQ(background(), ColorToRGB(clOlive)) << "a colour of its own stays";
    w.pages->SetParentBackgroundColor(true);
    EXPECT_EQ(background(), ColorToRGB(clPurple));
    // Transparent: the parent's painting shows, whatever the colour.
    w.pages->SetBackgroundColor(clOlive);
    w.pages->SetTransparent(true);
    EXPECT_EQ(background(), ColorToRGB(clPurple));

    // Without gradients an unselected tab is all the unselected colour.
    const TRect r = w.pages->TabRect(1);
    w.pages->SetUseGradients(false);
    EXPECT_EQ(PixelAt(w.pages->PaintedImage(), r.left + 2, r.bottom - 1), ColorToRGB(clWindow));
}

TEST(WgTabPaintTest, ACutCornerSizeLaysCutCornerTabsOutAgain) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetTabStyle(TWgTabStyle::tsCutCorner);
    const int width = w.pages->TabRect(1).Width();
    w.pages->SetCutCornerSize(10);
    EXPECT_EQ(w.pages->TabRect(1).Width(), width + 8) << "a cut at each end";
}

TEST(WgTabPaintTest, ImagesAreAlignedInTheirPlaceBehindOrAtTheCorner) {
    TabTestWindow w({"", "Two"});
    TImageList images(8, 8);
    QPixmap red(8, 8);
    red.fill(Qt::red);
    images.Add(red);
    w.pages->SetImages(&images);
    w.Page(0)->SetImageIndex(0);
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.pages->SetTabWidth(80);
    w.pages->SetTabHeight(40);
    using P = TWgImagePosition;
    using H = TWgHorizontalAlignment;
    using V = TWgVerticalAlignment;
    struct Row {
        P position;
        H across;
        V down;
    };
    const Row rows[] = {{P::ipTop, H::haLeft, V::vaCenter},
                        {P::ipTop, H::haCenter, V::vaCenter},
                        {P::ipTop, H::haRight, V::vaCenter},
                        {P::ipBack, H::haCenter, V::vaCenter},
                        {P::ipStretch, H::haRight, V::vaBottom}};
    std::vector<QPoint> at;  // the image's top-left corner
    for (const Row& row : rows) {
        w.pages->SetImagePosition(row.position);
        w.pages->SetImageAlignment(row.across);
        w.pages->SetImageAlignmentVertical(row.down);
        const QImage image = w.pages->PaintedImage();
        const TRect r = w.pages->TabRect(0);
        QPoint corner(-1, -1);
        for (int y = r.top; y < r.bottom && corner.x() < 0; ++y)
            for (int x = r.left; x < r.right && corner.x() < 0; ++x)
                if (PixelAt(image, x, y) == clRed) corner = {x, y};
        at.push_back(corner);
    }
    EXPECT_GT(at[0].x(), 0);
    EXPECT_LT(at[0].x(), at[1].x());
    EXPECT_NEAR(at[1].x() - at[0].x(), at[2].x() - at[1].x(), 1) << "centred";
    EXPECT_EQ(at[3].x(), at[1].x()) << "behind the text, centred";
    EXPECT_GT(at[3].y(), at[1].y() + 4);
    EXPECT_EQ(at[4], at[0]) << "stretched: at the top-left corner whatever the alignment";
    w.pages->SetImages(nullptr);
}

TEST(WgTabPaintTest, TheFocusedSelectedTabShowsAFocusMarkInsideIt) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetTabStyle(TWgTabStyle::tsSquareCorners);
    w.Show();
    QApplication::setActiveWindow(w.window.get());
    VX_WAIT_TRUE(QApplication::activeWindow() == w.window.get(), kStateWaitMs);
    const QRect all = w.pages->rect();
    w.pages->clearFocus();  // the active window gave it the focus
    const QImage plain = w.pages->PaintedImage();
    w.pages->setFocus();
    VX_WAIT_TRUE(w.pages->hasFocus(), kStateWaitMs);
    const QImage focused = w.pages->PaintedImage();
    // Taking the focus repaints the control on screen.
    VX_WAIT_TRUE(w.pages->LastPainting(all) == focused, kStateWaitMs);
    const TRect r = w.pages->TabRect(0);
    QRect changed;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != focused.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_TRUE(QRect(r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 3).contains(changed))
        << changed.x() << "," << changed.y() << " " << changed.width() << "x" << changed.height();
    EXPECT_GT(changed.width(), 10);
    w.pages->SetShowFocusRect(false);
    EXPECT_EQ(w.pages->PaintedImage(), plain);
    // Losing it repaints too.
    w.pages->SetShowFocusRect(true);
    VX_WAIT_TRUE(w.pages->LastPainting(all) == focused, kStateWaitMs);
    w.pages->clearFocus();
    VX_WAIT_TRUE(w.pages->LastPainting(all) == plain, kStateWaitMs);
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
    // The pointer over it lightens both faces; leaving takes that back.
    const QPoint inside(3, 3);
    const TColor plain = PixelAt(scroller->PaintedImage(), inside.x(), inside.y());
    QTest::mouseMove(scroller, QPoint(scroller->width() / 2, scroller->height() / 2));
    EXPECT_TRUE(scroller->State().Hot());
    EXPECT_NE(PixelAt(scroller->PaintedImage(), inside.x(), inside.y()), plain);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(scroller, &leave);
    EXPECT_FALSE(scroller->State().Hot());
    EXPECT_EQ(PixelAt(scroller->PaintedImage(), inside.x(), inside.y()), plain);
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

TEST(WgTabDragTest, DraggedPastAnEndTheStripScrollsThatWayWhileHeld) {
    TabTestWindow w({"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"},
                    {240, 120});
    w.pages->SetAllowTabDragging(true);
    w.Show();
    (void)w.pages->PaintedImage();
    ASSERT_EQ(w.pages->FirstShownTab(), 0);
    QTest::mousePress(w.pages, Qt::LeftButton, {}, w.TabPoint(0));
    QTest::mouseMove(w.pages, w.TabPoint(1), 20);
    ASSERT_TRUE(w.pages->Dragging());
    const int y = w.TabPoint(0).y();
    QTest::mouseMove(w.pages, QPoint(w.pages->width() + 20, y));
    VX_WAIT_TRUE(w.pages->FirstShownTab() >= 2, kStateWaitMs) << "repeating forwards";
    QTest::mouseMove(w.pages, QPoint(-20, y));
    VX_WAIT_EQ(w.pages->FirstShownTab(), 0, kStateWaitMs);
    QTest::mouseRelease(w.pages, Qt::LeftButton, {}, QPoint(-20, y));
    EXPECT_FALSE(w.pages->Dragging());
}

// A glyph or face painted on white.
template <typename Draw>
QImage PaintedOnWhite(int width, int height, Draw draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.brush = {clWhite, BrushStyle::Solid};
    draw(canvas);
    return image;
}

TEST(WgTabButtonsTest, ArrowAndCloseGlyphsAndButtonFaces) {
    using D = TArrowDirection;
    // Arrows in a 15 x 15 rect: the tip and both ends of the 7-pixel base;
    // sideways arrows stand 2 pixels left of the centre.
    struct Arrow {
        D direction;
        TPoint tip, baseStart, baseEnd, outside;
    };
    const Arrow arrows[] = {{D::Up, {7, 5}, {4, 8}, {10, 8}, {7, 4}},
                            {D::Down, {7, 8}, {4, 5}, {10, 5}, {7, 9}},
                            {D::Left, {3, 7}, {6, 4}, {6, 10}, {2, 7}},
                            {D::Right, {6, 7}, {3, 4}, {3, 10}, {7, 7}}};
    for (const Arrow& a : arrows) {
        const QImage image = PaintedOnWhite(15, 15, [&](Canvas& c) {
            DrawArrowGlyph(c, {0, 0, 15, 15}, kGlyphClassic, true, false, a.direction);
        });
        const int d = static_cast<int>(a.direction);
        for (TPoint p : {a.tip, a.baseStart, a.baseEnd})
            EXPECT_EQ(PixelAt(image, p.x, p.y), clBlack) << d << " " << p.x << "," << p.y;
        EXPECT_EQ(PixelAt(image, a.outside.x, a.outside.y), clWhite) << d;
        EXPECT_EQ(PixelAt(image, a.baseStart.x + (d < 2 ? -1 : 0), a.baseStart.y - (d < 2 ? 0 : 1)),
                  clWhite)
            << d;
    }
    const QImage disabled = PaintedOnWhite(15, 15, [](Canvas& c) {
        DrawArrowGlyph(c, {0, 0, 15, 15}, kGlyphClassic, false, false, D::Up);
    });
    EXPECT_EQ(PixelAt(disabled, 7, 5), ColorToRGB(clBtnShadow));
    const QImage onBlack = PaintedOnWhite(15, 15, [](Canvas& c) {
        c.brush.color = clBlack;
        DrawArrowGlyph(c, {0, 0, 15, 15}, kGlyphClassic, true, false, D::Up);
    });
    EXPECT_EQ(PixelAt(onBlack, 7, 5), ColorToRGB(cl3DDkShadow));

    // The close glyph: 9 x 9 from a rect of 9 x 11, else 7 x 7; its corners
    // and its middle, nothing beyond.
    struct Close {
        TRect rect;
        int size;
    };
    for (const Close& x : {Close{{1, 1, 10, 12}, 9}, Close{{1, 1, 10, 11}, 7}}) {
        const QImage image = PaintedOnWhite(
            13, 13, [&](Canvas& c) { DrawCloseGlyph(c, x.rect, clRed, true, false); });
        const int left = x.rect.left + (x.rect.Width() - x.size) / 2;
        const int top = x.rect.top + (x.rect.Height() - x.size) / 2;
        const int n = x.size - 1;
        for (TPoint p : {TPoint{left, top}, TPoint{left + n, top}, TPoint{left, top + n},
                         TPoint{left + n, top + n}, TPoint{left + n / 2, top + n / 2}})
            EXPECT_EQ(PixelAt(image, p.x, p.y), clRed) << x.size << " " << p.x << "," << p.y;
        for (TPoint p :
             {TPoint{left + n / 2, top}, TPoint{left + n + 1, top}, TPoint{left - 1, top - 1}})
            EXPECT_EQ(PixelAt(image, p.x, p.y), clWhite) << x.size << " " << p.x << "," << p.y;
    }
    const QImage greyed = PaintedOnWhite(12, 12, [](Canvas& c) {
        DrawCloseGlyph(c, {1, 1, 10, 12}, clRed, false, false);
    });
    EXPECT_EQ(PixelAt(greyed, 1, 2), ColorToRGB(clBtnShadow));

    // Faces: the outline, then the gradient's top and bottom rows (the last
    // band short of the stop colour).
    const TColor u = clWindow, s = RGBColor(120, 140, 160);
    struct Face {
        bool gradients, hot, down;
        TColor top, bottom;
    };
    const Face faces[] = {
        {true, false, false, u, s},
        {true, true, false, IncreaseLightness(u, 30), IncreaseLightness(s, 30)},
        {true, false, true, ReduceLightness(s, 30), ReduceLightness(u, 30)},
        {true, true, true, ReduceLightness(s, 30), ReduceLightness(u, 30)},
        {false, true, true, u, u},
    };
    for (const Face& f : faces) {
        const QImage image = PaintedOnWhite(20, 20, [&](Canvas& c) {
            DrawTabButtonFace(c, {0, 0, 20, 20}, {u, s, f.gradients}, clMaroon, f.hot, f.down);
        });
        const std::string row = std::to_string(&f - faces);
        EXPECT_EQ(PixelAt(image, 0, 10), clMaroon) << row;
        EXPECT_EQ(PixelAt(image, 19, 10), clMaroon) << row;
        EXPECT_TRUE(Near(PixelAt(image, 10, 1), f.top, 8))
            << row << std::hex << " " << PixelAt(image, 10, 1);
        EXPECT_TRUE(Near(PixelAt(image, 10, 18), f.bottom, 16))
            << row << std::hex << " " << PixelAt(image, 10, 18);
    }
}

TEST(WgTabButtonsTest, TheActiveTabsCloseButtonShowsItsFaceOnlyWhenHot) {
    TabTestWindow w({"One", "Two"});
    w.pages->SetShowCloseButtonOnActiveTab(true);
    w.pages->SetFlatColor(clMaroon);
    w.pages->TabColors().SetHighlightBar(clRed);
    w.Show();
    (void)w.pages->PaintedImage();  // places the button
    TWgActiveTabCloseButton* button = w.pages->ActiveTabCloseButton();
    ASSERT_NE(button, nullptr);
    VX_WAIT_TRUE(button->isVisible(), kStateWaitMs);
    ASSERT_EQ(button->size(), QSize(15, 13));
    // The 9 x 9 glyph's corner lies at (3, 2); (0, 6) is the face's outline.
    QImage image = button->PaintedImage();
    EXPECT_EQ(PixelAt(image, 3, 2), ColorToRGB(clMaroon)) << "the glyph alone, in the frame colour";
    EXPECT_EQ(PixelAt(image, 0, 6), ColorToRGB(w.pages->Color())) << "the tab shows through";
    QTest::mouseMove(button, QPoint(7, 6));
    VX_WAIT_TRUE(button->Hot(), kStateWaitMs);
    image = button->PaintedImage();
    EXPECT_EQ(PixelAt(image, 3, 2), clRed) << "the glyph in the highlight bar's colour";
    EXPECT_EQ(PixelAt(image, 0, 6), ColorToRGB(clMaroon)) << "the face's outline";
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

    // The menu drops away from the tab row, from the button's corner.
    using O = TWgTabOrientation;
    struct Place {
        O orientation;
        bool reverse;
        bool right, bottom, rightAligned;
    };
    const Place places[] = {
        {O::toTop, false, true, true, true},     {O::toTop, true, false, true, false},
        {O::toLeft, false, true, false, false},  {O::toLeft, true, true, false, false},
        {O::toBottom, false, true, false, true}, {O::toBottom, true, false, false, false},
        {O::toRight, false, false, false, true}, {O::toRight, true, false, false, true}};
    for (const Place& p : places) {
        w.pages->SetTabOrientation(p.orientation);
        w.pages->SetTabSequence(p.reverse ? TWgTabSequence::tsReverse : TWgTabSequence::tsStandard);
        bool rightAligned = false;
        const QPoint at = button->MenuPlace(rightAligned);
        const QPoint corner(p.right ? button->width() : 0, p.bottom ? button->height() : 0);
        const std::string row = std::to_string(&p - places);
        EXPECT_EQ(at, button->mapToGlobal(corner)) << row;
        EXPECT_EQ(rightAligned, p.rightAligned) << row;
    }
}

}  // namespace
}  // namespace vx
