#include "styling/toolbar/ToolBarPager.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/paint/Canvas.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"

namespace vx {
namespace {

TEST(ToolBarPager, PagesGroupsAndTheClientArea) {
    TToolBarPager pager;
    TPagerPage& first = pager.AddPage();
    TPagerPage& second = pager.AddPage();
    pager.AddPage();
    EXPECT_EQ(pager.Page(1), &second);
    EXPECT_EQ(pager.Page(3), nullptr);
    EXPECT_EQ(pager.Page(-1), nullptr);
    EXPECT_EQ(pager.IndexOfPage(&first), 0);
    TPagerPage stranger;
    EXPECT_EQ(pager.IndexOfPage(&stranger), -1);
    EXPECT_EQ(pager.ActivePage(), nullptr);
    pager.SetActivePageIndex(1);
    EXPECT_EQ(pager.ActivePage(), &second);
    pager.SetActivePageIndex(5);
    EXPECT_EQ(pager.ActivePage(), nullptr);

    pager.Groups() = {{0, 1}, {1, 2}};
    const std::pair<int, int> groupOfPage[] = {{0, 0}, {1, 0}, {2, 1}, {3, -1}, {-1, -1}};
    for (const auto& [page, group] : groupOfPage)
        EXPECT_EQ(pager.GroupOfPage(page), group) << page;
    pager.Groups() = {{1, 1}};
    EXPECT_EQ(pager.GroupOfPage(0), -1);
    EXPECT_EQ(pager.Group(0)->firstPage, 1);
    EXPECT_EQ(pager.Group(1), nullptr);

    pager.SetCaptionHeight(22);
    EXPECT_EQ(pager.AdjustClientRect({0, 0, 100, 80}), (TRect{0, 22, 100, 80}));
    pager.SetCaptionVisible(false);
    EXPECT_EQ(pager.AdjustClientRect({0, 0, 100, 80}), (TRect{0, 0, 100, 80}));
}

TEST(ToolBarPager, PageListsLaysOutAndHandsKeysToItsVisibleToolBars) {
    TPagerPage page(40);
    TPagerToolBar& c = page.AddToolBar(Bounds(50, 0, 20, 10));
    TPagerToolBar& a = page.AddToolBar(Bounds(10, 0, 30, 10));
    TPagerToolBar& hidden = page.AddToolBar(Bounds(5, 0, 10, 10), false);
    TPagerToolBar& b = page.AddToolBar(Bounds(10, 5, 40, 10));
    EXPECT_EQ(page.ToolBar(2), &hidden);
    EXPECT_EQ(page.ToolBar(4), nullptr);
    EXPECT_EQ(page.VisibleToolBars(), (std::vector<TPagerToolBar*>{&a, &b, &c}));
    EXPECT_EQ(page.VisibleToolBars(true), (std::vector<TPagerToolBar*>{&hidden, &a, &b, &c}));

    page.SetLayoutEnabled(false);
    page.LayoutToolBars();
    EXPECT_EQ(a.bounds, Bounds(10, 0, 30, 10));
    page.SetLayoutEnabled(true);
    page.LayoutToolBars();
    EXPECT_EQ(a.bounds, Bounds(3, 3, 30, 34));
    EXPECT_EQ(b.bounds, Bounds(36, 3, 40, 34));
    EXPECT_EQ(c.bounds, Bounds(79, 3, 20, 34));
    EXPECT_EQ(hidden.bounds, Bounds(5, 0, 10, 10));

    std::vector<char> asked;
    a.onKey = [&](int) { return asked.push_back('a'), false; };
    b.onKey = [&](int key) { return asked.push_back('b'), key == 'B'; };
    c.onKey = [&](int) { return asked.push_back('c'), true; };
    hidden.onKey = [&](int) { return asked.push_back('h'), true; };
    int closed = 0;
    for (TPagerToolBar* bar : {&a, &b, &c, &hidden})
        bar->onClosePopups = [&] { ++closed; };

    int beeps = 0;
    TToolBarPager pager({.beep = [&] { ++beeps; }});
    pager.HandleKey('X');  // no active page
    EXPECT_EQ(beeps, 1);
    TPagerPage& active = pager.AddPage(40);
    pager.SetActivePageIndex(0);
    pager.HandleKey('X');  // no tool bar takes it
    EXPECT_EQ(beeps, 2);
    active.AddToolBar(Bounds(0, 0, 5, 5)).onKey = [](int) { return true; };
    pager.HandleKey('X');
    EXPECT_EQ(beeps, 2);

    EXPECT_TRUE(page.HandleKey('B'));
    EXPECT_EQ(asked, (std::vector<char>{'a', 'b'}));
    page.CloseGlowPopups();
    EXPECT_EQ(closed, 3);
}

TEST(ToolBarPager, CaptionButtonsStandAtTheRightAndFollowTheirFlags) {
    TToolBarPager pager;
    pager.SetWidth(200);
    pager.SetCaptionHeight(24);
    pager.SetCaptionRightMargin(5);
    pager.SetCaptionButtons(TCaptionButton::kClose | TCaptionButton::kMinimize);
    ASSERT_NE(pager.CaptionButton(2), nullptr);
    EXPECT_EQ(pager.CaptionButton(0)->bounds, Bounds(178, 4, 16, 16));
    EXPECT_EQ(pager.CaptionButton(1)->bounds, Bounds(160, 4, 16, 16));
    EXPECT_EQ(pager.CaptionButton(2)->bounds, Bounds(142, 4, 16, 16));
    EXPECT_TRUE(pager.CaptionButton(0)->visible);
    EXPECT_FALSE(pager.CaptionButton(1)->visible);
    EXPECT_TRUE(pager.CaptionButton(2)->visible);
    EXPECT_EQ(pager.CaptionRightMargin(), 5 + 58);
    // The flags as stored (bit 0 close, bit 1 minimize, bit 2 maximize) and
    // the buttons that show: close, maximize, minimize from the right.
    struct Row {
        std::uint8_t flags;
        bool close, maximize, minimize;
    };
    for (const Row& row : {Row{1, true, false, false}, Row{2, false, false, true},
                           Row{4, false, true, false}, Row{6, false, true, true}}) {
        pager.SetCaptionButtons(row.flags);
        EXPECT_EQ(pager.CaptionButton(0)->visible, row.close) << int(row.flags);
        EXPECT_EQ(pager.CaptionButton(1)->visible, row.maximize) << int(row.flags);
        EXPECT_EQ(pager.CaptionButton(2)->visible, row.minimize) << int(row.flags);
    }

    pager.SetCaptionButtons(TCaptionButton::kClose);
    EXPECT_EQ(pager.CaptionRightMargin(), 5 + 22);
    pager.SetCaptionButtons(0);
    EXPECT_EQ(pager.CaptionButton(0), nullptr);
    EXPECT_EQ(pager.CaptionRightMargin(), 5);
    pager.SetCaptionButtons(TCaptionButton::kMaximize);
    pager.SetCaptionVisible(false);
    pager.UpdateCaptionButtons(false);
    EXPECT_EQ(pager.CaptionButton(1), nullptr);
}

TEST(ToolBarPager, StylerChangesReachTheGlowButtonsAndTheCaptionGlyphs) {
    bool maximized = false;
    int closes = 0, minimizes = 0;
    TToolBarPager pager({.closeForm = [&] { ++closes; },
                         .formMaximized = [&] { return maximized; },
                         .setFormMaximized = [&](bool on) { maximized = on; },
                         .minimizeApplication = [&] { ++minimizes; }});
    TFxToolBarOfficeStyler styler;
    pager.SetToolBarStyler(&styler);
    pager.SetToolBarStyler(&styler);
    EXPECT_EQ(styler.ControlCount(), 1);
    pager.SetWidth(120);
    pager.SetCaptionButtons(TCaptionButton::kClose | TCaptionButton::kMaximize);
    TPagerGlowButton& other = pager.MakeGlowButton(1);
    EXPECT_EQ(pager.CaptionButton(0)->appearance.Color(), styler.GlowButtonAppearance().Color());
    TPagerPage& page = pager.AddPage();
    pager.SetActivePageIndex(0);

    styler.SetStyle(TToolBarStyle::bsOffice2003Olive);
    EXPECT_EQ(pager.CaptionButton(1)->appearance.Color(), 0xCFF0EA);
    EXPECT_EQ(other.appearance.ColorMirrorTo(), 0x8CC0B1);
    EXPECT_GT(other.paints, 0);
    EXPECT_GT(page.PaintCount(), 0);
    EXPECT_GT(pager.PaintCount(), 0);

    // The caption's text colour draws the glyphs on the transparent colour.
    styler.PagerCaption().SetTextColor(0x0000FF);
    ASSERT_EQ(pager.CaptionGlyphs().size(), 3u);
    const auto countOf = [](const QImage& image, TColor color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == ToQColor(color);
        return n;
    };
    for (const QImage& glyph : pager.CaptionGlyphs()) {
        EXPECT_EQ(glyph.size(), QSize(14, 14));
        EXPECT_EQ(glyph.pixelColor(0, 0), ToQColor(TToolBarPager::kGlyphBackground));
        EXPECT_GT(countOf(glyph, 0x0000FF), 0);
    }
    const QImage maximize = pager.CaptionGlyphs()[1];
    pager.MaximizeClick();
    EXPECT_TRUE(maximized);
    EXPECT_NE(pager.CaptionGlyphs()[1], maximize) << "restore glyph while maximized";
    pager.CloseClick();
    pager.MinimizeClick();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(minimizes, 1);

    int handled = 0;
    pager.onCloseClick = pager.onMaximizeClick = pager.onMinimizeClick = [&] { ++handled; };
    pager.CloseClick();
    pager.MaximizeClick();
    pager.MinimizeClick();
    EXPECT_EQ(handled, 3);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(maximized);
}

}  // namespace
}  // namespace vx
