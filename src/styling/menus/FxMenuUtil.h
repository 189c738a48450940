// Small pieces the styled menus share: the error of an indexed colour
// property, the link from a look to the menu it serves, the screen's menu
// font, and rectangle and colour helpers of the item drawing.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/paint/Canvas.h"

namespace vx {

class TCustomFxMenuStyler;
class TImageList;

// An indexed colour property read or written with an index outside its
// group. The message is "Invalid property index <index>."
class EInvalidPropertyIndex : public std::runtime_error {
  public:
    explicit EInvalidPropertyIndex(int index);
    int Index() const { return index_; }

  private:
    int index_;
};

// Assign between objects that do not copy into each other. The message is
// "Cannot assign a <source class> to a <target class>."
class EAssignError : public std::runtime_error {
  public:
    EAssignError(const std::string& sourceClass, const std::string& targetClass);
};

// How a menu styler and its appearance objects reach a menu that uses them,
// and how the drawing code finds the styler in use. Both styled menus (the
// main menu and the pop-up menus) implement it.
class IMenuStyleLink {
  public:
    // The menu rebuilds its native items, so every item is measured again.
    virtual void UpdateItems() = 0;
    // The styler the menu was given, or null.
    virtual TCustomFxMenuStyler* GetMenuStyler() const = 0;
    // The styler in use: the given one, else the menu's internal one.
    virtual TCustomFxMenuStyler* GetCurrentStyler() const = 0;
    virtual void SetMenuStyler(TCustomFxMenuStyler* styler) = 0;
    // The look changed: with rebuild, the sizes may have changed too and
    // the menu first rebuilds its items (UpdateItems); then it repaints.
    virtual void MenuStyleChanged(bool rebuild) = 0;
    // True for a main menu (a menu bar), false for a pop-up menu.
    virtual bool IsMainMenu() const = 0;
    // A main menu whose window exists (a pop-up menu: false).
    virtual bool HasWindowHandle() const = 0;
    // Redraws the menu bar of a main menu; a pop-up menu does nothing.
    virtual void DrawMenuBar() = 0;
    // The styler is being destroyed: the menu drops every reference to it
    // (and takes an internal one when it was its given styler).
    virtual void StylerDestroyed(TCustomFxMenuStyler* styler) = 0;
    // The pictures the menu's disabled items show in place of their greyed
    // ones, or null when the menu has no such list.
    virtual TImageList* DisabledImages() const { return nullptr; }
    // The menu draws its items with the styler; off, its windows measure
    // and paint their items as any menu does.
    virtual bool OwnerDraw() const { return true; }

  protected:
    ~IMenuStyleLink() = default;
};

// The desktop's menu font (DesktopMetrics), which the menus use while their stylers say
// UseSystemFont.
CanvasFont ScreenMenuFont();

// A copy of the font turned by the angle, in degrees counter-clockwise.
CanvasFont AngledFont(const CanvasFont& font, int angleDegrees);

inline int RectWidth(const TRect& r) {
    return r.right - r.left;
}
inline int RectHeight(const TRect& r) {
    return r.bottom - r.top;
}
// A w x h rectangle centred in r, halves truncated toward zero.
TRect CenterInRect(const TRect& r, int w, int h);

struct TRGB {
    int red = 0;
    int green = 0;
    int blue = 0;
};
// The red, green and blue of a colour, system colours resolved first.
TRGB SplitColor(TColor color);
// A colour of red, green, blue and a fourth (high) byte.
TColor MakeColor(int red, int green, int blue, int high = 0);

}  // namespace vx
