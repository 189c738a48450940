// Measuring and drawing of the styled menus' items on a canvas.
//
// The menu windows describe each item (TMenuItemInfo) and the window it
// stands in, and these functions measure it or paint it, reading every
// colour, size and font from the styler in use: the menu-bar gradient
// behind top-level items, the icon bar, background, side bar and separators
// of drop-down and pop-up windows, the selected item, check and radio
// glyphs, images, the sub-menu arrow, captions and shortcut texts, and the
// frame of a drop-down window.
//
// Every drop-down and pop-up window keeps a 17-pixel strip free at its
// right (kMenuRightStrip): the window's item rectangles are narrowed by it
// before DrawMenuItem, and measured widths include it.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/paint/Canvas.h"
#include "styling/menus/FxMenuAppearance.h"

namespace vx {

inline constexpr int kMenuRightStrip = 17;

// The framework's owner-draw state of an item.
namespace MenuItemState {
inline constexpr unsigned kSelected = 0x1;
inline constexpr unsigned kGrayed = 0x2;
inline constexpr unsigned kDisabled = 0x4;
inline constexpr unsigned kChecked = 0x8;
inline constexpr unsigned kFocused = 0x10;
inline constexpr unsigned kDefault = 0x20;
inline constexpr unsigned kHotLight = 0x40;
inline constexpr unsigned kInactive = 0x80;
inline constexpr unsigned kNoAccel = 0x100;
}  // namespace MenuItemState

// What the drawing needs to know of one item and the menu it belongs to.
struct TMenuItemInfo {
    std::string caption;       // "-" for a separator; "&" marks the mnemonic
    std::string shortCutText;  // empty when the item has no shortcut
    bool winKey = false;       // the shortcut has the Win+ flag (0x0200)

    bool rootItem = false;                  // a top-level item of a main menu (on the menu bar)
    bool inMainMenu = false;                // the item belongs to a main menu (else a pop-up menu)
    int level = 0;                          // 0 top-level, 1 in a first drop-down, ...
    bool parentIsFirstVisibleRoot = false;  // its parent is the first visible top-level item
    bool firstVisible = false;              // first visible item of its parent menu
    bool columnBroken = false;              // it or an earlier visible sibling breaks the column
    bool hasSubItems = false;

    bool checked = false;
    bool radioItem = false;
    bool enabled = true;
    bool isDefault = false;
    bool rightToLeft = false;  // the menu reads right to left

    // Caption alignment of a pop-up menu's items: 0 left, 1 right, 2 centre.
    int popupAlignment = 0;

    // The item's image list: present when the item has one; imageIndex
    // inside [0, imageCount) picks `image`, drawn as given. The caller
    // chooses the list: the images of the item's action when it has them,
    // else the menu's disabled images for a disabled item when the menu has
    // such a list, else the item's own list.
    bool hasImageList = false;
    int imageWidth = 16;
    int imageHeight = 16;
    int imageCount = 0;
    int imageIndex = -1;
    QImage image;
    // The item's own bitmap (null when empty).
    QImage bitmap;
};

// Side bar shown for an item, by the side bar's Visible and VisibleIn.
bool SideBarShown(const TCustomFxMenuStyler& styler, const TMenuItemInfo& item);
// Side bar width: its Size plus the splitter's width.
int SideBarWidth(const TCustomFxMenuStyler& styler);

// The desktop's menu-bar button: width and height of a top-level item
// before its text is added (the height is the desktop's menu bar line).
struct TMenuBarMetrics {
    int width = 18;
    int height = 19;
};
TMenuBarMetrics ScreenMenuBarMetrics();

// Width and height of an item. For a drop-down item `height` comes in as
// the height the desktop proposes (its menuItemHeight, DesktopMetrics);
// both are set.
void MeasureMenuItem(const TCustomFxMenuStyler& styler, const TMenuItemInfo& item, Canvas& canvas,
                     int& width, int& height, bool sideBar);

// Where a drop-down item's window stands, for the drawing of one item.
struct TMenuWindowInfo {
    // The union of the window's item rectangles, with its top-left at
    // (0, 0), before the right strip is taken off.
    TRect itemsArea;
    // Top-level items: the menu bar's client rectangle in the coordinates
    // of the canvas, and whether the item is the last on the bar (the bar's
    // gradient then runs on to the bar's right edge). No menu bar: nothing
    // is painted behind an item that is neither selected nor hot.
    std::optional<TRect> menuBar;
    bool lastRootItem = false;
    // The menu's form shows a maximised MDI child, whose window buttons
    // stand at the bar's right end: the last item's bar stops short of
    // them by MdiChildButtonsWidth.
    bool mdiChildMaximized = false;
};

// The room a maximised MDI child's window buttons take at the right end of
// the menu bar: three of the desktop's menu-bar buttons.
int MdiChildButtonsWidth();

// Paints one item into rect (already narrowed by the right strip for a
// drop-down item) with the MenuItemState flags.
void DrawMenuItem(const TCustomFxMenuStyler& styler, const TMenuItemInfo& item, Canvas& canvas,
                  TRect rect, bool sideBar, unsigned state, const TMenuWindowInfo& window);

// The side bar down the left of a drop-down window's items, which its first
// visible item draws with its background (DrawMenuItem, when the item shows
// the side bar).
void DrawDropDownSideBar(const TCustomFxMenuStyler& styler, Canvas& canvas,
                         const TMenuWindowInfo& window);

// The frame of a drop-down window of the given size: `level` is 1 for a
// first drop-down of the menu bar or a pop-up menu, 2 or more for deeper
// sub-menus; `rightOfParent` tells whether a deeper window opened to the
// right of its parent item; `parentItem` is the parent's rectangle on the
// menu bar in the window's coordinates, where it is known (the frame opens
// under it).
void PaintPopupFrame(const TCustomFxMenuStyler& styler, Canvas& canvas, int width, int height,
                     int level, bool rightOfParent, std::optional<TRect> parentItem);

// Gradient drawing of the menus. Colours are interpolated per channel with
// truncating division; ColorTo clNone stands for Color.
void FillGradient(Canvas& canvas, const TRect& r, menus::TGradientDirection direction, TColor color,
                  TColor colorTo);
// The piece of the full gradient that falls inside clip.
void FillGradientPart(Canvas& canvas, const TRect& full, menus::TGradientDirection direction,
                      TColor color, TColor colorTo, const TRect& clip);
void DrawGradientBox(Canvas& canvas, const TRect& r, bool fill, TColor border,
                     menus::TGradientDirection direction, TColor color, TColor colorTo);
// The top half in color..colorTo, the bottom half in mirror..mirrorTo
// (when mirror is not clNone).
void DrawMirrorGradientBox(Canvas& canvas, const TRect& r, bool fill, TColor border,
                           menus::TGradientDirection direction, TColor color, TColor colorTo,
                           TColor mirror, TColor mirrorTo);
void DrawGradientLine(Canvas& canvas, const TRect& r, int margin, int gradientWidth,
                      TGradientType type, bool horizontal, TColor color, TColor colorTo);
// A background's gradient and picture composed in its own bitmap, drawn
// at r (less its margins); without fill only the picture.
void DrawBackgroundObject(Canvas& canvas, TRect r, const TBackground& background, bool fill);

// A monochrome glyph drawn with its ink in the colour (other images as
// they are), the colour of the bottom-left pixel left transparent.
void DrawGlyph(Canvas& canvas, int x, int y, const QImage& glyph, TColor ink);

}  // namespace vx
