#include "styling/menus/FxMenuDraw.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <memory>
#include <set>
#include <tuple>

#include "styling/menus/qt/FxMenuStylers.h"

namespace vx {
namespace {

using menus::TGradientDirection;

// An off-screen surface with a canvas on it, white to begin with.
struct Surface {
    Surface(int w, int h) : image(w, h, QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<Canvas>(*painter);
    }
    TColor At(int x, int y) const { return canvas->Pixel(x, y); }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<Canvas> canvas;
};

TMenuItemInfo DropDown(const std::string& caption) {
    TMenuItemInfo item;
    item.caption = caption;
    item.inMainMenu = true;
    item.level = 1;
    return item;
}

int CaptionWidth(Canvas& canvas, const std::string& text) {
    canvas.font = ScreenMenuFont();
    TRect r{0, 0, 0, 0};
    canvas.DrawText(text, r, DrawTextFlags::kSingleLine | DrawTextFlags::kCalcRect);
    return r.Width();
}

TEST(MenuItemMeasure, SizesFollowTheStyler) {
    TFxMenuStyler s;
    Surface surface(10, 10);
    Canvas& c = *surface.canvas;
    const int tw = CaptionWidth(c, "新建(&N)...");

    int w = 0, h = 19;
    MeasureMenuItem(s, DropDown("新建(&N)..."), c, w, h, false);
    EXPECT_EQ(w, 24 + 15 + tw + 7 + 17);
    EXPECT_EQ(h, 22);  // 19 - 3 + 5, rounded up to even

    TMenuItemInfo win = DropDown("新建(&N)...");
    win.winKey = true;
    int ww = 0, wh = 19;
    MeasureMenuItem(s, win, c, ww, wh, false);
    EXPECT_EQ(ww, w + c.TextWidth("Win+"));

    s.SideBar().SetVisible(true);
    int sw = 0, sh = 19;
    MeasureMenuItem(s, DropDown("新建(&N)..."), c, sw, sh, true);
    EXPECT_EQ(sw, w + 24 + 1);

    // A drop-down item's height: the preset less 3 without a picture, or at
    // least the picture's height, plus 5, then rounded up to even.
    const struct {
        int preset;
        int imageHeight;  // 0: no image list
        int height;
    } heights[] = {
        {19, 0, 22},  {20, 0, 22},  {18, 0, 20},  {10, 16, 22},
        {10, 17, 22}, {10, 18, 24}, {20, 16, 26},
    };
    for (const auto& row : heights) {
        TMenuItemInfo item = DropDown("新建(&N)...");
        item.hasImageList = row.imageHeight > 0;
        item.imageHeight = row.imageHeight;
        int iw = 0, ih = row.preset;
        MeasureMenuItem(s, item, c, iw, ih, false);
        EXPECT_EQ(ih, row.height) << row.preset << " " << row.imageHeight;
    }
    // With the styler's own font: the caption's height plus 6, rounded up to
    // even; fonts whose captions are of odd and of even height.
    std::set<int> parities;
    for (int cell : {13, 14, 15, 16, 17, 18}) {
        TFxMenuStyler own;
        CanvasFont font = own.Font();
        font.height = cell;
        own.SetFont(font);
        own.SetUseSystemFont(false);
        c.font = font;
        TRect caption{0, 0, 0, 0};
        c.DrawText("新建(&N)...", caption, DrawTextFlags::kSingleLine | DrawTextFlags::kCalcRect);
        const int th = caption.Height();
        parities.insert(th % 2);
        int iw = 0, ih = 19;
        MeasureMenuItem(own, DropDown("新建(&N)..."), c, iw, ih, false);
        EXPECT_EQ(ih, th % 2 ? th + 7 : th + 6) << "caption " << th;
    }
    EXPECT_EQ(parities.size(), 2u);

    int pw = 0, ph = 20;
    MeasureMenuItem(s, DropDown("-"), c, pw, ph, false);
    EXPECT_EQ(pw, -2);
    EXPECT_EQ(ph, 3);

    TMenuItemInfo root;
    root.caption = "文件(&F)";
    root.rootItem = true;
    root.inMainMenu = true;
    int rw = 0, rh = 0;
    MeasureMenuItem(s, root, c, rw, rh, false);
    EXPECT_EQ(rw, CaptionWidth(c, "文件(&F)"));
    EXPECT_EQ(rh, ScreenMenuBarMetrics().height);
}

TEST(MenuItemMeasure, SideBarShownByWhereItIsVisible) {
    TFxMenuStyler s;
    TMenuItemInfo first = DropDown("a");
    first.parentIsFirstVisibleRoot = true;
    TMenuItemInfo second = DropDown("b");
    TMenuItemInfo deep = DropDown("c");
    deep.level = 2;
    TMenuItemInfo popupTop = DropDown("d");
    popupTop.inMainMenu = false;
    popupTop.level = 0;
    TMenuItemInfo popupSub = popupTop;
    popupSub.level = 1;
    EXPECT_FALSE(SideBarShown(s, first));  // not visible
    s.SideBar().SetVisible(true);
    struct Case {
        TSideBarVisibleIn in;
        bool first, second, deep, popupTop, popupSub;
    };
    for (const Case& k : {Case{TSideBarVisibleIn::viFirstVisible, true, false, false, false, false},
                          Case{TSideBarVisibleIn::viFirstLevel, true, true, false, true, false},
                          Case{TSideBarVisibleIn::viAnyLevel, true, true, true, true, true}}) {
        s.SideBar().SetVisibleIn(k.in);
        EXPECT_EQ(SideBarShown(s, first), k.first);
        EXPECT_EQ(SideBarShown(s, second), k.second);
        EXPECT_EQ(SideBarShown(s, deep), k.deep);
        EXPECT_EQ(SideBarShown(s, popupTop), k.popupTop);
        EXPECT_EQ(SideBarShown(s, popupSub), k.popupSub);
    }
}

TEST(MenuGradients, StepsTruncateAndSlicesMatchTheWhole) {
    Surface whole(4, 10), part(4, 10);
    FillGradient(*whole.canvas, {0, 0, 4, 10}, TGradientDirection::gdVertical, 0x000000, 0x0A0AFF);
    // Row y: red 0xFF * y / 10 truncated.
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(whole.At(1, y), RGBColor(255 * y / 10, 10 * y / 10, 10 * y / 10)) << y;
    // Drawn in two slices, the gradient is the same at the slices' edges.
    FillGradientPart(*part.canvas, {0, 0, 4, 10}, TGradientDirection::gdVertical, 0x000000,
                     0x0A0AFF, {0, 0, 4, 5});
    FillGradientPart(*part.canvas, {0, 0, 4, 10}, TGradientDirection::gdVertical, 0x000000,
                     0x0A0AFF, {0, 5, 4, 10});
    EXPECT_EQ(part.At(1, 0), whole.At(1, 0));
    EXPECT_EQ(part.At(1, 5), whole.At(1, 5));

    Surface flat(6, 2);
    FillGradient(*flat.canvas, {0, 0, 6, 2}, TGradientDirection::gdHorizontal, 0x123456, clNone);
    EXPECT_EQ(flat.At(5, 1), 0x123456);

    Surface mirror(4, 10);
    DrawMirrorGradientBox(*mirror.canvas, {0, 0, 4, 10}, true, 0x0000FF,
                          TGradientDirection::gdHorizontal, 0x00FF00, 0x00FF00, 0xFF0000, 0xFF0000);
    EXPECT_EQ(mirror.At(0, 3), 0x0000FF);  // the border
    EXPECT_EQ(mirror.At(2, 4), 0x00FF00);  // top half
    EXPECT_EQ(mirror.At(2, 5), 0xFF0000);  // bottom half, whatever the direction
}

TEST(MenuGradients, SeparatorLineRunsBetweenItsMargins) {
    struct Case {
        int gw;
        TGradientType type;
        TColor colorTo;
        TColor atLeftEnd, atMiddle, atRightEnd;
    };
    const TColor c = 0x0000FF;
    const std::vector<Case> cases = {
        {0, TGradientType::gtBoth, clNone, c, c, c},
        {0, TGradientType::gtLeft, 0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00},
        {100, TGradientType::gtLeft, 0x00FF00, c, 0, 0},
    };
    for (const Case& k : cases) {
        Surface s(24, 3);
        DrawGradientLine(*s.canvas, {0, 1, 24, 2}, 2, k.gw, k.type, true, c, k.colorTo);
        EXPECT_EQ(s.At(1, 1), clWhite);  // inside the margin
        EXPECT_EQ(s.At(22, 1), clWhite);
        EXPECT_EQ(s.At(2, 1), k.atLeftEnd);
        if (k.gw == 0) {
            EXPECT_EQ(s.At(12, 1), k.atMiddle);
            EXPECT_EQ(s.At(21, 1), k.atRightEnd);
        } else {
            // A 20-pixel gradient: colour..colour-to, the last pixel one step short.
            EXPECT_EQ(s.At(21, 1), RGBColor(255 - 255 * 19 / 20, 255 * 19 / 20, 0));
        }
        EXPECT_EQ(s.At(12, 0), clWhite);  // one pixel high
    }
}

// A drop-down window 120 wide with four 22-pixel items.
constexpr int kWindowWidth = 120;
constexpr TRect kItems{0, 0, kWindowWidth, 88};

TRect ItemRect(int row) {
    return {0, row * 22, kWindowWidth - kMenuRightStrip, row * 22 + 22};
}

TEST(MenuItemDrawing, DropDownItemsPaintTheirParts) {
    TFxMenuOfficeStyler s;  // the blue set
    Surface out(kWindowWidth, 88);
    Canvas& c = *out.canvas;
    const TMenuWindowInfo window{kItems, std::nullopt, false};

    TMenuItemInfo plain = DropDown("打开(&O)");
    plain.hasSubItems = true;
    DrawMenuItem(s, plain, c, ItemRect(0), false, 0, window);
    TMenuItemInfo sel = DropDown("保存(&S)");
    sel.shortCutText = "Ctrl+S";
    DrawMenuItem(s, sel, c, ItemRect(1), false, MenuItemState::kSelected, window);
    DrawMenuItem(s, DropDown("-"), c, ItemRect(2), false, 0, window);
    TMenuItemInfo checked = DropDown("注释");
    checked.checked = true;
    DrawMenuItem(s, checked, c, ItemRect(3), false, MenuItemState::kChecked, window);

    // Icon bar: a horizontal gradient from 0xFFEFE3, the background plain.
    EXPECT_EQ(out.At(0, 2), 0xFFEFE3);
    EXPECT_EQ(out.At(60, 2), 0xF6F6F6);
    // Sub-menu arrow: black ink, 4 x 7 centred 5..8 pixels from the right
    // (its middle row three pixels wide).
    const int ax = kWindowWidth - kMenuRightStrip - 8;
    for (int x = ax - 1; x < ax + 3; ++x)
        EXPECT_EQ(out.At(x, 10), x == ax - 1 ? 0xF6F6F6 : 0);
    EXPECT_EQ(out.At(ax, 7), 0xF6F6F6);
    // The strip right of the item is left alone.
    EXPECT_EQ(out.At(kWindowWidth - 5, 2), clWhite);
    // Selected: the border and the fill across the whole item.
    EXPECT_EQ(out.At(0, 22), 0x800000);
    EXPECT_EQ(out.At(2, 24), 0xC2EEFF);
    EXPECT_EQ(out.At(40, 41), 0xC2EEFF);
    // Separator: its colour at mid-height right of the icon bar and margin.
    EXPECT_EQ(out.At(24 + 2, 44 + 11), 0xCB8C6A);
    EXPECT_EQ(out.At(24 + 2, 44 + 10), 0xF6F6F6);
    EXPECT_NE(out.At(10, 44 + 11), 0xCB8C6A);  // not over the icon bar
    // Checked without image: the icon bar's check box, border and tick.
    EXPECT_EQ(out.At(2, 66 + 1), 0x800000);  // box border
    EXPECT_EQ(out.At(3, 66 + 3), 0x6FC0FF);  // box fill
    bool tick = false;
    for (int y = 66; y < 88; ++y)
        for (int x = 0; x < 24; ++x)
            tick = tick || out.At(x, y) == ColorToRGB(clBtnText);
    EXPECT_TRUE(tick);
}

TEST(MenuItemDrawing, RadioAndImagesAndAlignment) {
    TFxMenuOfficeStyler s;
    Surface out(kWindowWidth, 88);
    Canvas& c = *out.canvas;
    const TMenuWindowInfo window{kItems, std::nullopt, false};

    TMenuItemInfo radio = DropDown("A");
    radio.checked = radio.radioItem = true;
    DrawMenuItem(s, radio, c, ItemRect(0), false, MenuItemState::kSelected, window);
    // A selected radio: the selected item's radio box colour, framed again.
    EXPECT_EQ(out.At(3, 4), 0x3E80FE);
    EXPECT_EQ(out.At(kWindowWidth - kMenuRightStrip - 1, 10), 0x800000);

    TMenuItemInfo image = DropDown("B");
    image.hasImageList = true;
    image.imageCount = 3;
    image.imageIndex = 1;
    image.image = QImage(16, 16, QImage::Format_RGB32);
    image.image.fill(QColor(0x10, 0x20, 0x30));
    DrawMenuItem(s, image, c, ItemRect(1), false, 0, window);
    EXPECT_EQ(out.At(12, 33), RGBColor(0x10, 0x20, 0x30));  // centred in the icon bar

    // A pop-up menu's right-aligned captions end at the item's right edge.
    TMenuItemInfo right = DropDown("WWW");
    right.inMainMenu = false;
    right.popupAlignment = 1;
    DrawMenuItem(s, right, c, ItemRect(2), false, 0, window);
    bool inkRight = false, inkLeft = false;
    for (int y = 44; y < 66; ++y) {
        for (int x = 24; x < 100; ++x) {
            const bool ink = out.At(x, y) != 0xF6F6F6;
            if (x > 80) inkRight = inkRight || ink;
            if (x < 50) inkLeft = inkLeft || ink;
        }
    }
    EXPECT_TRUE(inkRight);
    EXPECT_FALSE(inkLeft);
}

TEST(MenuItemDrawing, DisabledCaptionsAreEmbossed) {
    TFxMenuOfficeStyler s;
    const TMenuWindowInfo window{kItems, std::nullopt, false};
    struct Case {
        unsigned state;
        bool enabled;
        bool highlight, shadow, text;
    };
    for (const Case& k : {Case{0, false, true, true, false}, Case{0, true, false, false, true},
                          Case{MenuItemState::kSelected, false, false, true, false}}) {
        Surface out(kWindowWidth, 22);
        TMenuItemInfo item = DropDown("打开(&O)");
        item.enabled = k.enabled;
        DrawMenuItem(s, item, *out.canvas, ItemRect(0), false, k.state, window);
        bool highlight = false, shadow = false, text = false;
        for (int y = 0; y < 22; ++y) {
            for (int x = 32; x < 100; ++x) {
                const TColor p = out.At(x, y);
                highlight = highlight || p == ColorToRGB(clBtnHighlight);
                shadow = shadow || p == ColorToRGB(clBtnShadow);
                text = text || p == ColorToRGB(clWindowText);
            }
        }
        EXPECT_EQ(highlight, k.highlight) << k.state << k.enabled;
        EXPECT_EQ(shadow, k.shadow) << k.state << k.enabled;
        EXPECT_EQ(text, k.text) << k.state << k.enabled;
    }
}

TEST(MenuItemDrawing, RootItemsPaintTheBarHoverAndSelection) {
    TFxMenuOfficeStyler s;  // bar 0xF5BE9E .. 0xF7CDB2 left to right
    Surface out(200, 20);
    Canvas& c = *out.canvas;
    TMenuItemInfo root;
    root.caption = "文件(&F)";
    root.rootItem = root.inMainMenu = true;
    root.hasSubItems = true;
    const TRect bar{0, 0, 200, 20};
    DrawMenuItem(s, root, c, {0, 0, 50, 20}, false, 0, {{}, bar, false});
    DrawMenuItem(s, root, c, {50, 0, 100, 20}, false, MenuItemState::kSelected, {{}, bar, false});
    DrawMenuItem(s, root, c, {100, 0, 150, 20}, false, MenuItemState::kHotLight, {{}, bar, true});
    EXPECT_EQ(out.At(0, 1), 0xF5BE9E);
    EXPECT_EQ(out.At(50, 5), 0x962D00);                  // selected border
    EXPECT_EQ(out.At(52, 1), RGBColor(223, 237, 254));   // selected fill, row 1 of 20
    EXPECT_EQ(out.At(75, 19), s.Background().Color());   // opens into its drop-down
    EXPECT_EQ(out.At(100, 5), 0x6F4B4B);                 // hover border
    EXPECT_EQ(out.At(102, 1), RGBColor(255, 243, 202));  // hover fill, row 1 of 20
    EXPECT_EQ(out.At(160, 10), clWhite);  // the hover item does not paint the rest of the bar
    DrawMenuItem(s, root, c, {100, 0, 150, 20}, false, 0, {{}, bar, true});
    // The last item paints the bar on to its right edge, one gradient across.
    // (Per channel from + delta x 99 / 100 over the last item's slice.)
    EXPECT_EQ(out.At(199, 10), RGBColor(177, 204, 246));

    // A maximised MDI child's window buttons keep three menu buttons' width
    // (3 x 18) at the bar's right end clear.
    Surface mdi(300, 20);
    TMenuWindowInfo maximised{{}, TRect{0, 0, 300, 20}, true};
    maximised.mdiChildMaximized = true;
    DrawMenuItem(s, root, *mdi.canvas, {100, 0, 150, 20}, false, 0, maximised);
    EXPECT_NE(mdi.At(245, 10), clWhite);
    EXPECT_EQ(mdi.At(246, 10), clWhite);
}

TEST(MenuItemDrawing, PopupFrameAndSideBar) {
    TFxMenuOfficeStyler s;
    Surface out(kWindowWidth, 88);
    Canvas& c = *out.canvas;
    PaintPopupFrame(s, c, kWindowWidth, 88, 1, false, TRect{10, 0, 40, 20});
    EXPECT_EQ(out.At(1, 40), 0x962D00);
    EXPECT_EQ(out.At(2, 40), 0xF6F6F6);
    EXPECT_EQ(out.At(kWindowWidth - kMenuRightStrip - 2, 40), 0x962D00);
    EXPECT_EQ(out.At(5, 1), 0x962D00);
    EXPECT_EQ(out.At(20, 1), 0xF6F6F6);  // opened under the menu-bar item

    Surface side(kWindowWidth, 88);
    s.SideBar().SetVisible(true);
    s.SideBar().Background().SetColor(0x00FF00);
    s.SideBar().Image().SetColor(clNone);
    TMenuItemInfo first = DropDown("A");
    first.firstVisible = true;
    DrawMenuItem(s, first, *side.canvas, ItemRect(0), true, MenuItemState::kSelected,
                 {kItems, std::nullopt, false});
    EXPECT_EQ(side.At(10, 60), 0x00FF00);  // the side bar runs the window's height
    EXPECT_EQ(side.At(0, 60), 0xA19D9D);   // its border
    EXPECT_EQ(side.At(24, 60), 0x808080);  // the splitter
    EXPECT_EQ(side.At(10, 10), 0x00FF00);  // the selected item leaves it alone
    EXPECT_EQ(side.At(25, 1), 0x800000);   // the selection starts right of it
    EXPECT_EQ(s.SideBar().PaintedHeight(), 88);

    // Its caption runs upward from the bottom, in white over the side bar.
    s.SideBar().SetCaption("vx");
    Surface captioned(kWindowWidth, 88);
    DrawMenuItem(s, first, *captioned.canvas, ItemRect(0), true, 0, {kItems, std::nullopt, false});
    int top = 88, bottom = 0;
    for (int y = 0; y < 88; ++y) {
        for (int x = 1; x < 23; ++x) {
            if (captioned.At(x, y) != clWhite) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_LT(top, bottom);     // drawn
    EXPECT_LE(bottom, 88 - 6);  // the caption margin
    EXPECT_GT(top, 44);         // a short caption stays at the bottom
}

TEST(MenuItemDrawing, BackgroundPictureIsRecomposedWhenItChanges) {
    TFxMenuOfficeStyler s;
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(QColor(255, 0, 0));
    s.Background().SetImage(picture);
    s.Background().SetPosition(TBackgroundPosition::bpTopRight);
    const TMenuWindowInfo window{kItems, std::nullopt, false};
    Surface a(kWindowWidth, 88);
    DrawMenuItem(s, DropDown("x"), *a.canvas, ItemRect(0), false, 0, window);
    EXPECT_EQ(a.At(100, 2), clRed);  // the picture at the item area's top right
    EXPECT_EQ(a.At(90, 2), 0xF6F6F6);

    picture.fill(QColor(0, 0, 255));
    s.Background().SetImage(picture);  // same size: still recomposed
    Surface b(kWindowWidth, 88);
    DrawMenuItem(s, DropDown("x"), *b.canvas, ItemRect(0), false, 0, window);
    EXPECT_EQ(b.At(100, 2), clBlue);
}

TEST(MenuItemDrawing, BackgroundPicturePlacedByItsPosition) {
    using P = TBackgroundPosition;
    struct Case {
        P position;
        int offsetX, offsetY, margin;
        TPoint picture, fill;  // a pixel of the picture, one of the gradient
    };
    // A 4 x 4 picture on a 20 x 10 area.
    const Case cases[] = {
        {P::bpTopLeft, 0, 0, 0, {0, 0}, {4, 0}},
        {P::bpTopLeft, 3, 0, 0, {3, 0}, {2, 0}},
        {P::bpTopRight, 0, 0, 0, {16, 0}, {15, 0}},
        {P::bpBottomLeft, 0, 0, 0, {0, 6}, {0, 5}},
        {P::bpBottomRight, 0, 1, 0, {16, 7}, {16, 6}},
        {P::bpTopCenter, 0, 0, 0, {8, 0}, {7, 0}},
        {P::bpBottomCenter, 0, 0, 0, {8, 6}, {8, 5}},
        {P::bpCenter, 0, 0, 0, {8, 3}, {8, 2}},
        {P::bpXY, 5, 2, 0, {5, 2}, {4, 2}},
        {P::bpTiled, 0, 0, 0, {19, 9}, {19, 9}},
        {P::bpStretched, 0, 0, 0, {19, 0}, {0, 9}},
        // Margins shrink the area on every side.
        {P::bpTopLeft, 0, 0, 2, {2, 2}, {6, 2}},
    };
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(QColor(255, 0, 0));
    for (const Case& k : cases) {
        TBackground bg;
        bg.SetColor(0x00FF00);
        bg.SetImage(picture);
        bg.SetPosition(k.position);
        bg.SetOffsetX(k.offsetX);
        bg.SetOffsetY(k.offsetY);
        bg.SetMarginX(k.margin);
        bg.SetMarginY(k.margin);
        Surface out(20, 10);
        DrawBackgroundObject(*out.canvas, {0, 0, 20, 10}, bg, true);
        const int row = static_cast<int>(&k - cases);
        EXPECT_EQ(out.At(k.picture.x, k.picture.y), clRed) << row;
        if (k.position != P::bpTiled && k.position != P::bpStretched) {
            EXPECT_EQ(out.At(k.fill.x, k.fill.y), 0x00FF00) << row;
        }
        if (k.margin > 0) {
            EXPECT_EQ(out.At(1, 1), clWhite) << row;
        }
    }
}

TEST(MenuItemDrawing, LinesArrowsAndPicturesStandWhereTheStylerSays) {
    TFxMenuOfficeStyler s;
    const TMenuWindowInfo window{kItems, std::nullopt, false};
    // The icon bar's separator line at its right edge; a background margin
    // filled in the background's colour around its gradient.
    s.IconBar().SetSeparatorColor(0x0000FF);
    s.Background().SetMarginX(3);
    s.Background().SetColorTo(0x000000);
    Surface parts(kWindowWidth, 22);
    DrawMenuItem(s, DropDown("x"), *parts.canvas, ItemRect(0), false, 0, window);
    EXPECT_EQ(parts.At(23, 10), 0x0000FF);
    EXPECT_EQ(parts.At(25, 10), 0xF6F6F6);  // the margin
    EXPECT_NE(parts.At(27, 10), 0xF6F6F6);  // the gradient inside it

    // A right-aligned pop-up item has its sub-menu arrow at its left, a menu
    // read right to left none at all.
    TFxMenuOfficeStyler plain;
    TMenuItemInfo sub = DropDown("x");
    sub.hasSubItems = true;
    sub.inMainMenu = false;
    const auto inkIn = [](const Surface& out, int x0, int x1) {
        for (int y = 0; y < 22; ++y)
            for (int x = x0; x < x1; ++x)
                if (out.At(x, y) == 0) return true;
        return false;
    };
    for (const auto& [alignment, rtl, left, right] :
         {std::tuple{0, false, false, true}, std::tuple{1, false, true, false},
          std::tuple{0, true, false, false}}) {
        Surface out(kWindowWidth, 22);
        sub.popupAlignment = alignment;
        sub.rightToLeft = rtl;
        sub.caption = "";
        DrawMenuItem(plain, sub, *out.canvas, ItemRect(0), false, 0, window);
        EXPECT_EQ(inkIn(out, 0, 12), left) << alignment << rtl;
        EXPECT_EQ(inkIn(out, 90, kWindowWidth), right) << alignment << rtl;
    }

    // A menu-bar item's picture stands six pixels in from its left edge.
    TMenuItemInfo root;
    root.caption = "";
    root.rootItem = root.inMainMenu = true;
    root.hasImageList = true;
    root.imageCount = 1;
    root.imageIndex = 0;
    root.imageWidth = root.imageHeight = 16;
    root.image = QImage(16, 16, QImage::Format_RGB32);
    root.image.fill(QColor(0x10, 0x20, 0x30));
    Surface bar(100, 20);
    DrawMenuItem(plain, root, *bar.canvas, {30, 0, 80, 20}, false, 0,
                 {{}, TRect{0, 0, 100, 20}, false});
    EXPECT_NE(bar.At(35, 10), RGBColor(0x10, 0x20, 0x30));
    EXPECT_EQ(bar.At(36, 10), RGBColor(0x10, 0x20, 0x30));
}

}  // namespace
}  // namespace vx
