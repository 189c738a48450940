// The controls that stand on a tool bar: the button (push, check, group
// member, with a drop-down part) and the separator. Both look windowless:
// each starts its painting with the tool bar's last painting under it, so
// the bar's gradient shows through an up button without the bar being
// painted again for every button.
#pragma once

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <memory>

#include "platform/qt/ActionLink.h"
#include "platform/qt/CustomControl.h"
#include "styling/gdiplus/FxHintInfo.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/ToolBarAppearances.h"
#include "styling/toolbar/ToolBarButtonRules.h"
#include "styling/toolbar/ToolBarLayout.h"

class QShortcut;

namespace vx {

class TFxCustomToolBar;
class TCustomFxToolBarStyler;
class TImageList;
class TFxToolBarButtonActionLink;

// Base of every control that stands on a tool bar: knows its bar (its
// parent, when that is a tool bar) and the bar's orientation.
class TFxCustomToolBarControl : public TCustomControl, public IBarControl {
    Q_OBJECT
  public:
    explicit TFxCustomToolBarControl(QWidget* parent = nullptr);

    // The tool bar it stands on, or that lent it to its option window; null
    // when its parent is no tool bar.
    TFxCustomToolBar* FxToolBar() const;
    // The bar that lends it out (null: back on its bar).
    void SetLender(TFxCustomToolBar* bar);
    bool ControlOnBar() const override;
    void ReturnToBar() override;
    // Moves the control onto the bar (nothing when it is there already).
    virtual void SetFxToolBar(TFxCustomToolBar* bar);

    TDockAlign Position() const { return position_; }
    void SetPosition(TDockAlign position);
    bool HorizontalBar() const { return IsHorizontalDock(position_); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // Takes the size the control's contents ask for (with AutoSize; not
    // while loading).
    void AdjustSize() {
        if (!IsLoading()) Measure();
    }
    // The bar, loaded, sizes its controls before it arranges them.
    void SizeForBar();

    // ---- what the bar's layout reads and moves
    TRect ControlBounds() const override;
    void MoveControl(int left, int top) override { move(left, top); }
    bool ControlVisible() const override { return !isHidden(); }
    void SetControlPosition(TDockAlign align) override { SetPosition(align); }

  protected:
    // Takes the size for the contents, loading or not.
    virtual void Measure() {}
    // Starts the painting with what the tool bar painted under the control.
    void PaintBackground(Canvas& canvas);
    void ParentChanged() override;
    void Loaded() override;
    // The bar's thickness less 4 (and its caption), the most an auto-sized
    // control may take across it; 0 without a bar.
    int AcrossLimit() const;

  private:
    TDockAlign position_ = TDockAlign::daTop;
    bool autoSize_ = true;
    QPointer<TFxCustomToolBar> lender_;
};

// Explicit offsets of a button's image and caption.
struct TFxToolBarButtonDrawPosition {
    bool enabled = false;
    int textX = 0;
    int textY = 0;
    int imageX = 0;
    int imageY = 0;
    bool operator==(const TFxToolBarButtonDrawPosition&) const = default;
};

class TFxCustomToolBarButton : public TFxCustomToolBarControl {
    Q_OBJECT
  public:
    explicit TFxCustomToolBarButton(QWidget* parent = nullptr);
    ~TFxCustomToolBarButton() override;

    // ---- published properties
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    bool Down() const { return down_; }
    // Writes from the program: a push button outside a group never stays
    // down; a check button shows checked or up; the pressed member of a
    // group without AllowAllUp is released only by pressing another.
    void SetDown(bool v);
    TFxToolButtonStyle Style() const { return style_; }
    void SetStyle(TFxToolButtonStyle v);
    bool DropDownButton() const { return dropDownButton_; }
    void SetDropDownButton(bool v);
    QMenu* DropDownMenu() const { return dropDownMenu_.data(); }
    void SetDropDownMenu(QMenu* menu) { dropDownMenu_ = menu; }
    bool DropDownSplit() const { return dropDownSplit_; }
    void SetDropDownSplit(bool v) { dropDownSplit_ = v; }
    TGlyphPosition GlyphPosition() const { return glyphPosition_; }
    void SetGlyphPosition(TGlyphPosition v);
    const TFxToolBarButtonDrawPosition& DrawPosition() const { return drawPosition_; }
    void SetDrawPosition(const TFxToolBarButtonDrawPosition& v) { SetPublished(drawPosition_, v); }
    TButtonAppearance& Appearance() { return appearance_; }
    void SetAppearance(const TButtonAppearance& v) { appearance_.Assign(v); }
    bool ParentStyler() const { return parentStyler_; }
    void SetParentStyler(bool v) { SetPublished(parentStyler_, v); }
    bool Shaded() const { return shaded_; }
    void SetShaded(bool v);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);

    // The action the button follows (null: none). Its caption, enabled
    // state, hint and visibility follow into the button, and, for a custom
    // action, its image index and its group index (while the button has
    // none); its checked state follows as Down while the button shows it.
    // A click runs the action.
    QAction* Action() const;
    void SetAction(QAction* action);
    TFxToolBarButtonActionLink* ActionLink() const { return actionLink_.get(); }
    // Takes the action's values; with checkDefaults (while loading) only
    // where the button still has its default.
    virtual void ActionChange(QAction* sender, bool checkDefaults);
    // The image list and index the button shows its picture from: those of
    // its custom action when the action's list has images, else the bar's
    // Images and ImageIndex; null without a list or with an index below 0.
    TImageList* ButtonImages(int* index) const;

    // Bitmap glyphs, drawn with their bottom-left pixel's colour left out.
    // Writing Glyph gives an empty GlyphDisabled its grey copy.
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& image);
    const QImage& GlyphHot() const { return glyphHot_; }
    void SetGlyphHot(const QImage& image) { glyphHot_ = image; }
    const QImage& GlyphDown() const { return glyphDown_; }
    void SetGlyphDown(const QImage& image) { glyphDown_ = image; }
    const QImage& GlyphDisabled() const { return glyphDisabled_; }
    void SetGlyphDisabled(const QImage& image) { glyphDisabled_ = image; }
    const QImage& GlyphChecked() const { return glyphChecked_; }
    void SetGlyphChecked(const QImage& image) { glyphChecked_ = image; }
    // A picture drawn as it is, when there is neither image nor glyph.
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& image);
    // Kept beside Picture; the button draws Picture in every state.
    const QImage& PictureDisabled() const { return pictureDisabled_; }
    void SetPictureDisabled(const QImage& image);
    // The office hint's contents (held; given ones are copied).
    TFxHintInfo& OfficeHint() { return officeHint_; }
    void SetOfficeHint(const TFxHintInfo* v) { officeHint_.Assign(v); }

    QString Hint() const { return toolTip(); }
    void SetHint(const QString& hint) { setToolTip(hint); }
    QString Version() const { return QStringLiteral("1.2.1.0"); }
    virtual bool IsMenuButton() const { return false; }
    // 1.2.1.0, one byte each, the first number in the top byte.
    virtual unsigned GetVersionNr() const { return 0x01020100u; }

    // ---- state
    TToolButtonState State() const { return state_; }
    bool Hot() const { return hot_; }
    // Made or unmade the bar's hot button (the bar keeps at most one).
    void SetHot(bool hot);
    // Enters or leaves as the pointer stands now: over the button or not
    // (for the bar, when no enter or leave came for the button).
    void FollowMouse(bool over);
    const QImage& ShadowGlyphImage() const { return shadow_; }
    // A shaded button makes its shadow glyph again (the bar's pictures or
    // looks changed).
    void RebuildShadow() {
        if (shaded_) BuildShadow();
    }
    TBarControlKind ControlKind() const override { return TBarControlKind::bcButton; }
    // Raises the click as a release inside would (OnClick, then the bar
    // hears of it); the mnemonic of the tool bar uses it.
    virtual void Click();
    // The button's part of the group message: a member of the same group
    // that was pressed (sender) releases this one when both are down.
    void ButtonPressed(int groupIndex, TFxCustomToolBarButton* sender);

  signals:
    void Clicked();
    void DropDown();
    void MouseEntered();
    void MouseLeft();

  protected:
    void Measure() override;
    void Paint(Canvas& canvas) override;
    virtual void DrawButton(Canvas& canvas);
    // The colours a state gives the face and the drop-down part.
    struct TPartColors {
        TColor from = clNone, to = clNone, border = clNone, text = clNone;
        TColor ddFrom = clNone, ddTo = clNone;
        bool gradientHorizontal = false;
    };
    // Fills and frames the face and the drop-down part, draws the open
    // menu's outline and the arrow, then the glyph (Glyph when the state's
    // own is empty) and the caption.
    void DrawButtonParts(Canvas& canvas, const TPartColors& colors, const QImage* glyph);
    virtual void DrawButtonFace(Canvas& canvas, const TRect& face, const QImage& glyph,
                                TColor textColor);
    void Loaded() override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // For buttons that draw or press themselves (the menu button).
    bool Pressed() const { return pressed_; }
    void SetState(TToolButtonState state) { state_ = state; }

    // The bar's styler's button look (with ParentStyler), else its own.
    const TButtonAppearance& Look() const;

  private:
    CanvasFont CaptionFontInUse() const;
    TImageList* ImageSource(bool* disabledList, int* index) const;
    bool Inside(int x, int y) const;
    void GroupUpdate();
    void BuildShadow();
    void Track();
    void UpdateMnemonic();

    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool downWhileLoading_ = false;
    TFxToolButtonStyle style_ = TFxToolButtonStyle::tasButton;
    bool dropDownButton_ = false;
    QPointer<QMenu> dropDownMenu_;
    bool dropDownSplit_ = true;
    TGlyphPosition glyphPosition_ = TGlyphPosition::gpLeft;
    TFxToolBarButtonDrawPosition drawPosition_;
    TButtonAppearance appearance_;
    bool parentStyler_ = true;
    bool shaded_ = true;
    bool showCaption_ = false;
    int imageIndex_ = -1;
    QImage glyph_, glyphHot_, glyphDown_, glyphDisabled_, glyphChecked_, picture_;
    QImage shadow_;
    bool shadowFromList_ = false;
    QImage pictureDisabled_;
    TFxHintInfo officeHint_;

    TToolButtonState state_ = TToolButtonState::bsUp;
    bool mouseInControl_ = false;
    bool hot_ = false;
    bool pressed_ = false;
    bool dragging_ = false;
    bool menuShowing_ = false;
    QShortcut* mnemonic_ = nullptr;  // Alt+the caption's accelerator
    std::unique_ptr<TFxToolBarButtonActionLink> actionLink_;
};

// The link of a button to its action: Checked writes Down while the
// button's Down is the action's checked state as last seen, GroupIndex
// writes the button's while the two group indexes are equal.
class TFxToolBarButtonActionLink : public TControlActionLink {
    Q_OBJECT
  public:
    explicit TFxToolBarButtonActionLink(TFxCustomToolBarButton& client)
        : TControlActionLink(client), button_(client) {}
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;

  protected:
    void Change() override { button_.ActionChange(Action(), false); }

  private:
    TFxCustomToolBarButton& button_;
};

// The published button; adds nothing.
class TFxToolBarButton : public TFxCustomToolBarButton {
    Q_OBJECT
  public:
    using TFxCustomToolBarButton::TFxCustomToolBarButton;
};

class TFxToolBarSeparator : public TFxCustomToolBarControl {
    Q_OBJECT
  public:
    explicit TFxToolBarSeparator(QWidget* parent = nullptr);

    TFxSeparatorStyle SeparatorStyle() const { return separatorStyle_; }
    void SetSeparatorStyle(TFxSeparatorStyle v) { SetPublished(separatorStyle_, v); }
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor v) { SetPublished(lineColor_, v); }
    void Assign(const TFxToolBarSeparator& source);

    TBarControlKind ControlKind() const override { return TBarControlKind::bcSeparator; }

  protected:
    void Measure() override;
    void Paint(Canvas& canvas) override;

  private:
    TFxSeparatorStyle separatorStyle_ = TFxSeparatorStyle::ssOffice2003;
    TColor lineColor_ = clBtnShadow;
};

}  // namespace vx
