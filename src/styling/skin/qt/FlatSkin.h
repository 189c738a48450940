// The flat skin of a dialog: a component that the dialog holds, which, once
// active and once the dialog's controls exist, hooks the standard controls
// its sets select (each painted flat over its own painting by a
// TControlSubClass) and gives the dialog's own menus flat items.
//
// Controls are told apart by Qt's meta-object, so the skin knows the panels
// and group boxes of the widget family by class name without depending on
// them. A control's tag is its dynamic property "Tag" (SetControlTag).
#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

#include "platform/Colors.h"
#include "styling/skin/SkinColors.h"
#include "styling/skin/SkinSets.h"

class QPainter;
class QWidget;
class QStyle;

namespace vx {

class TControlSubClass;

// The kind a widget has for the skin, or none when it is not skinned.
std::optional<TSkinControl> SkinControlKind(const QWidget* widget);
// The kind of container a widget is for the skin (the owner form counts as
// a form), or none.
std::optional<TSkinContainer> SkinContainerKind(const QWidget* widget);
// The tag of a control (0 when it has none).
int ControlTag(const QObject* object);
void SetControlTag(QObject* object, int tag);

// Bitmap helpers of the skin: every pixel greyed or lightened (the last
// result reused while the pixel's colour repeats), and a bitmap's shadow
// (every pixel but those of its transparent colour, the bottom-left one).
QImage GrayBitmap(const QImage& bitmap, int amount);
QImage DimBitmap(const QImage& bitmap, int percent);
void DrawBitmapShadow(const QImage& bitmap, QPainter& painter, int x, int y, TColor color);

class TFlatSkin : public QObject {
    Q_OBJECT
  public:
    // owner: the form whose controls the skin walks; it must exist.
    explicit TFlatSkin(QWidget* owner);
    ~TFlatSkin() override;

    // A skin with the values every dialog of the tool stores: active, flat
    // menus, everything else as constructed.
    static TFlatSkin* ForDialog(QWidget* dialog);

    QWidget* Owner() const { return owner_; }

    int DimLevel() const { return dimLevel_; }
    void SetDimLevel(int v) { dimLevel_ = v; }
    int GrayLevel() const { return grayLevel_; }
    void SetGrayLevel(int v) { grayLevel_ = v; }
    const QFont& Font() const { return font_; }
    TColor FontColor() const { return fontColor_; }
    void SetFont(const QFont& font, TColor color);
    TColor Color() const { return colors_.color; }
    void SetColor(TColor c) { colors_.color = c; }
    TColor IconBackColor() const { return colors_.iconBackColor; }
    void SetIconBackColor(TColor c) { colors_.iconBackColor = c; }
    TColor MenuBarColor() const { return colors_.menuBarColor; }
    void SetMenuBarColor(TColor c);
    TColor SelectColor() const { return colors_.selectColor; }
    void SetSelectColor(TColor c) { colors_.selectColor = c; }
    TColor SelectBorderColor() const { return colors_.selectBorderColor; }
    void SetSelectBorderColor(TColor c) { colors_.selectBorderColor = c; }
    TColor SelectFontColor() const { return colors_.selectFontColor; }
    void SetSelectFontColor(TColor c) { colors_.selectFontColor = c; }
    TColor DisabledColor() const { return colors_.disabledColor; }
    void SetDisabledColor(TColor c) { colors_.disabledColor = c; }
    TColor SeparatorColor() const { return colors_.separatorColor; }
    void SetSeparatorColor(TColor c) { colors_.separatorColor = c; }
    TColor CheckedColor() const { return colors_.checkedColor; }
    void SetCheckedColor(TColor c) { colors_.checkedColor = c; }
    int IconWidth() const { return iconWidth_; }
    void SetIconWidth(int w) { iconWidth_ = w; }
    bool DrawSelect() const { return drawSelect_; }
    void SetDrawSelect(bool v) { drawSelect_ = v; }
    bool UseSystemColors() const { return colors_.useSystemColors; }
    void SetUseSystemColors(bool v);
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void SetOverrideOwnerDraw(bool v) { overrideOwnerDraw_ = v; }
    bool Gradient() const { return gradient_; }
    void SetGradient(bool v) { gradient_ = v; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool v) { flatMenu_ = v; }
    bool AutoDetect() const { return autoDetect_; }
    void SetAutoDetect(bool v) { autoDetect_ = v; }
    TSkinContainers SkinContainers() const { return containers_; }
    void SetSkinContainers(TSkinContainers set);
    TSkinControls SkinControls() const { return controls_; }
    void SetSkinControls(TSkinControls set);
    bool Active() const { return active_; }
    // Activating hooks the controls at once when the owner's controls
    // exist (the owner has been polished), else when Qt first polishes it.
    void SetActive(bool active);

    // The look of the true-XP colour set.
    bool ControlUseTrueXPStyle() const { return trueXP_; }
    void SetControlUseTrueXPStyle(bool v);
    int BtnRoundArc() const { return roundArc_; }
    void SetBtnRoundArc(int v) { roundArc_ = v; }
    struct TXPColors {
        TColor outLineBorder = 0x733C00;
        TColor innerBorderMove = 0x31B2FF;
        TColor innerBorderFocus = 0xE7AE8C;
        TColor surfaceNormal = 0xF7FBFF;
        TColor surfaceDown = 0xDEE7E7;
        TColor surfaceBottomLine = 0xDEE7E7;
        TColor surfaceDownBottomLine = 0xE7EBEF;
        TColor rdoChkControlChk = 0x00A200;
        TColor comboBoxChk = 0x8C694A;
        TColor comboboxSurfaceMove = 0xFFE7D6;
        TColor controlDisabledBorder = 0xB5C7C6;
        TColor comboDropped = 0xF7A28C;
    };
    const TXPColors& XPColors() const { return xp_; }
    TXPColors& XPColors() { return xp_; }
    // Whether a control is painted in the XP look (else the plain flat look).
    bool XPLook(const QWidget* control) const;

    // The walk over the container's controls (always the owner form):
    // enabling hooks what the sets select, disabling unhooks; repaint asks
    // each candidate to repaint.
    void Activate(QWidget* container, bool enable, bool repaint);

    // The colour preparation before a paint on a surface of the given depth
    // in bits per pixel.
    const TSkinWorkingColors& SetGlobalColor(int depth);
    const TSkinWorkingColors& Working() const { return working_; }

    // The icon routine of menu items and glyph buttons.
    void DrawItemIcon(QPainter& painter, QImage bitmap, const QRect& rect, bool rightToLeft,
                      bool topLevel, bool menuItem, bool checked, bool enabled, bool focused,
                      bool hot) const;
    // The item-text routine: text (with "&" prefixes) in rect by DrawText
    // flags; background is the colour under the text (for the embossed look
    // of a default item); shortcut drawn right-aligned 10 pixels in.
    void DrawItemText(QPainter& painter, const QString& text, unsigned flags, const QFont& font,
                      TColor fontColor, bool rightToLeft, bool topLevel, bool isDefault,
                      bool enabled, bool selected, QRect rect, TColor background,
                      const QString& shortcut) const;

    // Gives the sub-menus of a hooked menu the flat items too, so that
    // sub-menus added after the walk are drawn flat.
    void HookSubMenus(QWidget* menu);

    // The hooks in place (one per control).
    TControlSubClass* SubClassOf(const QWidget* control) const;
    int HookedCount() const;
    // The style that draws the flat menu items.
    QStyle* MenuStyle() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetSets(TSkinControls controls, TSkinContainers containers);
    void Walk(bool enable, bool repaint);
    // A menu that publishes OwnerDraw (the styled menus) has it set to enable.
    void SetMenuOwnerDraw(QWidget* menu, bool enable);
    void HookMenu(QWidget* menu, bool enable);
    void RefreshMenuBar();
    void Forget(TControlSubClass* sub);

    QPointer<QWidget> owner_;
    int dimLevel_ = 30;
    int grayLevel_ = 10;
    QFont font_;
    TColor fontColor_ = clMenuText;
    TSkinColorSettings colors_;
    int iconWidth_ = 24;
    bool drawSelect_ = true;
    bool overrideOwnerDraw_ = false;
    bool gradient_ = false;
    bool flatMenu_ = false;
    bool autoDetect_ = false;
    TSkinContainers containers_ = kAllSkinContainers;
    TSkinControls controls_ = kAllSkinControls;
    bool active_ = false;
    bool walkPending_ = false;
    bool trueXP_ = true;
    int roundArc_ = 5;
    TXPColors xp_;
    TSkinWorkingColors working_;
    std::vector<TControlSubClass*> subs_;
    std::vector<QPointer<QWidget>> menus_;
    QStyle* menuStyle_ = nullptr;
};

}  // namespace vx
