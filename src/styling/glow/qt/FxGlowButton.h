// The glow button: a push button that paints itself through the GDI+ layer
// with a two-half glass face, a rounded outline, a glyph, a caption and an
// optional drop-down part. Hovering and pressing fade between its colour
// sets in 40 ms steps; buttons join side by side (Position), latch as check
// buttons or form radio groups (GroupIndex), and take a look by number
// (IComponentStyle).
//
// The fade runs on a timer the button asks its timer factory for; a test
// gives a factory whose timers it ticks by hand.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "platform/paint/ImageList.h"
#include "platform/qt/ActionLink.h"
#include "platform/qt/CustomControl.h"
#include "styling/glow/GlowButtonRules.h"
#include "styling/toolbar/FxStyleIF.h"

namespace vx {

class TGDIPPicture;
class TFxHintInfo;
class TGlowButtonAppearance;

enum class TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum class TGlowBorderStyle { bsNone, bsSingle };
enum class TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum class TShortCutHintPos { shpLeft, shpTop, shpRight, shpBottom };
enum class TGlowButtonState { gsNormal, gsHot, gsDown };
enum class TButtonLayout {
    blGlyphLeft,
    blGlyphTop,
    blGlyphRight,
    blGlyphBottom,
    blGlyphLeftAdjusted,
    blGlyphRightAdjusted,
    blGlyphTopAdjusted,
    blGlyphBottomAdjusted
};
enum class TDropDownPosition { dpRight, dpBottom };
enum class TDropDownDirection { ddDown, ddRight };

// A repeating timer of the fade: Start runs `tick` every interval until the
// timer is destroyed.
class TFadeTimer {
  public:
    virtual ~TFadeTimer() = default;
    virtual void Start(int intervalMs, std::function<void()> tick) = 0;
};
using TFadeTimerFactory = std::function<std::unique_ptr<TFadeTimer>()>;

// The fade interval.
inline constexpr int kGlowFadeInterval = 40;

class TFxCustomGlowButton;

// Binds a glow button to its action: the action's checked state writes
// Down while the button's Down is the action's checked state as last seen
// (the button keeps the answer as its checked-linked flag), its group index
// and image index write the button's while the two group indexes are equal.
class TFxGlowButtonActionLink : public TControlActionLink {
    Q_OBJECT
  public:
    explicit TFxGlowButtonActionLink(TFxCustomGlowButton& client);
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;
    void SetImageIndex(int value) override;

  protected:
    void Change() override;

  private:
    TFxCustomGlowButton& button_;
};

class TFxCustomGlowButton : public TCustomControl, public IComponentStyle {
    Q_OBJECT
  public:
    explicit TFxCustomGlowButton(QWidget* parent = nullptr);
    ~TFxCustomGlowButton() override;

    // ---- published properties
    TAntiAlias AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(TAntiAlias v) { SetPublished(antiAlias_, v); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TGlowBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGlowBorderStyle v) { SetPublished(borderStyle_, v); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* v);
    TGDIPPicture& DisabledPicture() { return *disabledPicture_; }
    void SetDisabledPicture(const TGDIPPicture* v);
    TFocusType FocusType() const { return focusType_; }
    void SetFocusType(TFocusType v) { focusType_ = v; }
    TImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TImageList* v) { hotImages_ = v; }
    TGDIPPicture& HotPicture() { return *hotPicture_; }
    void SetHotPicture(const TGDIPPicture* v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v);
    int MarginHorz() const { return marginHorz_; }
    void SetMarginHorz(int v);
    int MarginVert() const { return marginVert_; }
    void SetMarginVert(int v);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    TFxHintInfo& OfficeHint() { return *officeHint_; }
    void SetOfficeHint(const TFxHintInfo* v);
    TGDIPPicture& Picture() { return *picture_; }
    void SetPicture(const TGDIPPicture* v);
    TButtonPosition Position() const { return position_; }
    void SetPosition(TButtonPosition v) { SetPublished(position_, v); }
    bool Rounded() const { return rounded_; }
    void SetRounded(bool v) { SetPublished(rounded_, v); }
    QString ShortCutHint() const { return shortCutHint_; }
    void SetShortCutHint(const QString& v) { shortCutHint_ = v; }
    TShortCutHintPos ShortCutHintPos() const { return shortCutHintPos_; }
    void SetShortCutHintPos(TShortCutHintPos v) { shortCutHintPos_ = v; }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v) { SetPublished(showCaption_, v); }
    bool ShowDisabled() const { return showDisabled_; }
    void SetShowDisabled(bool v) { SetPublished(showDisabled_, v); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { SetPublished(spacing_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }
    QString Version() const { return QStringLiteral("1.0.5.0"); }
    void SetVersion(const QString&) {}
    // The version as a number: high word 1.0, low word 5.0.
    virtual std::uint32_t GetVersionNr() const { return 0x01000500; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { SetPublished(wordWrap_, v); }

    std::function<void(TFxCustomGlowButton&)> OnMouseEnter;
    std::function<void(TFxCustomGlowButton&)> OnMouseLeave;
    std::function<void(TFxCustomGlowButton&, Canvas&, const TRect&, TGlowButtonState)> OnDrawButton;
    std::function<void(TFxCustomGlowButton&)> OnClick;
    std::function<void(TFxCustomGlowButton&)> OnDropDown;

    // ---- the rest of the behaviour, published by TFxGlowButton
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    TGlowButtonAppearance& Appearance() { return *appearance_; }
    void SetAppearance(const TGlowButtonAppearance* v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { SetPublished(layout_, v); }
    TFxButtonStyle Style() const { return style_; }
    void SetStyle(TFxButtonStyle v) { style_ = v; }
    bool DropDownButton() const { return dropDownButton_; }
    void SetDropDownButton(bool v);
    TDropDownPosition DropDownPosition() const { return dropDownPosition_; }
    void SetDropDownPosition(TDropDownPosition v);
    TDropDownDirection DropDownDirection() const { return dropDownDirection_; }
    void SetDropDownDirection(TDropDownDirection v) { SetPublished(dropDownDirection_, v); }
    bool DropDownSplit() const { return dropDownSplit_; }
    void SetDropDownSplit(bool v) { dropDownSplit_ = v; }
    QMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu* v) { dropDownMenu_ = v; }

    void SetComponentStyle(std::uint8_t code) override;
    // Hides and frees the shortcut-hint window, if one is set.
    void ReleasePopup();
    virtual void Click();
    // A key the dialog offers its buttons: Enter while this button answers
    // it as the default, Escape while it is the cancel button, with no
    // shift key, clicks it. Returns whether it was taken.
    bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
    // A character the dialog offers: the caption's accelerator (typed alone
    // or with Alt) clicks the button. Returns whether it was taken.
    bool DialogChar(const QString& typed, Qt::KeyboardModifiers modifiers);
    // Whether Enter clicks this button now: the focused glow button answers
    // it; with none focused, the default one.
    bool ActiveDefault() const { return activeDefault_; }

    // The action the button follows (null: none): its caption, enabled
    // state, hint and visibility, a custom action's image index and group
    // index (when checking defaults or while the button's is 0); a click
    // runs it.
    QAction* Action() const;
    void SetAction(QAction* action);
    TFxGlowButtonActionLink* ActionLink() const { return actionLink_.get(); }
    void ActionChange(QAction* sender, bool checkDefaults);

    // ---- the fade timer's source (a QTimer by default)
    void SetFadeTimerFactory(TFadeTimerFactory factory) { timerFactory_ = std::move(factory); }

    // ---- state, for the tool bar and for tests
    TGlowState ButtonState() const { return state_; }
    bool Hot() const { return hot_; }
    bool Entered() const { return entered_; }
    bool Pressing() const { return pressing_; }
    int HotStep() const { return hotStep_; }
    int DownStep() const { return downStep_; }
    bool Fading() const { return timer_ != nullptr; }
    bool CheckedLinked() const { return checkedLinked_; }

  protected:
    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    virtual void AfterPaint(Canvas&) {}
    virtual bool DropDown() { return false; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class TFxGlowButtonActionLink;
    void EnsureTimer();
    void FadeTick();
    void SizeRefresh();
    void BroadcastGroup();
    void ButtonPressed(int group, TFxCustomGlowButton* sender);
    void OpenDropDown();
    // Whether the cursor (in client coordinates) left or came back: a
    // change sends the button its own leave or enter.
    void TrackingTest(const QPoint& cursor);
    bool InsideClient(int x, int y) const;
    void SetState(TGlowState s, bool repaint);
    // The face routine: draws, or only measures the content (width, height).
    void DrawFace(Canvas& canvas, bool measure, int* contentWidth, int* contentHeight,
                  const TGlowColors& colors, bool idle, bool focusFrame, int dropState);

    TAntiAlias antiAlias_ = TAntiAlias::aaClearType;
    bool autoSize_ = false;
    TGlowBorderStyle borderStyle_ = TGlowBorderStyle::bsSingle;
    bool cancel_ = false;
    bool default_ = false;
    QPointer<TImageList> disabledImages_;
    std::unique_ptr<TGDIPPicture> disabledPicture_;
    TFocusType focusType_ = TFocusType::ftBorder;
    QPointer<TImageList> hotImages_;
    std::unique_ptr<TGDIPPicture> hotPicture_;
    int imageIndex_ = -1;
    QPointer<TImageList> images_;
    int marginHorz_ = 2;
    int marginVert_ = 2;
    int modalResult_ = 0;
    std::unique_ptr<TFxHintInfo> officeHint_;
    std::unique_ptr<TGDIPPicture> picture_;
    TButtonPosition position_ = TButtonPosition::bpStandalone;
    bool rounded_ = true;
    QString shortCutHint_;
    TShortCutHintPos shortCutHintPos_ = TShortCutHintPos::shpTop;
    bool showCaption_ = true;
    bool showDisabled_ = true;
    int spacing_ = 2;
    bool transparent_ = false;
    bool wordWrap_ = true;

    bool allowAllUp_ = false;
    std::unique_ptr<TGlowButtonAppearance> appearance_;
    bool down_ = false;
    int groupIndex_ = 0;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    TFxButtonStyle style_ = TFxButtonStyle::bsButton;
    bool dropDownButton_ = false;
    TDropDownPosition dropDownPosition_ = TDropDownPosition::dpRight;
    TDropDownDirection dropDownDirection_ = TDropDownDirection::ddDown;
    bool dropDownSplit_ = true;
    QPointer<QMenu> dropDownMenu_;

    TGlowState state_ = TGlowState::Up;
    bool hot_ = false;
    bool entered_ = false;
    bool tracking_ = false;
    bool pressing_ = false;
    bool rePress_ = false;
    bool held_ = false;
    bool pressBegan_ = false;
    bool overDropDown_ = false;
    bool menuShowing_ = false;
    bool activeDefault_ = false;
    bool checkedLinked_ = false;
    bool downWhileLoading_ = false;
    bool downLoadingSet_ = false;
    std::unique_ptr<TFadeTimer> timer_;
    int hotStep_ = 0;
    int downStep_ = 0;
    int increment_ = 0;
    int fadeTarget_ = 2;  // 0 hot fade, 1 down fade, 2 idle
    bool sizeDirty_ = true;
    bool sizeRequest_ = false;
    QPointer<QWidget> shortCutHintWindow_;
    QPointer<QWidget> keyWindow_;  // the window whose dialog keys it hears
    std::unique_ptr<TFxGlowButtonActionLink> actionLink_;
    TFadeTimerFactory timerFactory_;
};

class TFxGlowButton : public TFxCustomGlowButton {
    Q_OBJECT
  public:
    explicit TFxGlowButton(QWidget* parent = nullptr) : TFxCustomGlowButton(parent) {}
};

}  // namespace vx
