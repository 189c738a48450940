// The tool-bar styler: the look that dock panels and tool bars share
// (backgrounds, the right-hand handle, the drag grip, the floating window's
// border, the buttons' and captions' colours, the glow-button colour sets,
// the pager look and the menu styler their menus use). The office styler,
// which fills all of it from one of eleven colour sets, is in
// qt/FxToolBarOfficeStyler.h.
//
// Dock panels and tool bars register with one styler. Every change of a
// property is passed at once to each of them as a small change code
// (TStyleChange), after which a receiver re-reads its colours and repaints.
#pragma once

#include <QImage>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Colors.h"
#include "platform/Loadable.h"
#include "platform/paint/Canvas.h"
#include "styling/toolbar/FxStyleIF.h"
#include "styling/toolbar/GlowButtonAppearance.h"
#include "styling/toolbar/PagerAppearances.h"
#include "styling/toolbar/ToolBarAppearances.h"

namespace vx {

class TCustomFxMenuStyler;
class TFxMenuStyler;

// The change codes a styler passes to its dock panels and tool bars.
namespace TStyleChange {
inline constexpr int kBackGround = 1;   // background picture, font, picture mode
inline constexpr int kColors = 2;       // colours, borders, handle, captions
inline constexpr int kContainer = 4;    // the containers' separator line
inline constexpr int kDragGrip = 5;     // the drag grip's style: lay out again
inline constexpr int kMenuStyler = 6;   // the menu styler in use
inline constexpr int kGlowButtons = 7;  // the glow-button colour sets
inline constexpr int kPager = 10;       // tab, page and group looks
inline constexpr int kPagerCaption = 11;
}  // namespace TStyleChange

// What a dock panel or tool bar offers its styler.
class IToolBarStyleReceiver {
  public:
    // The object whose destruction ends the registration.
    virtual QObject* ReceiverObject() = 0;
    // A change code of the styler (TStyleChange).
    virtual void StylerChanged(int code) = 0;

  protected:
    ~IToolBarStyleReceiver() = default;
};

enum class TBackGroundDisplay { bdTile, bdCenter, bdStretch };
enum class TDragGripStyle { dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone };

class TCustomFxToolBarStyler : public QObject, public TLoadable {
    Q_OBJECT
  public:
    explicit TCustomFxToolBarStyler(QObject* owner = nullptr);
    ~TCustomFxToolBarStyler() override;

    // Takes the gradients, background picture and its modes, font, drag grip,
    // handle picture, floating-window border, caption and button colours of
    // the source (and the source's linked menu styler into the one in use);
    // nothing else.
    void Assign(const TCustomFxToolBarStyler& source);

    // Registered receivers, in the order they registered. Registering one
    // again changes nothing; a destroyed one leaves the list by itself.
    void AddControl(IToolBarStyleReceiver* control);
    void RemoveControl(IToolBarStyleReceiver* control);
    bool HasControl(const IToolBarStyleReceiver* control) const;
    int ControlCount() const;
    // Passes the code to every registered receiver, in order. A receiver
    // that unregisters or is destroyed during the pass is skipped from then
    // on; one that registers during it gets the next code.
    void NotifyControls(int code);

    // The linked menu styler; null makes the internal one the styler in use.
    // Cleared when the linked styler is destroyed. Either way: code 6.
    TCustomFxMenuStyler* FxMenuStyler() const { return fxMenuStyler_; }
    void SetFxMenuStyler(TCustomFxMenuStyler* styler);
    // The linked menu styler, else the internal "InternalMenuStyler".
    TCustomFxMenuStyler* CurrentMenuStyler() const;
    TFxMenuStyler* InternalMenuStyler() const { return internalMenuStyler_; }

    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool value) { autoThemeAdapt_ = value; }

    const QImage& BackGround() const { return backGround_; }
    void SetBackGround(const QImage& image);
    bool BackGroundTransparent() const { return backGroundTransparent_; }
    void SetBackGroundTransparent(bool value) { Store(backGroundTransparent_, value, 1); }
    TBackGroundDisplay BackGroundDisplay() const { return backGroundDisplay_; }
    void SetBackGroundDisplay(TBackGroundDisplay value) { Store(backGroundDisplay_, value, 1); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Store(borderColor_, value, 2); }
    TColor BorderColorHot() const { return borderColorHot_; }
    void SetBorderColorHot(TColor value) { Store(borderColorHot_, value, 2); }

    // Owned objects: a write copies into them.
    TButtonAppearance& ButtonAppearance() { return buttonAppearance_; }
    const TButtonAppearance& ButtonAppearance() const { return buttonAppearance_; }
    void SetButtonAppearance(const TButtonAppearance& value) { buttonAppearance_.Assign(value); }
    TCaptionAppearance& CaptionAppearance() { return captionAppearance_; }
    const TCaptionAppearance& CaptionAppearance() const { return captionAppearance_; }
    void SetCaptionAppearance(const TCaptionAppearance& value) { captionAppearance_.Assign(value); }
    const CanvasFont& CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const CanvasFont& font);
    TContainerAppearance& ContainerAppearance() { return containerAppearance_; }
    const TContainerAppearance& ContainerAppearance() const { return containerAppearance_; }
    void SetContainerAppearance(const TContainerAppearance& value) {
        containerAppearance_.Assign(value);
    }
    TGradientBackground& Color() { return color_; }
    const TGradientBackground& Color() const { return color_; }
    void SetColor(const TGradientBackground& value) { color_.Assign(value); }
    TGradientBackground& ColorHot() { return colorHot_; }
    const TGradientBackground& ColorHot() const { return colorHot_; }
    void SetColorHot(const TGradientBackground& value) { colorHot_.Assign(value); }
    TGlowButtonAppearance& CompactGlowButtonAppearance() { return compactGlow_; }
    const TGlowButtonAppearance& CompactGlowButtonAppearance() const { return compactGlow_; }
    void SetCompactGlowButtonAppearance(const TGlowButtonAppearance& value) {
        compactGlow_.Assign(value);
    }
    TGradientBackground& DockColor() { return dockColor_; }
    const TGradientBackground& DockColor() const { return dockColor_; }
    void SetDockColor(const TGradientBackground& value) { dockColor_.Assign(value); }
    TDragGripStyle DragGripStyle() const { return dragGripStyle_; }
    void SetDragGripStyle(TDragGripStyle value) { Store(dragGripStyle_, value, 5); }
    const QImage& DragGripImage() const { return dragGripImage_; }
    void SetDragGripImage(const QImage& image) { dragGripImage_ = image; }
    TColor FloatingWindowBorderColor() const { return floatingWindowBorderColor_; }
    void SetFloatingWindowBorderColor(TColor value) { Store(floatingWindowBorderColor_, value, 2); }
    int FloatingWindowBorderWidth() const { return floatingWindowBorderWidth_; }
    void SetFloatingWindowBorderWidth(int value) { Store(floatingWindowBorderWidth_, value, 2); }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font);
    TGlowButtonAppearance& GlowButtonAppearance() { return glow_; }
    const TGlowButtonAppearance& GlowButtonAppearance() const { return glow_; }
    void SetGlowButtonAppearance(const TGlowButtonAppearance& value) { glow_.Assign(value); }
    TGroupAppearance& GroupAppearance() { return groupAppearance_; }
    const TGroupAppearance& GroupAppearance() const { return groupAppearance_; }
    void SetGroupAppearance(const TGroupAppearance& value) { groupAppearance_.Assign(value); }
    TVistaBackground& PageAppearance() { return pageAppearance_; }
    const TVistaBackground& PageAppearance() const { return pageAppearance_; }
    void SetPageAppearance(const TVistaBackground& value) { pageAppearance_.Assign(value); }
    TVistaTextBackground& PagerCaption() { return pagerCaption_; }
    const TVistaTextBackground& PagerCaption() const { return pagerCaption_; }
    void SetPagerCaption(const TVistaTextBackground& value) { pagerCaption_.Assign(value); }
    const QImage& RightHandleImage() const { return rightHandleImage_; }
    void SetRightHandleImage(const QImage& image);
    TColor RightHandleColor() const { return rightHandleColor_; }
    void SetRightHandleColor(TColor value) { Store(rightHandleColor_, value, 2); }
    TColor RightHandleColorTo() const { return rightHandleColorTo_; }
    void SetRightHandleColorTo(TColor value) { Store(rightHandleColorTo_, value, 2); }
    TColor RightHandleColorHot() const { return rightHandleColorHot_; }
    void SetRightHandleColorHot(TColor value) { Store(rightHandleColorHot_, value, 2); }
    TColor RightHandleColorHotTo() const { return rightHandleColorHotTo_; }
    void SetRightHandleColorHotTo(TColor value) { Store(rightHandleColorHotTo_, value, 2); }
    TColor RightHandleColorDown() const { return rightHandleColorDown_; }
    void SetRightHandleColorDown(TColor value) { Store(rightHandleColorDown_, value, 2); }
    TColor RightHandleColorDownTo() const { return rightHandleColorDownTo_; }
    void SetRightHandleColorDownTo(TColor value) { Store(rightHandleColorDownTo_, value, 2); }
    TTabAppearance& TabAppearance() { return tabAppearance_; }
    const TTabAppearance& TabAppearance() const { return tabAppearance_; }
    void SetTabAppearance(const TTabAppearance& value) { tabAppearance_.Assign(value); }

    // Read by the painters of tool bars and dock panels.
    bool RoundedEdges() const { return roundedEdges_; }
    // Always sends code 2, changed or not.
    void SetRoundedEdges(bool value);
    // 0 none, 1 lowered, 2 raised, 3 drawn like 2.
    std::uint8_t ToolBarBevel() const { return toolBarBevel_; }
    void SetToolBarBevel(std::uint8_t value) { Store(toolBarBevel_, value, 2); }
    bool ShowToolBarBevel() const { return showToolBarBevel_; }
    void SetShowToolBarBevel(bool value) { Store(showToolBarBevel_, value, 2); }
    // The code a tool bar hands to its controls that take one; 8 hands
    // nothing on.
    std::uint8_t ComponentStyleCode() const { return componentStyleCode_; }

  protected:
    void SetComponentStyleCode(std::uint8_t code) { componentStyleCode_ = code; }

  private:
    template <typename T>
    void Store(T& field, const T& value, int code) {
        if (field == value) return;
        field = value;
        NotifyControls(code);
    }
    void Hook(TToolBarPersistent& object, int code);
    void Purge();

    struct Entry {
        QPointer<QObject> object;
        IToolBarStyleReceiver* receiver = nullptr;
    };
    std::vector<Entry> controls_;

    TCustomFxMenuStyler* fxMenuStyler_ = nullptr;
    QMetaObject::Connection fxMenuStylerGone_;
    TFxMenuStyler* internalMenuStyler_ = nullptr;
    bool autoThemeAdapt_ = false;
    QImage backGround_;
    bool backGroundTransparent_ = true;
    TBackGroundDisplay backGroundDisplay_ = TBackGroundDisplay::bdTile;
    TColor borderColor_ = clNone;
    TColor borderColorHot_ = clNone;
    TButtonAppearance buttonAppearance_;
    TCaptionAppearance captionAppearance_;
    CanvasFont captionFont_;
    TContainerAppearance containerAppearance_;
    TGradientBackground color_;
    TGradientBackground colorHot_;
    TGlowButtonAppearance compactGlow_;
    TGradientBackground dockColor_;
    TDragGripStyle dragGripStyle_ = TDragGripStyle::dsDots;
    QImage dragGripImage_;
    TColor floatingWindowBorderColor_ = 0x6D6D6D;
    int floatingWindowBorderWidth_ = 2;
    CanvasFont font_;
    TGlowButtonAppearance glow_;
    TGroupAppearance groupAppearance_;
    TVistaBackground pageAppearance_;
    TVistaTextBackground pagerCaption_;
    QImage rightHandleImage_;
    TColor rightHandleColor_ = 0x9E9E9E;
    TColor rightHandleColorTo_ = 0x000000;
    TColor rightHandleColorHot_ = 0xD2BDB6;
    TColor rightHandleColorHotTo_ = 0x000000;
    TColor rightHandleColorDown_ = 0x76C1FF;
    TColor rightHandleColorDownTo_ = 0x2DA0FF;
    TTabAppearance tabAppearance_;
    bool roundedEdges_ = true;
    std::uint8_t toolBarBevel_ = 0;
    bool showToolBarBevel_ = false;
    std::uint8_t componentStyleCode_ = 0;
};

}  // namespace vx
