// The look of the styled menus: the appearance objects a menu styler owns
// (background, icon bar, selected item, menu-bar items, separator, side bar,
// glyphs) and the styler itself.
//
// A styler serves every menu that links it. A change that alters only
// colours asks those menus to repaint; a change that alters sizes (fonts,
// the icon bar's width, the side bar) asks them first to rebuild their items
// so that every item is measured again. Plain colour fields (every Color
// and ColorTo, borders, directions, widths, margins) only store: they take
// effect at the next paint.
#pragma once

#include <QImage>
#include <QObject>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Colors.h"
#include "platform/Loadable.h"
#include "platform/paint/Canvas.h"
#include "styling/GradientDirections.h"
#include "styling/menus/FxMenuUtil.h"

namespace vx {

namespace menus {
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
}  // namespace menus

enum class TBackgroundPosition {
    bpTopLeft,
    bpTopRight,
    bpBottomLeft,
    bpBottomRight,
    bpTopCenter,
    bpBottomCenter,
    bpTiled,
    bpStretched,
    bpCenter,
    bpXY,
};
enum class TGradientType { gtLeft, gtRight, gtBoth };
enum class TDirection { dDownToUp, dUpToDown };
enum class TSideBarVisibleIn { viFirstVisible, viFirstLevel, viAnyLevel };

class TCustomFxMenuStyler;

// Base of the appearance objects: an owning styler to notify (none for a
// free-standing object) and the assignment rule.
class TMenuPersistent {
  public:
    TMenuPersistent() = default;
    TMenuPersistent(const TMenuPersistent&) = delete;
    TMenuPersistent& operator=(const TMenuPersistent&) = delete;
    virtual ~TMenuPersistent() = default;

    virtual const char* ClassName() const = 0;
    // Copies what the source's class shares with this one; a source of an
    // unrelated class raises EAssignError.
    virtual void Assign(const TMenuPersistent& source);

    TCustomFxMenuStyler* Styler() const { return styler_; }
    virtual void SetStyler(TCustomFxMenuStyler* styler) { styler_ = styler; }

  protected:
    // Tells the menus the styler serves: a look change (repaint) or, with
    // rebuild, a metrics change.
    void Changed(bool rebuild) const;

  private:
    TCustomFxMenuStyler* styler_ = nullptr;
};

// Two colours and a direction. Color (index 0) and ColorTo (index 1) only
// store.
class TGradientBar : public TMenuPersistent {
  public:
    TGradientBar();
    const char* ClassName() const override { return "TGradientBar"; }
    void Assign(const TMenuPersistent& source) override;

    TColor GetColor(int index) const;
    void SetColor(int index, TColor value);
    TColor Color() const { return colors_[0]; }
    TColor ColorTo() const { return colors_[1]; }
    void SetColor(TColor value) { SetColor(0, value); }
    void SetColorTo(TColor value) { SetColor(1, value); }
    menus::TGradientDirection GradientDirection() const { return direction_; }
    void SetGradientDirection(menus::TGradientDirection value) { direction_ = value; }

  private:
    std::array<TColor, 2> colors_;
    menus::TGradientDirection direction_ = menus::TGradientDirection::gdVertical;
};

// A pair of colours read and written by index (0 colour, 1 colour-to) whose
// setter notifies its menus of a look change.
struct TMenuColorPair {
    std::array<TColor, 2> colors;
    TColor Get(int index) const;
    // True when the value differs and was stored.
    bool Set(int index, TColor value);
};

// The band at the left of every drop-down and pop-up window, behind the
// item images.
class TIconBar : public TGradientBar {
  public:
    TIconBar();
    const char* ClassName() const override { return "TIconBar"; }
    void Assign(const TMenuPersistent& source) override;

    TColor GetCheckColor(int index) const { return check_.Get(index); }
    void SetCheckColor(int index, TColor value);
    TColor GetRadioColor(int index) const { return radio_.Get(index); }
    void SetRadioColor(int index, TColor value);
    TColor CheckColor() const { return check_.Get(0); }
    TColor CheckColorTo() const { return check_.Get(1); }
    TColor RadioColor() const { return radio_.Get(0); }
    TColor RadioColorTo() const { return radio_.Get(1); }

    TColor CheckBorder() const { return checkBorder_; }
    void SetCheckBorder(TColor value) { checkBorder_ = value; }
    menus::TGradientDirection CheckGradientDirection() const { return checkDirection_; }
    void SetCheckGradientDirection(menus::TGradientDirection v) { checkDirection_ = v; }
    TColor RadioBorder() const { return radioBorder_; }
    void SetRadioBorder(TColor value) { radioBorder_ = value; }
    menus::TGradientDirection RadioGradientDirection() const { return radioDirection_; }
    void SetRadioGradientDirection(menus::TGradientDirection v) { radioDirection_ = v; }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor value) { separatorColor_ = value; }
    int Size() const { return size_; }
    // At least 16 pixels.
    void SetSize(int value);

  private:
    TMenuColorPair check_{{0x6FC0FF, clNone}};
    TColor checkBorder_ = 0x6F4B4B;
    menus::TGradientDirection checkDirection_ = menus::TGradientDirection::gdVertical;
    TMenuColorPair radio_{{0x6FC0FF, clNone}};
    TColor radioBorder_ = 0x6F4B4B;
    menus::TGradientDirection radioDirection_ = menus::TGradientDirection::gdVertical;
    TColor separatorColor_ = clNone;
    int size_ = 24;
};

// The highlight of the item under the mouse in a drop-down or pop-up
// window.
class TSelectedItem : public TGradientBar {
  public:
    TSelectedItem();
    const char* ClassName() const override { return "TSelectedItem"; }
    void Assign(const TMenuPersistent& source) override;

    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor value) { colorMirror_ = value; }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor value) { colorMirrorTo_ = value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& value);
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool value);

    TColor GetCheckColor(int index) const { return check_.Get(index); }
    void SetCheckColor(int index, TColor value);
    TColor GetRadioColor(int index) const { return radio_.Get(index); }
    void SetRadioColor(int index, TColor value);
    TColor CheckColor() const { return check_.Get(0); }
    TColor CheckColorTo() const { return check_.Get(1); }
    TColor RadioColor() const { return radio_.Get(0); }
    TColor RadioColorTo() const { return radio_.Get(1); }
    TColor CheckBorder() const { return checkBorder_; }
    void SetCheckBorder(TColor value) { checkBorder_ = value; }
    menus::TGradientDirection CheckGradientDirection() const { return checkDirection_; }
    void SetCheckGradientDirection(menus::TGradientDirection v) { checkDirection_ = v; }
    TColor RadioBorder() const { return radioBorder_; }
    void SetRadioBorder(TColor value) { radioBorder_ = value; }
    menus::TGradientDirection RadioGradientDirection() const { return radioDirection_; }
    void SetRadioGradientDirection(menus::TGradientDirection v) { radioDirection_ = v; }

  private:
    TColor colorMirror_ = clNone;
    TColor colorMirrorTo_ = clNone;
    TColor borderColor_ = 0x6F4B4B;
    CanvasFont font_;
    bool useSystemFont_ = true;
    TMenuColorPair check_{{0x3E80FE, clNone}};
    TColor checkBorder_ = 0x6F4B4B;
    menus::TGradientDirection checkDirection_ = menus::TGradientDirection::gdVertical;
    TMenuColorPair radio_{{0x3E80FE, clNone}};
    TColor radioBorder_ = 0x6F4B4B;
    menus::TGradientDirection radioDirection_ = menus::TGradientDirection::gdVertical;
};

// The menu bar behind the top-level items of a main menu, and the selected
// and hover looks of those items. The selected and hover colours are two
// groups of four: 0 colour, 1 colour-to, 2 mirror, 3 mirror-to; a change of
// any of them is a metrics change.
class TRootItem : public TGradientBar {
  public:
    TRootItem();
    const char* ClassName() const override { return "TRootItem"; }
    void Assign(const TMenuPersistent& source) override;

    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& value);
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool value);

    TColor GetSelectedColor(int index) const;
    void SetSelectedColor(int index, TColor value);
    TColor GetHoverColor(int index) const;
    void SetHoverColor(int index, TColor value);
    TColor SelectedColor() const { return selected_[0]; }
    TColor SelectedColorTo() const { return selected_[1]; }
    TColor SelectedColorMirror() const { return selected_[2]; }
    TColor SelectedColorMirrorTo() const { return selected_[3]; }
    TColor HoverColor() const { return hover_[0]; }
    TColor HoverColorTo() const { return hover_[1]; }
    TColor HoverColorMirror() const { return hover_[2]; }
    TColor HoverColorMirrorTo() const { return hover_[3]; }

    menus::TGradientDirection SelectedGradientDirection() const { return selectedDirection_; }
    void SetSelectedGradientDirection(menus::TGradientDirection v) { selectedDirection_ = v; }
    TColor SelectedBorderColor() const { return selectedBorder_; }
    void SetSelectedBorderColor(TColor value) { selectedBorder_ = value; }
    TColor SelectedTextColor() const { return selectedText_; }
    void SetSelectedTextColor(TColor value) { selectedText_ = value; }
    menus::TGradientDirection HoverGradientDirection() const { return hoverDirection_; }
    void SetHoverGradientDirection(menus::TGradientDirection v) { hoverDirection_ = v; }
    TColor HoverBorderColor() const { return hoverBorder_; }
    void SetHoverBorderColor(TColor value) { hoverBorder_ = value; }
    TColor HoverTextColor() const { return hoverText_; }
    void SetHoverTextColor(TColor value) { hoverText_ = value; }

  private:
    CanvasFont font_;
    bool useSystemFont_ = true;
    std::array<TColor, 4> selected_{0xF2E8E8, 0xCDB8B9, clNone, clNone};
    menus::TGradientDirection selectedDirection_ = menus::TGradientDirection::gdVertical;
    TColor selectedBorder_ = 0x947C7C;
    TColor selectedText_ = clWindowText;
    std::array<TColor, 4> hover_{0xCFF6FF, 0x9DD8FF, clNone, clNone};
    menus::TGradientDirection hoverDirection_ = menus::TGradientDirection::gdVertical;
    TColor hoverBorder_ = 0x6F4B4B;
    TColor hoverText_ = clWindowText;
};

// A gradient with an optional picture placed on it. The object also keeps
// an off-screen image of its own, into which the drawing composes the two.
class TBackground : public TGradientBar {
  public:
    TBackground();
    const char* ClassName() const override { return "TBackground"; }
    // Picture and its placement (Position, OffsetX, OffsetY); not the
    // colours and not the margins.
    void Assign(const TMenuPersistent& source) override;

    // The picture; a null image when there is none.
    const QImage& Image() const { return image_; }
    // A null image clears the picture.
    void SetImage(const QImage& value);
    bool HasImage() const { return !image_.isNull() && image_.width() > 0; }
    TBackgroundPosition Position() const { return position_; }
    void SetPosition(TBackgroundPosition value) { position_ = value; }
    int OffsetX() const { return offsetX_; }
    void SetOffsetX(int value) { offsetX_ = value; }
    int OffsetY() const { return offsetY_; }
    void SetOffsetY(int value) { offsetY_ = value; }
    int MarginX() const { return marginX_; }
    void SetMarginX(int value) { marginX_ = value; }
    int MarginY() const { return marginY_; }
    void SetMarginY(int value) { marginY_ = value; }

    // The composing image the drawing code sizes and fills.
    QImage& Bitmap() const { return bitmap_; }

  private:
    QImage image_;
    TBackgroundPosition position_ = TBackgroundPosition::bpCenter;
    int offsetX_ = 0;
    int offsetY_ = 0;
    int marginX_ = 0;
    int marginY_ = 0;
    mutable QImage bitmap_;
};

// The line of a separator item.
class TSeparator : public TGradientBar {
  public:
    TSeparator();
    const char* ClassName() const override { return "TSeparator"; }
    void Assign(const TMenuPersistent& source) override;

    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    TGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TGradientType value) { gradientType_ = value; }
    int GradientWidth() const { return gradientWidth_; }
    void SetGradientWidth(int value) { gradientWidth_ = value; }
    int Margin() const { return margin_; }
    void SetMargin(int value) { margin_ = value; }

  private:
    int width_ = 1;
    TGradientType gradientType_ = TGradientType::gtBoth;
    int gradientWidth_ = 0;
    int margin_ = 2;
};

// A text drawn at an angle.
class TBarCaption : public TMenuPersistent {
  public:
    TBarCaption();
    const char* ClassName() const override { return "TBarCaption"; }
    void Assign(const TMenuPersistent& source) override;

    menus::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(menus::TAlignment value) { alignment_ = value; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { shadowColor_ = value; }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value) { highlightColor_ = value; }
    int Depth() const { return depth_; }
    void SetDepth(int value) { depth_ = value; }
    TDirection Direction() const { return direction_; }
    void SetDirection(TDirection value) { direction_ = value; }
    int CaptionMargin() const { return captionMargin_; }
    void SetCaptionMargin(int value) { captionMargin_ = value; }

  protected:
    virtual void FontChanged() {}

  private:
    menus::TAlignment alignment_ = menus::TAlignment::taLeftJustify;
    std::string caption_;
    CanvasFont font_;
    TColor shadowColor_ = clNone;
    TColor highlightColor_ = clNone;
    int depth_ = 1;
    TDirection direction_ = TDirection::dDownToUp;
    int captionMargin_ = 6;
};

// A band at the left edge of a drop-down or pop-up window, with its own
// background, picture, caption, border and splitter.
class TSideBar : public TBarCaption {
  public:
    TSideBar();
    const char* ClassName() const override { return "TSideBar"; }
    void Assign(const TMenuPersistent& source) override;
    void SetStyler(TCustomFxMenuStyler* styler) override;

    bool Visible() const { return visible_; }
    // Tells a main menu whose window exists; nothing else hears it.
    void SetVisible(bool value);
    TSideBarVisibleIn VisibleIn() const { return visibleIn_; }
    void SetVisibleIn(TSideBarVisibleIn value) { visibleIn_ = value; }
    const TBackground& Image() const { return image_; }
    TBackground& Image() { return image_; }
    void SetImage(const TBackground& value);
    const TBackground& Background() const { return background_; }
    TBackground& Background() { return background_; }
    void SetBackground(const TBackground& value);
    int Size() const { return size_; }
    void SetSize(int value) { size_ = value; }
    TColor SplitterColor() const { return splitterColor_; }
    void SetSplitterColor(TColor value) { splitterColor_ = value; }
    TColor SplitterColorTo() const { return splitterColorTo_; }
    void SetSplitterColorTo(TColor value) { splitterColorTo_ = value; }
    int SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(int value) { splitterWidth_ = value; }
    int SplitterMargin() const { return splitterMargin_; }
    void SetSplitterMargin(int value) { splitterMargin_ = value; }
    int SplitterGradientWidth() const { return splitterGradientWidth_; }
    void SetSplitterGradientWidth(int value) { splitterGradientWidth_ = value; }
    TGradientType SplitterGradientType() const { return splitterGradientType_; }
    void SetSplitterGradientType(TGradientType value) { splitterGradientType_ = value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }
    // The height of the window the side bar was last painted in.
    int PaintedHeight() const { return paintedHeight_; }
    void SetPaintedHeight(int value) const { paintedHeight_ = value; }

  protected:
    void FontChanged() override;

  private:
    bool visible_ = false;
    TSideBarVisibleIn visibleIn_ = TSideBarVisibleIn::viFirstVisible;
    TBackground image_;
    TBackground background_;
    int size_ = 24;
    TColor splitterColor_ = 0x808080;
    TColor splitterColorTo_ = 0x000000;
    int splitterWidth_ = 1;
    int splitterMargin_ = 0;
    int splitterGradientWidth_ = 0;
    TGradientType splitterGradientType_ = TGradientType::gtBoth;
    TColor borderColor_ = 0xA19D9D;
    mutable int paintedHeight_ = 0;
};

// The three small monochrome bitmaps of the items: the sub-menu arrow
// (4 x 7), the check tick (16 x 16) and the radio dot (16 x 16). Their ink
// is colour 0 (black): it is drawn in the colour the drawing code chooses;
// the colour of the bottom-left pixel is transparent.
class TMenuGlyphs : public TMenuPersistent {
  public:
    TMenuGlyphs();
    const char* ClassName() const override { return "TMenuGlyphs"; }
    void Assign(const TMenuPersistent& source) override;

    const QImage& SubMenu() const { return subMenu_; }
    void SetSubMenu(const QImage& value);
    const QImage& Check() const { return check_; }
    void SetCheck(const QImage& value);
    const QImage& Radio() const { return radio_; }
    void SetRadio(const QImage& value);

  private:
    QImage subMenu_;
    QImage check_;
    QImage radio_;
};

// The program's own glyph bitmaps, by resource name: "FXSUBMENUITEM",
// "FXCHECKITEM", "FXRADIOITEM" (a null image for another name).
QImage MenuGlyphResource(const std::string& name);

// The whole look of the styled menus. It serves every menu that attaches
// it (AttachMenu) until the menu detaches; when the styler is destroyed
// first, each of those menus hears it (StylerDestroyed) and drops it.
class TCustomFxMenuStyler : public QObject, public TLoadable {
    Q_OBJECT

  public:
    explicit TCustomFxMenuStyler(QObject* owner = nullptr);
    ~TCustomFxMenuStyler() override;

    virtual const char* ClassName() const { return "TCustomFxMenuStyler"; }
    // From a TFxMenuStyler: the seven appearance objects through their
    // setters, Font and UseSystemFont; any other source raises EAssignError.
    virtual void Assign(const TCustomFxMenuStyler& source);

    const TSideBar& SideBar() const { return sideBar_; }
    TSideBar& SideBar() { return sideBar_; }
    void SetSideBar(const TSideBar& value);
    const TBackground& Background() const { return background_; }
    TBackground& Background() { return background_; }
    void SetBackground(const TBackground& value);
    const TIconBar& IconBar() const { return iconBar_; }
    TIconBar& IconBar() { return iconBar_; }
    void SetIconBar(const TIconBar& value);
    const TSelectedItem& SelectedItem() const { return selectedItem_; }
    TSelectedItem& SelectedItem() { return selectedItem_; }
    void SetSelectedItem(const TSelectedItem& value);
    const TRootItem& RootItem() const { return rootItem_; }
    TRootItem& RootItem() { return rootItem_; }
    void SetRootItem(const TRootItem& value);
    const TMenuGlyphs& Glyphs() const { return glyphs_; }
    TMenuGlyphs& Glyphs() { return glyphs_; }
    void SetGlyphs(const TMenuGlyphs& value);
    const TSeparator& Separator() const { return separator_; }
    TSeparator& Separator() { return separator_; }
    void SetSeparator(const TSeparator& value);
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& value);
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool value);
    TColor MenuBorderColor() const { return menuBorderColor_; }
    void SetMenuBorderColor(TColor value) { menuBorderColor_ = value; }

    // A menu starts using this styler: it hears every change from now on,
    // and a look change at once. Attaching twice keeps one entry.
    void AttachMenu(IMenuStyleLink* menu);
    // The menu no longer uses this styler (it hears nothing more).
    void DetachMenu(IMenuStyleLink* menu);
    const std::vector<IMenuStyleLink*>& Menus() const { return menus_; }

    // Every attached menu hears a look change, or with rebuild a metrics
    // change.
    void NotifyMenus(bool rebuild) const;
    // A metrics change for every attached main menu whose window exists.
    void NotifyMainMenusWithWindow() const;
    // Every attached main menu redraws its menu bar.
    void RedrawMenuBars() const;

    // The composed background picture of a menu window, kept between items.
    QImage& CacheBitmap() const { return cache_; }
    // What the cached picture was composed from (size, picture, colours).
    std::size_t& CacheKey() const { return cacheKey_; }

  private:
    TSideBar sideBar_;
    TBackground background_;
    TIconBar iconBar_;
    TSelectedItem selectedItem_;
    TRootItem rootItem_;
    TMenuGlyphs glyphs_;
    TSeparator separator_;
    CanvasFont font_;
    bool useSystemFont_ = true;
    TColor menuBorderColor_ = 0x7C7C94;
    std::vector<IMenuStyleLink*> menus_;
    mutable QImage cache_;
    mutable std::size_t cacheKey_ = 0;
};

// The styler base with its properties published; a menu's internal default
// styler is one of these.
class TFxMenuStyler : public TCustomFxMenuStyler {
    Q_OBJECT

  public:
    using TCustomFxMenuStyler::TCustomFxMenuStyler;
    const char* ClassName() const override { return "TFxMenuStyler"; }
};

}  // namespace vx
