#include "styling/glow/qt/FxGlowButton.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/paint/ImageList.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/gdiplus/FxHintInfo.h"
#include "styling/gdiplus/GDIPicture.h"
#include "styling/toolbar/GlowButtonAppearance.h"

namespace vx {

namespace {

// The fade timer of a running program: a QTimer, deleted later so that the
// tick that ends a fade may free its own timer.
class QtFadeTimer final : public TFadeTimer {
  public:
    QtFadeTimer() : timer_(new QTimer) {}
    ~QtFadeTimer() override {
        timer_->stop();
        timer_->deleteLater();
    }
    void Start(int intervalMs, std::function<void()> tick) override {
        QObject::connect(timer_, &QTimer::timeout, timer_, std::move(tick));
        timer_->start(intervalMs);
    }

  private:
    QTimer* timer_;
};

bool IsGlyphLeft(TButtonLayout l) {
    return l == TButtonLayout::blGlyphLeft || l == TButtonLayout::blGlyphLeftAdjusted;
}
bool IsGlyphTop(TButtonLayout l) {
    return l == TButtonLayout::blGlyphTop || l == TButtonLayout::blGlyphTopAdjusted;
}
bool IsGlyphRight(TButtonLayout l) {
    return l == TButtonLayout::blGlyphRight || l == TButtonLayout::blGlyphRightAdjusted;
}

// One half of the face: a plain fill, then the gradient over it.
void HalfFill(Canvas& canvas, TGPGraphics& graphics, const TRect& r, bool upper,
              TGDIPGradient gradient, TColor a, TColor b) {
    const TColor plain = upper ? a : b;
    if (plain != clNone) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = plain;
        canvas.FillRect(r);
    }
    if (a == clNone || b == clNone) return;
    const int w = r.Width();
    const int h = r.Height();
    // A linear gradient runs from a to b in either half; a radial one has b
    // at the centre of the upper half and a at the centre of the lower.
    const bool radial = gradient == TGDIPGradient::ggRadial;
    const TGPRectF box =
        radial ? MakeRect(r.left, upper ? r.top - h / 2 + 2 : r.top, r.right, r.bottom)
               : MakeRect(r.left, r.top, w, h);
    const bool centreA = radial && !upper;
    FillGlassHalf(graphics, gradient, centreA ? b : a, centreA ? a : b, box,
                  MakePoint(r.left + w / 2, upper ? r.top : r.bottom),
                  MakeRect(r.left, r.top, w, h));
}

TColor PixelColor(const QImage& image, const QPoint& p) {
    return ToTColor(image.pixelColor(p));
}

// The colours of one part of a split face, darkened or not.
TGlowColors Darkened(TGlowColors c) {
    c.color = ScaleColor(c.color, -10);
    c.colorTo = ScaleColor(c.colorTo, -10);
    c.mirror = ScaleColor(c.mirror, -10);
    c.mirrorTo = ScaleColor(c.mirrorTo, -10);
    return c;
}

void FillUpper(Canvas& canvas, TGPGraphics& g, const TRect& r, const TGlowColors& c) {
    HalfFill(canvas, g, r, true, c.gradient, c.color, c.colorTo);
}
void FillLower(Canvas& canvas, TGPGraphics& g, const TRect& r, const TGlowColors& c) {
    HalfFill(canvas, g, r, false, c.gradientMirror, c.mirrorTo, c.mirror);
}

void Line(TGPGraphics& g, TColor color, int x1, int y1, int x2, int y2) {
    TGPPen pen(ColorToARGB(color), 1);
    TGPGraphicsPath path;
    path.AddLine(x1, y1, x2, y2);
    g.DrawPath(&pen, &path);
}

}  // namespace

// ---- the action link

TFxGlowButtonActionLink::TFxGlowButtonActionLink(TFxCustomGlowButton& client)
    : TControlActionLink(client), button_(client) {}

bool TFxGlowButtonActionLink::IsCheckedLinked() {
    button_.checkedLinked_ =
        TControlActionLink::IsCheckedLinked() && Seen().checked == button_.Down();
    return button_.checkedLinked_;
}

bool TFxGlowButtonActionLink::IsGroupIndexLinked() const {
    return Seen().groupIndex == button_.GroupIndex();
}

void TFxGlowButtonActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) button_.SetDown(value);
}

void TFxGlowButtonActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) button_.SetGroupIndex(value);
}

void TFxGlowButtonActionLink::SetImageIndex(int value) {
    if (IsGroupIndexLinked()) button_.SetImageIndex(value);
}

void TFxGlowButtonActionLink::Change() {
    button_.ActionChange(Action(), false);
    IsCheckedLinked();
}

// ---- the button

TFxCustomGlowButton::TFxCustomGlowButton(QWidget* parent)
    : TCustomControl(parent),
      disabledPicture_(std::make_unique<TGDIPPicture>()),
      hotPicture_(std::make_unique<TGDIPPicture>()),
      officeHint_(std::make_unique<TFxHintInfo>()),
      picture_(std::make_unique<TGDIPPicture>()),
      appearance_(std::make_unique<TGlowButtonAppearance>()) {
    resize(100, 41);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    picture_->OnChange = [this] { SizeRefresh(); };
    disabledPicture_->OnChange = [this] { Invalidate(); };
    timerFactory_ = [] { return std::make_unique<QtFadeTimer>(); };
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        auto* glow = qobject_cast<TFxCustomGlowButton*>(now);
        activeDefault_ = glow != nullptr ? glow == this : default_;
    });
}

TFxCustomGlowButton::~TFxCustomGlowButton() {
    ReleasePopup();
    timer_.reset();
}

void TFxCustomGlowButton::SetAutoSize(bool v) {
    if (autoSize_ == v) return;
    autoSize_ = v;
    SizeRefresh();
}

void TFxCustomGlowButton::SetDisabledImages(TImageList* v) {
    if (disabledImages_ == v) return;
    disabledImages_ = v;
    Invalidate();
}

void TFxCustomGlowButton::SetDisabledPicture(const TGDIPPicture* v) {
    disabledPicture_->Assign(v);
    Invalidate();
}

void TFxCustomGlowButton::SetHotPicture(const TGDIPPicture* v) {
    hotPicture_->Assign(v);
}

void TFxCustomGlowButton::SetImageIndex(int v) {
    if (imageIndex_ == v) return;
    imageIndex_ = v;
    SizeRefresh();
}

void TFxCustomGlowButton::SetImages(TImageList* v) {
    if (images_ == v) return;
    images_ = v;
    Invalidate();
}

void TFxCustomGlowButton::SetMarginHorz(int v) {
    if (marginHorz_ == v) return;
    marginHorz_ = v;
    SizeRefresh();
}

void TFxCustomGlowButton::SetMarginVert(int v) {
    if (marginVert_ == v) return;
    marginVert_ = v;
    SizeRefresh();
}

void TFxCustomGlowButton::SetOfficeHint(const TFxHintInfo* v) {
    officeHint_->Assign(v);
}

void TFxCustomGlowButton::SetPicture(const TGDIPPicture* v) {
    picture_->Assign(v);
}

void TFxCustomGlowButton::SetAllowAllUp(bool v) {
    if (allowAllUp_ == v) return;
    allowAllUp_ = v;
    BroadcastGroup();
}

void TFxCustomGlowButton::SetAppearance(const TGlowButtonAppearance* v) {
    if (v != nullptr) appearance_->Assign(*v);
    Invalidate();
}

void TFxCustomGlowButton::SetDown(bool v) {
    if (IsLoading()) {
        downWhileLoading_ = v;
        downLoadingSet_ = true;
    }
    if (groupIndex_ == 0 && style_ == TFxButtonStyle::bsButton) v = false;
    if (style_ == TFxButtonStyle::bsCheck) {
        down_ = v;
        SetState(v ? TGlowState::Down : TGlowState::Up, true);
        return;
    }
    if (v == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = v;
    if (v) {
        if (state_ == TGlowState::Up) Invalidate();
        state_ = TGlowState::Exclusive;
        BroadcastGroup();
    } else {
        SetState(TGlowState::Up, true);
    }
}

void TFxCustomGlowButton::SetGroupIndex(int v) {
    if (groupIndex_ == v) return;
    groupIndex_ = v;
    BroadcastGroup();
}

void TFxCustomGlowButton::SetDropDownButton(bool v) {
    if (dropDownButton_ == v) return;
    dropDownButton_ = v;
    SizeRefresh();
}

void TFxCustomGlowButton::SetDropDownPosition(TDropDownPosition v) {
    if (dropDownPosition_ == v) return;
    dropDownPosition_ = v;
    if (dropDownButton_)
        SizeRefresh();
    else
        Invalidate();
}

void TFxCustomGlowButton::SetComponentStyle(std::uint8_t code) {
    ApplyGlowStyle(*appearance_, code);
    Repaint();
}

void TFxCustomGlowButton::ReleasePopup() {
    if (shortCutHintWindow_ != nullptr) {
        shortCutHintWindow_->hide();
        delete shortCutHintWindow_.data();
    }
}

void TFxCustomGlowButton::SetDefault(bool v) {
    default_ = v;
    auto* focused = qobject_cast<TFxCustomGlowButton*>(QApplication::focusWidget());
    activeDefault_ = focused != nullptr ? focused == this : v;
}

bool TFxCustomGlowButton::DialogKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
    if (!isEnabled() || !isVisible()) return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter && activeDefault_) || (key == Qt::Key_Escape && cancel_)) {
        Click();
        return true;
    }
    return false;
}

bool TFxCustomGlowButton::DialogChar(const QString& typed, Qt::KeyboardModifiers modifiers) {
    if (typed.size() != 1 || (modifiers & ~Qt::AltModifier & ~Qt::KeypadModifier)) return false;
    if (!isEnabled() || !isVisible()) return false;
    const QString text = Caption();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;  // "&&" is one "&"
            continue;
        }
        if (text[i + 1].toUpper() != typed[0].toUpper()) return false;
        Click();
        return true;
    }
    return false;
}

void TFxCustomGlowButton::showEvent(QShowEvent* event) {
    TCustomControl::showEvent(event);
    if (keyWindow_ == window()) return;
    if (keyWindow_ != nullptr) keyWindow_->removeEventFilter(this);
    keyWindow_ = window();
    if (keyWindow_ != this) keyWindow_->installEventFilter(this);
}

bool TFxCustomGlowButton::eventFilter(QObject* watched, QEvent* event) {
    // Keys the focused control leaves to the dialog (a focused glow button
    // takes its own).
    if (event->type() == QEvent::KeyPress && watched == keyWindow_ &&
        qobject_cast<TFxCustomGlowButton*>(QApplication::focusWidget()) == nullptr) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (DialogKey(key->key(), key->modifiers())) return true;
        if (DialogChar(key->text(), key->modifiers())) return true;
    }
    return TCustomControl::eventFilter(watched, event);
}

void TFxCustomGlowButton::Click() {
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog != nullptr && modalResult_ != 0)
        dialog->done(modalResult_);
    QPointer<TFxCustomGlowButton> self(this);
    if (OnClick) OnClick(*this);
    if (self && actionLink_) actionLink_->Execute();
}

QAction* TFxCustomGlowButton::Action() const {
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TFxCustomGlowButton::SetAction(QAction* action) {
    if (action == Action()) return;
    if (!action) {
        actionLink_.reset();
        checkedLinked_ = false;
        return;
    }
    if (!actionLink_) actionLink_ = std::make_unique<TFxGlowButtonActionLink>(*this);
    actionLink_->SetAction(action);
    ActionChange(action, IsLoading());
    actionLink_->IsCheckedLinked();
}

void TFxCustomGlowButton::ActionChange(QAction* sender, bool checkDefaults) {
    if (!sender) return;
    QPointer<TFxCustomGlowButton> self(this);
    TControlActionLink::TakeControlValues(*this, *sender, checkDefaults);
    if (!self) return;
    if (auto* custom = qobject_cast<TCustomAction*>(sender)) {
        if (checkDefaults || groupIndex_ == 0) SetGroupIndex(custom->GroupIndex());
        SetImageIndex(custom->ImageIndex());
    }
}

void TFxCustomGlowButton::Loaded() {
    TCustomControl::Loaded();
    SetDefault(default_);
    if (downLoadingSet_ && downWhileLoading_ != down_) SetDown(downWhileLoading_);
    downLoadingSet_ = false;
}

void TFxCustomGlowButton::EnabledChanged() {
    Repaint();
}

void TFxCustomGlowButton::TextChanged() {
    if (autoSize_)
        SizeRefresh();
    else
        Invalidate();
}

void TFxCustomGlowButton::SetState(TGlowState s, bool repaint) {
    state_ = s;
    if (repaint) Repaint();
}

void TFxCustomGlowButton::SizeRefresh() {
    if (autoSize_) {
        sizeRequest_ = true;
        Repaint();
    } else {
        Invalidate();
    }
}

void TFxCustomGlowButton::BroadcastGroup() {
    if (groupIndex_ == 0 || parentWidget() == nullptr) return;
    const auto siblings =
        parentWidget()->findChildren<TFxCustomGlowButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (TFxCustomGlowButton* b : siblings)
        b->ButtonPressed(groupIndex_, this);
}

void TFxCustomGlowButton::ButtonPressed(int group, TFxCustomGlowButton* sender) {
    if (group != groupIndex_ || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        SetState(TGlowState::Up, true);
    }
    allowAllUp_ = sender->allowAllUp_;
}

// ---- the fade

void TFxCustomGlowButton::EnsureTimer() {
    if (timer_) return;
    timer_ = timerFactory_();
    timer_->Start(kGlowFadeInterval, [this] { FadeTick(); });
}

void TFxCustomGlowButton::FadeTick() {
    if (fadeTarget_ != 2) {
        int& step = fadeTarget_ == 0 ? hotStep_ : downStep_;
        if (FadeStep(step, increment_)) {
            Repaint();
            return;
        }
        if (fadeTarget_ == 1 && increment_ < 0) {
            pressing_ = false;
            rePress_ = false;
        }
    }
    fadeTarget_ = 2;
    timer_.reset();
}

// ---- mouse and keys

void TFxCustomGlowButton::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
    if (entered_) return;
    hot_ = true;
    if (rePress_) pressing_ = true;
    EnsureTimer();
    if (!pressing_ && fadeTarget_ != 1) {
        increment_ = 20;
        fadeTarget_ = 0;
    }
    Repaint();
    tracking_ = true;
    entered_ = true;
}

void TFxCustomGlowButton::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(*this);
    if (!entered_) return;
    entered_ = tracking_ = hot_ = overDropDown_ = false;
    Repaint();
    if (!(pressing_ && held_)) {
        pressing_ = false;
        hotStep_ = 100;
    } else {
        pressing_ = false;
        rePress_ = true;
    }
    increment_ = -20;
    fadeTarget_ = 0;
    Repaint();
    EnsureTimer();
}

bool TFxCustomGlowButton::InsideClient(int x, int y) const {
    return x >= 0 && x < width() && y >= 0 && y <= height();
}

void TFxCustomGlowButton::TrackingTest(const QPoint& cursor) {
    if (!isEnabled()) return;
    const bool outside = !rect().contains(cursor);
    if (outside == tracking_) return;
    tracking_ = outside;
    if (outside)
        MouseLeave();
    else
        MouseEnter();
}

void TFxCustomGlowButton::mousePressEvent(QMouseEvent* event) {
    TCustomControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    pressing_ = true;
    held_ = true;
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    EnsureTimer();
    increment_ = 20;
    fadeTarget_ = 1;
    const QPoint p = event->position().toPoint();
    const bool bottom = dropDownPosition_ == TDropDownPosition::dpBottom;
    const bool inDrop = InDropDownPress(bottom, p.x(), p.y(), width(), height());
    const bool check = style_ == TFxButtonStyle::bsCheck;
    if (!dropDownButton_ || check || groupIndex_ > 0 || (!inDrop && dropDownSplit_)) {
        if (check) {
            down_ = !down_;
            SetState(TGlowState::Down, true);
        } else if (!down_) {
            SetState(TGlowState::Down, true);
        }
        pressBegan_ = true;
    } else {
        OpenDropDown();
    }
}

void TFxCustomGlowButton::OpenDropDown() {
    state_ = TGlowState::Up;
    tracking_ = false;
    if (OnDropDown) OnDropDown(*this);
    if (dropDownMenu_ == nullptr) return;
    pressing_ = false;
    hot_ = false;
    menuShowing_ = true;
    entered_ = true;
    Repaint();
    const QPoint local =
        dropDownDirection_ == TDropDownDirection::ddDown ? QPoint(0, height()) : QPoint(width(), 0);
    QPointer<TFxCustomGlowButton> self(this);
    dropDownMenu_->exec(mapToGlobal(local));
    if (self == nullptr) return;
    menuShowing_ = false;
    // The menu took the release of the press that opened it.
    held_ = false;
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        entered_ = tracking_ = hot_ = overDropDown_ = false;
    Repaint();
}

void TFxCustomGlowButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        TCustomControl::mouseReleaseEvent(event);
        return;
    }
    increment_ = -20;
    fadeTarget_ = 1;
    held_ = false;
    rePress_ = false;
    EnsureTimer();
    const QPoint p = event->position().toPoint();
    bool click = false;
    if (pressBegan_) {
        pressBegan_ = false;
        const bool inside = InsideClient(p.x(), p.y());
        click = inside;
        if (groupIndex_ != 0) {
            if (Action() && checkedLinked_) return;
            if (inside) {
                const bool wasDown = down_;
                SetDown(!down_);
                if (!wasDown && down_) Repaint();
            } else if (down_) {
                SetState(TGlowState::Exclusive, true);
            }
        } else {
            state_ = TGlowState::Up;
            tracking_ = false;
            if (style_ == TFxButtonStyle::bsCheck) {
                Repaint();
                if (Action() && checkedLinked_) {
                    if (click) Click();
                    return;
                }
            } else if (inside && state_ != TGlowState::Down && state_ != TGlowState::Exclusive) {
                Repaint();
            }
        }
        TrackingTest(p);
    }
    TCustomControl::mouseReleaseEvent(event);
    if (click) Click();
    Repaint();
}

void TFxCustomGlowButton::mouseMoveEvent(QMouseEvent* event) {
    TCustomControl::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    TrackingTest(p);
    const bool bottom = dropDownPosition_ == TDropDownPosition::dpBottom;
    const bool over = dropDownButton_ && OverDropDown(bottom, p.x(), p.y(), width(), height());
    if (over != overDropDown_) {
        overDropDown_ = over;
        Repaint();
    }
    if (pressBegan_) {
        TGlowState s;
        if (style_ == TFxButtonStyle::bsCheck && down_)
            s = TGlowState::Down;
        else if (InsideClient(p.x(), p.y()))
            s = down_ ? TGlowState::Exclusive : TGlowState::Down;
        else
            s = down_ ? TGlowState::Exclusive : TGlowState::Up;
        if (s != state_) SetState(s, true);
    } else if (!tracking_) {
        TrackingTest(p);
    }
}

void TFxCustomGlowButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) Click();
}

void TFxCustomGlowButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Space || enter) {
        if (!event->isAutoRepeat()) {
            pressing_ = true;
            SetState(TGlowState::Down, true);
            Click();
        }
        return;
    }
    if (key == Qt::Key_Escape && cancel_) {
        Click();
        return;
    }
    TCustomControl::keyPressEvent(event);
}

void TFxCustomGlowButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        pressing_ = false;
        SetState(TGlowState::Up, true);
    }
    TCustomControl::keyReleaseEvent(event);
}

void TFxCustomGlowButton::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    Repaint();
}

void TFxCustomGlowButton::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    pressing_ = false;
    SetState(TGlowState::Up, true);
}

// ---- painting

void TFxCustomGlowButton::Paint(Canvas& canvas) {
    const int w = width();
    const int h = height();
    // The parent's painting, only where it shows: under a see-through face
    // and in the rounded corners (a middle button has none).
    QImage parentImage;
    const bool showParent =
        (parentWidget() != nullptr && position_ != TButtonPosition::bpMiddle) || transparent_;
    if (showParent) parentImage = ParentImage();
    if (transparent_ && !entered_) canvas.Painter().drawImage(0, 0, parentImage);

    // The state the enabled flag and the check style leave.
    if (!isEnabled()) {
        state_ = TGlowState::Disabled;
        pressBegan_ = false;
    } else if (state_ == TGlowState::Disabled) {
        state_ = down_ && groupIndex_ != 0 ? TGlowState::Exclusive : TGlowState::Up;
    }
    const bool check = style_ == TFxButtonStyle::bsCheck;
    if (check && down_) state_ = TGlowState::Down;

    TGlowPaintInput in;
    in.state = state_;
    in.enabled = isEnabled();
    in.showDisabled = showDisabled_;
    in.check = check;
    in.down = down_;
    in.groupIndex = groupIndex_;
    in.hot = hot_;
    in.tracking = tracking_;
    in.fading = timer_ != nullptr;
    in.pressing = pressing_;
    in.transparent = transparent_;
    in.held = held_;
    in.standalone = position_ == TButtonPosition::bpStandalone;
    in.hotStep = hotStep_;
    in.downStep = downStep_;
    TGlowColors colors = SelectGlowColors(*appearance_, in);

    const bool focused = hasFocus();
    const bool hotFocus =
        focused && (focusType_ == TFocusType::ftHot || focusType_ == TFocusType::ftHotBorder);
    if (hotFocus && !pressing_) {
        const TGlowButtonAppearance& a = *appearance_;
        colors = {a.ColorHot(),       a.ColorHotTo(),  a.ColorMirrorHot(),    a.ColorMirrorHotTo(),
                  a.BorderColorHot(), a.GradientHot(), a.GradientMirrorHot(), true};
    }
    const bool focusFrame =
        focused && (focusType_ == TFocusType::ftBorder || focusType_ == TFocusType::ftHotBorder);
    const bool idle = transparent_ && !(entered_ || hotFocus || down_);

    int dropState = 0;
    if ((tracking_ || held_) && dropDownButton_) dropState = overDropDown_ ? 2 : 1;

    if (sizeRequest_ || (sizeDirty_ && autoSize_)) {
        int cw = 0, ch = 0;
        DrawFace(canvas, true, &cw, &ch, colors, idle, focusFrame, dropState);
        if (cw != w && autoSize_) {
            resize(3 * spacing_ + cw + (dropDownButton_ ? 15 : 2) + 2 * marginHorz_,
                   2 * spacing_ + ch + 2 * marginVert_);
        }
        sizeDirty_ = false;
        sizeRequest_ = false;
    }

    DrawFace(canvas, false, nullptr, nullptr, colors, idle, focusFrame, dropState);

    AfterPaint(canvas);
    if (OnDrawButton) {
        const TGlowButtonState gs = state_ == TGlowState::Down ? TGlowButtonState::gsDown
                                    : entered_                 ? TGlowButtonState::gsHot
                                                               : TGlowButtonState::gsNormal;
        OnDrawButton(*this, canvas, ClientRect(), gs);
    }

    // The parent shows through the corner pixels the rounding leaves.
    if (parentWidget() != nullptr && !(transparent_ && !entered_) && !parentImage.isNull()) {
        std::vector<QPoint> corners;
        switch (position_) {
            case TButtonPosition::bpStandalone:
                corners = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
                break;
            case TButtonPosition::bpLeft:
                corners = {{0, 0}, {0, h - 1}};
                break;
            case TButtonPosition::bpRight:
                corners = {{w - 1, 0}, {w - 1, h - 1}};
                break;
            case TButtonPosition::bpMiddle:
                break;
        }
        for (const QPoint& p : corners)
            canvas.SetPixel(p.x(), p.y(), PixelColor(parentImage, p));
    }
}

void TFxCustomGlowButton::DrawFace(Canvas& canvas, bool measure, int* contentWidth,
                                   int* contentHeight, const TGlowColors& c, bool idle,
                                   bool focusFrame, int dropState) {
    const int W = width();
    const int H = height();
    const bool bottom = dropDownPosition_ == TDropDownPosition::dpBottom;
    TRect drop = bottom ? TRect{0, H - 13, W, H} : TRect{W - 13, 0, W, H};
    TRect content{0, 0, W, H};
    if (dropDownButton_) {
        if (bottom)
            content.bottom = drop.top;
        else
            content.right = drop.left;
    }

    TGPGraphics graphics(&canvas.Painter());
    if (!measure) {
        if (!idle) {
            const bool split = dropDownButton_ && c.lit && dropDownSplit_;
            if (!split) {
                FillLower(canvas, graphics, {0, H / 2 - 1, W, H}, c);
                FillUpper(canvas, graphics, {0, 0, W, H - H / 2}, c);
            } else {
                const TGlowColors main = dropState == 2 ? c : Darkened(c);
                TGlowColors part = dropState == 2 ? Darkened(c) : c;
                if (dropState != 2) part.gradient = TGDIPGradient::ggRadial;
                if (!bottom) {
                    FillLower(canvas, graphics, {0, H / 2 - 1, W - 12, H}, main);
                    FillUpper(canvas, graphics, {0, 0, W - 12, H - H / 2}, main);
                    FillUpper(canvas, graphics, {W - 12, 0, W, H - H / 2}, part);
                    FillLower(canvas, graphics, {W - 12, H / 2 - 1, W, H}, part);
                } else {
                    const int m = (H - 12) / 2;
                    FillLower(canvas, graphics, {0, m - 1, W, H - 12}, main);
                    FillUpper(canvas, graphics, {0, 0, W, H - 12 - m}, main);
                    FillUpper(canvas, graphics, {0, H - 12, W, H}, part);
                }
            }
        }
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        const int r = rounded_ ? 3 : 0;
        if (!idle && borderStyle_ == TGlowBorderStyle::bsSingle && c.border != clNone) {
            TGPPen pen(ColorToARGB(c.border), 1);
            const TColor side = ScaleColor(c.border, -5);
            const TColor leftEdge = entered_ ? side : ScaleColor(clWhite, -10);
            auto drawLeftEdge = [&] {
                if (entered_)
                    Line(graphics, leftEdge, 0, 0, 0, H - 1);
                else
                    Line(graphics, leftEdge, 0, 2, 0, H - 3);
            };
            switch (position_) {
                case TButtonPosition::bpStandalone:
                    if (r > 0)
                        DrawRoundRectPath(graphics, pen, 0, 0, W - 1, H - 1, r);
                    else
                        DrawRectPath(graphics, pen, 0, 0, W - 1, H - 1);
                    break;
                case TButtonPosition::bpLeft: {
                    TGPGraphicsPath path;
                    path.AddLine(W - 1, H - 1, r, H - 1);
                    if (r > 0) path.AddArc(0, H - 1 - 2 * r, 2 * r, 2 * r, 90, 90);
                    path.AddLine(0, H - 1 - r, 0, r);
                    if (r > 0) path.AddArc(0, 0, 2 * r, 2 * r, 180, 90);
                    path.AddLine(r, 0, W - 1, 0);
                    graphics.DrawPath(&pen, &path);
                    Line(graphics, side, W - 1, 0, W - 1, H - 1);
                    break;
                }
                case TButtonPosition::bpMiddle:
                    Line(graphics, c.border, -1, 0, W - 1, 0);
                    Line(graphics, c.border, -1, H - 1, W - 1, H - 1);
                    Line(graphics, side, W - 1, 0, W - 1, H - 1);
                    drawLeftEdge();
                    break;
                case TButtonPosition::bpRight: {
                    TGPGraphicsPath path;
                    path.AddLine(0, 0, W - 1 - r, 0);
                    if (r > 0) path.AddArc(W - 1 - 2 * r, 0, 2 * r, 2 * r, 270, 90);
                    path.AddLine(W - 1, r, W - 1, H - 1 - r);
                    if (r > 0) path.AddArc(W - 1 - 2 * r, H - 1 - 2 * r, 2 * r, 2 * r, 0, 90);
                    path.AddLine(W - 1 - r, H - 1, 0, H - 1);
                    graphics.DrawPath(&pen, &path);
                    drawLeftEdge();
                    break;
                }
            }
        }
        if (focusFrame) {
            TGPPen frame(ColorToARGB(0xE4AD89), 1);
            DrawRoundRectPath(graphics, frame, 1, 1, W - 3, H - 3, r);
            TGPPen dots(ColorToARGB(0x808080), 1);
            dots.SetDashStyle(DashStyleDot);
            DrawRoundRectPath(graphics, dots, 2, 2, W - 5, H - 5, r);
        }
    }

    // The glyph: a picture before an image-list entry.
    const bool disabled = !isEnabled();
    TGDIPPicture* pic = picture_.get();
    if (disabled && !disabledPicture_->Empty())
        pic = disabledPicture_.get();
    else if (hot_ && !hotPicture_->Empty())
        pic = hotPicture_.get();
    const bool hasPicture = !pic->Empty();
    TImageList* list = images_;
    bool listEnabled = isEnabled();
    if (disabled && disabledImages_ != nullptr) {
        list = disabledImages_;
        listEnabled = true;
    } else if (hot_ && hotImages_ != nullptr) {
        list = hotImages_;
    }
    int gwidth = 0, gheight = 0;
    if (hasPicture) {
        pic->ReadImageSize();
        gwidth = pic->Width();
        gheight = pic->Height();
    } else if (imageIndex_ >= 0 && list != nullptr) {
        gwidth = list->Width();
        gheight = list->Height();
    }
    const int gw = gwidth > 0 ? gwidth + spacing_ : 0;

    const QString caption = showCaption_ ? Caption() : QString();
    const std::string text = caption.toStdString();
    int gx = 0, gy = 0;
    if (!caption.isEmpty()) {
        canvas.font = Font();
        const int Wc = measure ? 4096 : content.Width();
        const int Hc = measure ? 4096 : content.Height();
        // The text through GDI+, or through the canvas without anti-aliasing.
        const CanvasFont& f = Font();
        TGPFontFamily family(QString::fromStdString(f.name).toStdU16String());
        const int fontStyle = (f.bold ? FontStyleBold : 0) | (f.italic ? FontStyleItalic : 0) |
                              (f.underline ? FontStyleUnderline : 0);
        TGPFont gpFont(&family, static_cast<float>(f.size), fontStyle, UnitPoint);
        TGPStringFormat format(wordWrap_ ? 0 : StringFormatFlagsNoWrap);
        format.SetAlignment(layout_ == TButtonLayout::blGlyphLeftAdjusted ? StringAlignmentNear
                            : layout_ == TButtonLayout::blGlyphRightAdjusted
                                ? StringAlignmentFar
                                : StringAlignmentCenter);
        format.SetLineAlignment(layout_ == TButtonLayout::blGlyphTopAdjusted ? StringAlignmentNear
                                : layout_ == TButtonLayout::blGlyphBottomAdjusted
                                    ? StringAlignmentFar
                                    : StringAlignmentCenter);
        format.SetHotkeyPrefix(HotkeyPrefixShow);
        if (antiAlias_ == TAntiAlias::aaClearType)
            graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        else if (antiAlias_ == TAntiAlias::aaAntiAlias)
            graphics.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
        const std::u16string text16 = caption.toStdU16String();
        double tx = 0, tw = 0, th = 0;
        if (antiAlias_ != TAntiAlias::aaNone) {
            TGPRectF measured{};
            graphics.MeasureString(text16, -1, &gpFont, MakeRect(0, 0, Wc, Hc), &format, &measured,
                                   nullptr, nullptr);
            tx = measured.X;
            tw = measured.Width;
            th = measured.Height;
        } else {
            tw = canvas.TextWidth(text);
            th = canvas.TextHeight(text);
            tx = (Wc - tw) / 2;
        }
        if (measure) {
            *contentWidth = static_cast<int>(std::lround(tw)) + gw + spacing_;
            *contentHeight =
                std::max(spacing_ + static_cast<int>(std::lround(th)), gheight + spacing_);
            return;
        }
        TRect box{0, 0, Wc, Hc};
        if (gw > 0) {
            if (IsGlyphLeft(layout_))
                box = {2 + gw, 0, Wc, Hc};
            else if (IsGlyphTop(layout_))
                box = {0, gheight, Wc, Hc - 2};
            else if (IsGlyphRight(layout_))
                box = {2, 0, Wc - 2 - gw, Hc};
            else
                box = {0, 2, Wc, Hc - gheight};
        }
        // Where the measured text stands in its box.
        const int d = static_cast<int>(std::lround(box.Height() - th));
        if (IsGlyphLeft(layout_)) {
            gx = std::max(2, static_cast<int>(std::lround(tx - gw / 2.0)));
            gy = std::max(0, (Hc - gheight) / 2);
        } else if (IsGlyphTop(layout_)) {
            gx = std::max(0, (Wc - gw) / 2);
            gy = std::max(2, std::max(0, (layout_ == TButtonLayout::blGlyphTop ? d : 0) / 2));
        } else if (IsGlyphRight(layout_)) {
            if (layout_ == TButtonLayout::blGlyphRightAdjusted) {
                gx = Wc - gw - 2;
            } else {
                gx = static_cast<int>(std::lround(tw)) +
                     std::max(0, static_cast<int>(std::lround(box.Width() - tw)) / 2) + 4;
                if (gx > Wc - gw) gx = Wc - gw - 2;
            }
            gy = std::max(0, (Hc - gheight) / 2);
        } else {
            gx = std::max(0, (Wc - gw) / 2);
            const int dd = layout_ == TButtonLayout::blGlyphBottom ? d : Hc;
            gy = std::max(0, dd / 2) + static_cast<int>(std::lround(th + 2));
            if (gy > Hc - gheight) gy = Hc - gheight - 2;
        }
        namespace DT = DrawTextFlags;
        unsigned align = DT::kCenter;
        if (layout_ == TButtonLayout::blGlyphLeftAdjusted) align = DT::kLeft;
        if (layout_ == TButtonLayout::blGlyphRightAdjusted) align = DT::kRight;
        unsigned valign = DT::kVCenter | DT::kSingleLine;
        if (layout_ == TButtonLayout::blGlyphTopAdjusted) valign = DT::kSingleLine;
        if (layout_ == TButtonLayout::blGlyphBottomAdjusted) valign = DT::kBottom | DT::kSingleLine;
        canvas.font.color = isEnabled() ? Font().color : TColor(0x808080);
        canvas.brush.style = BrushStyle::Clear;
        if (antiAlias_ == TAntiAlias::aaNone) {
            TRect textBox = box;
            canvas.DrawText(text, textBox, align | valign);
        } else {
            TGPSolidBrush textBrush(ColorToARGB(isEnabled() ? f.color : TColor(0x808080)));
            graphics.DrawString(text16, -1, &gpFont,
                                MakeRect(box.left, box.top, box.Width(), box.Height()), &format,
                                &textBrush);
        }
    } else if (measure) {
        *contentWidth = gw + spacing_;
        *contentHeight = gheight + spacing_;
        return;
    }

    if (hasPicture || (imageIndex_ >= 0 && list != nullptr)) {
        if (caption.isEmpty()) {
            int cw = W, ch = H;
            if (dropDownButton_) (bottom ? ch : cw) -= 8;
            gx = std::max(0, (cw - (hasPicture ? gw : gwidth)) / 2);
            gy = std::max(0, (ch - gheight) / 2);
        }
        if (hasPicture)
            pic->Draw(canvas.Painter(), {gx, gy, gx + gwidth, gy + gheight});
        else
            list->Draw(canvas, gx, gy, imageIndex_, listEnabled);
    }

    if (dropDownButton_) {
        canvas.brush.style = BrushStyle::Clear;
        if (c.lit && dropDownSplit_ && c.border != clNone) {
            canvas.pen.color = c.border;
            if (bottom) {
                canvas.MoveTo(drop.left, drop.top);
                canvas.LineTo(drop.right, drop.top);
            } else {
                canvas.MoveTo(drop.left, drop.top);
                canvas.LineTo(drop.left, drop.bottom);
            }
        }
        const int x = drop.left + (drop.Width() - 5) / 2;
        const int y = drop.top + (drop.Height() - 3) / 2 + 1;
        const TColor ink = isEnabled() ? clBlack : TColor(0x808080);
        if (dropDownDirection_ == TDropDownDirection::ddDown) {
            for (int i = 0; i < 5; ++i)
                canvas.SetPixel(x + i, y, ink);
            for (int i = 1; i < 4; ++i)
                canvas.SetPixel(x + i, y + 1, ink);
            canvas.SetPixel(x + 2, y + 2, ink);
            for (const auto& p : {TPoint{x, y + 1}, TPoint{x + 4, y + 1}, TPoint{x + 1, y + 2},
                                  TPoint{x + 3, y + 2}, TPoint{x + 2, y + 3}})
                canvas.SetPixel(p.x, p.y, clWhite);
        } else {
            for (int i = 0; i < 5; ++i)
                canvas.SetPixel(x, y + i, ink);
            for (int i = 1; i < 4; ++i)
                canvas.SetPixel(x + 1, y + i, ink);
            canvas.SetPixel(x + 2, y + 2, ink);
            for (const auto& p : {TPoint{x + 2, y + 1}, TPoint{x + 3, y + 2}, TPoint{x + 1, y + 4}})
                canvas.SetPixel(p.x, p.y, clWhite);
        }
    }
}

}  // namespace vx
