#include "styling/toolbar/qt/FxToolBar.h"

#include <algorithm>

#include <QApplication>
#include <QChildEvent>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "styling/glow/qt/FxGlowButton.h"
#include "styling/toolbar/FxStyleIF.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBarDrag.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"

namespace vx {

namespace {

// A stored floating place that no screen shows (a damaged store, or a
// screen that is gone) moves onto the primary screen's work area.
QPoint OnScreen(const QPoint& at) {
    if (QGuiApplication::screenAt(at)) return at;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return at;
    const QRect area = screen->availableGeometry();
    return {std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - 40)),
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - 20))};
}

}  // namespace

// A plain widget on the bar: it stands where the bar puts it.
class TFxCustomToolBar::TWidgetControl final : public IBarControl {
  public:
    explicit TWidgetControl(QWidget* widget) : widget_(widget) {}
    TRect ControlBounds() const override { return ToTRect(widget_->geometry()); }
    void MoveControl(int left, int top) override { widget_->move(left, top); }
    bool ControlVisible() const override { return !widget_->isHidden(); }
    TBarControlKind ControlKind() const override { return TBarControlKind::bcOther; }
    bool ControlOnBar() const override {
        return qobject_cast<TFxCustomToolBar*>(widget_->parentWidget()) != nullptr;
    }

  private:
    QWidget* widget_;
};

TFxCustomToolBar::TFxCustomToolBar(QWidget* parent) : TCustomControl(parent) {
    internalStyler_ = new TCustomFxToolBarStyler(this);
    internalStyler_->setObjectName(QStringLiteral("InternalStyler"));
    internalStyler_->AddControl(this);
    current_ = internalStyler_;
    persistence_.SetSection(kUndockedSection);
    SetParentColor(false);
    SetShowHint(true);  // its own, shown by default; its buttons follow it
    SetColor(internalStyler_->Color().Color());
    captionFont_.name = "MS Sans Serif";
    captionFont_.size = 8;
    TCustomControl::SetBounds(0, 0, kMinLength, 26);
    TakeParent();
    optionPicture_.OnChange = [this] { update(); };
    optionDisabledPicture_.OnChange = [this] { update(); };
    compactPicture_.OnChange = [this] { update(); };
    captionFadeTimer_.setInterval(40);
    connect(&captionFadeTimer_, &QTimer::timeout, this, &TFxCustomToolBar::CaptionOptionFadeTick);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });
    drag_ = new TToolBarDrag(*this);
}

// The bar's state as the store reads and writes it: whether it floats, its
// floating window's place and row count, its visibility.
class TFxCustomToolBar::TStateHost : public IUndockedBar {
  public:
    explicit TStateHost(TFxCustomToolBar& bar) : bar_(bar) {
        for (QObject* child : bar.children())
            if (auto* widget = qobject_cast<QWidget*>(child);
                widget && !widget->objectName().isEmpty())
                controls_.push_back(widget);
    }
    std::string BarName() const override { return bar_.objectName().toStdString(); }
    bool Floating() const override { return bar_.FloatingPlace().has_value(); }
    int FloatingRows() const override { return bar_.FloatingRows(); }
    void SetFloatingRows(int rows) override { bar_.SetFloatingRows(rows); }
    TPoint FloatingPosition() const override {
        const std::optional<QPoint> at = bar_.FloatingPlace();
        return at ? TPoint{at->x(), at->y()} : TPoint{bar_.x(), bar_.y()};
    }
    TRect BarBoundsNow() const override { return bar_.DockBounds(); }
    bool BarVisible() const override { return !bar_.isHidden(); }
    void SetBarVisible(bool visible) override { bar_.setVisible(visible); }
    void FloatAt(const TPoint& position) override {
        bar_.MakeFloating(OnScreen(QPoint(position.x, position.y)));
    }
    int NamedControlCount() const override { return static_cast<int>(controls_.size()); }
    std::string ControlName(int i) const override { return At(i)->objectName().toStdString(); }
    bool ControlVisible(int i) const override { return !At(i)->isHidden(); }
    void SetControlVisible(int i, bool visible) override { At(i)->setVisible(visible); }

  private:
    QWidget* At(int i) const { return controls_[static_cast<std::size_t>(i)]; }
    TFxCustomToolBar& bar_;
    std::vector<QWidget*> controls_;
};

TFxCustomToolBar::~TFxCustomToolBar() {
    DestroyOptionWindow();
    if (persistence_.Active()) {
        TStateHost host(*this);
        const std::string error = SaveUndockedStateReporting(persistence_, host);
        if (!error.empty()) qWarning("%s", error.c_str());
    }
    // Out of the panel's rows and both of its lists, hidden or not.
    if (panel_) panel_->RemoveToolBar(this);
    panel_ = nullptr;
    if (current_ && current_ != internalStyler_) current_->RemoveControl(this);
}

void TFxCustomToolBar::PanelGone(TFxDockPanel* panel) {
    if (panel_ == panel) panel_ = nullptr;
    if (lastPanel_ == panel) lastPanel_ = nullptr;
}

// ---------------------------------------------------------------- parent

void TFxCustomToolBar::ParentChanged() {
    TakeParent();
}

void TFxCustomToolBar::TakeParent() {
    if (!IsLoading()) HideOptionWindow();
    auto* dock = qobject_cast<TFxDockPanel*>(parentWidget());
    if (dock && dock == panel_) return;
    if (panel_) {
        disconnect(panel_, nullptr, this, nullptr);
        panel_->RemoveToolBar(this);
        panel_ = nullptr;
    }
    if (dock) {
        const TToolBarState previous = State();
        SetState(TToolBarState::tsDocked);
        if (previous == TToolBarState::tsFloating && Horizontal()) {
            // Out of the floating window: the docked thickness again, so
            // the row is measured without the floating caption.
            constraints_.minHeight = constraints_.maxHeight = 0;
            TCustomControl::SetBounds(x(), y(), width(), DockedThickness());
        }
        if (dock->AddToolBar(this) >= 0) {
            dock->Persistence().GiveTo(persistence_);
            panel_ = dock;
            lastPanel_ = dock;
            connect(dock, &TFxDockPanel::StylerSwitched, this,
                    [this] { ChooseStyler(toolBarStyler_.data()); });
            connect(dock, &QObject::destroyed, this, [this, dock] { PanelGone(dock); });
            ChooseStyler(toolBarStyler_.data());
            if (!IsLoading()) {
                Arrange(true);
                emit Docked(dock);
                return;
            }
        } else {
            SetState(previous);
        }
    } else if (auto* window = qobject_cast<TFloatingWindow*>(parentWidget())) {
        // Floating: the window carries the bar and fits itself around it.
        const bool undocked = State() != TToolBarState::tsFloating;
        SetState(TToolBarState::tsFloating);
        if (!Horizontal()) ChangeOrientation(TDockAlign::daTop);
        window->SetFxCustomToolBar(this);
        if (!IsLoading()) Arrange(true);
        if (undocked && !IsLoading()) emit UnDocked();
        return;
    } else if (parentWidget()) {
        parentStyler_ = false;
        SetState(TToolBarState::tsFree);
        ChooseStyler(toolBarStyler_.data());
    }
    if (!IsLoading()) Arrange(true);
}

// ---------------------------------------------------------------- styler

TCustomFxToolBarStyler* TFxCustomToolBar::CurrentStyler() const {
    return current_ ? current_.data() : internalStyler_;
}

void TFxCustomToolBar::SetToolBarStyler(TCustomFxToolBarStyler* styler) {
    if (styler && styler == toolBarStyler_) return;
    ChooseStyler(styler);
}

void TFxCustomToolBar::SetParentStyler(bool v) {
    if (v == parentStyler_ && !v) return;
    parentStyler_ = v;
    ChooseStyler(nullptr);
}

void TFxCustomToolBar::ChooseStyler(TCustomFxToolBarStyler* styler) {
    TCustomFxToolBarStyler* old = current_.data();
    if (old && old != internalStyler_) old->RemoveControl(this);
    if (toolBarStyler_ && toolBarStyler_ != styler)
        disconnect(toolBarStyler_, nullptr, this, nullptr);
    toolBarStyler_ = styler;
    TCustomFxToolBarStyler* result = styler;
    if (parentStyler_ && lastPanel_) result = lastPanel_->CurrentStyler();
    current_ = result ? result : internalStyler_;
    current_->AddControl(this);
    disconnect(stylerGone_);
    if (current_ != internalStyler_) {
        // A styler that goes leaves the internal one in use.
        stylerGone_ = connect(current_.data(), &QObject::destroyed, this, [this] {
            SetGripStyled(internalStyler_->DragGripStyle() != TDragGripStyle::dsNone);
            Invalidate();
        });
    }
    SetColor(current_->Color().Color());
    const bool grip = current_->DragGripStyle() != TDragGripStyle::dsNone;
    if (grip != GripStyled()) {
        SetGripStyled(grip);
        if (!IsLoading()) Arrange(true);
    }
    // Fonts and pictures of another styler: the buttons measure again.
    ResizeButtons();
    ApplyStylerToControls();
    Invalidate();
}

void TFxCustomToolBar::StylerChanged(int code) {
    TCustomFxToolBarStyler& styler = *CurrentStyler();
    SetColor(styler.Color().Color());
    switch (code) {
        case TStyleChange::kDragGrip:
            SetGripStyled(styler.DragGripStyle() != TDragGripStyle::dsNone);
            Arrange(true);
            break;
        case TStyleChange::kColors:
        case TStyleChange::kGlowButtons:
            ApplyStylerToControls();
            break;
        case TStyleChange::kMenuStyler:
            // The menu buttons take their font from the menu styler.
            if (!IsLoading()) ResizeButtons(true);
            break;
        default:
            break;
    }
    Invalidate();
}

void TFxCustomToolBar::ApplyStylerToControls() {
    for (int i = 0; i < Items().Count(); ++i)
        if (QWidget* control = WidgetOf(Items()[i])) ApplyStylerTo(control);
}

void TFxCustomToolBar::ApplyStylerTo(QWidget* control) {
    const TCustomFxToolBarStyler& styler = *CurrentStyler();
    // A plain bar has no compact look: the glow buttons take the full one.
    if (auto* glow = qobject_cast<TFxCustomGlowButton*>(control))
        glow->SetAppearance(&styler.GlowButtonAppearance());
    if (styler.ComponentStyleCode() == 8) return;  // the styler hands no code on
    if (auto* styled = dynamic_cast<IComponentStyle*>(control))
        styled->SetComponentStyle(styler.ComponentStyleCode());
}

// ---------------------------------------------------------------- settings

void TFxCustomToolBar::SetAutoSize(bool v) {
    if (v == AutoSize()) return;
    if (!v && State() != TToolBarState::tsFree) return;  // docked or floating: stays on
    StoreAutoSize(v);
    if (v && !IsLoading()) Arrange(true);
    if (!v) constraints_ = TSizeConstraints{0, 0, 0, 0};
}

void TFxCustomToolBar::SetCaptionPosition(TCaptionPosition v) {
    if (v == CaptionPositionOf()) return;
    StoreCaptionPosition(v);
    if (!IsLoading()) Arrange(true);
    Invalidate();
}

void TFxCustomToolBar::SetShowCaption(bool v) {
    if (v == ShowCaptionOn()) return;
    StoreShowCaption(v);
    if (!IsLoading()) Arrange(true);
    Invalidate();
}

void TFxCustomToolBar::SetShowRightHandle(bool v) {
    if (v == ShowRightHandleOn()) return;
    StoreShowRightHandle(v);
    if (!IsLoading()) Arrange(true);
    Invalidate();
}

void TFxCustomToolBar::SetShowOptionIndicator(bool v) {
    if (v == ShowOptionIndicatorOn()) return;
    StoreShowOptionIndicator(v);
    Invalidate();
}

void TFxCustomToolBar::SetMenu(TFxMainMenu* menu) {
    if (menu_ == menu) return;
    menu_ = menu;
    if (!menuBar_) menuBar_ = new TFxToolBarMenuBar(this);
    menuBar_->SetMenu(menu);
    // The menu's pictures become the bar's (while loading only when the menu
    // has some, so that a list given to the bar itself stays).
    if (menu && (!IsLoading() || menu->Images())) SetImages(menu->Images());
}

void TFxCustomToolBar::MergeMenu(TFxMainMenu* menu) {
    if (menuBar_) menuBar_->MergeMenu(menu);
}

void TFxCustomToolBar::SetFullSize(bool v) {
    if (v == FullSizeOn()) return;
    StoreFullSize(v);
    if (IsLoading()) return;
    if (State() == TToolBarState::tsDocked && panel_) {
        if (v) {
            SetParentStyler(true);
            panel_->MoveToolBarToOwnRow(this);
            Fit();
            Arrange(false);
        } else {
            Fit();
        }
    }
    Invalidate();
}

void TFxCustomToolBar::SetRightHandleHot(bool hot) {
    if (hot == rightHandleHot_) return;
    rightHandleHot_ = hot;
    Invalidate();
}

bool TFxCustomToolBar::OverRightHandle(const QPoint& global) const {
    if (!isVisible() || !ShowRightHandleOn() || QApplication::widgetAt(global) != this)
        return false;
    const QPoint p = mapFromGlobal(global);
    return RightHandleHitRect().Contains({p.x(), p.y()});
}

void TFxCustomToolBar::HotLookMouse(QEvent* event) {
    if (Dragging()) return;
    if (event->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        SetRightHandleHot(ShowRightHandleOn() && RightHandleHitRect().Contains({p.x(), p.y()}));
        return;
    }
    // Left: the pointer is nowhere on the bar (going onto one of its buttons
    // is no leave of the bar), so no button of it stays hot either.
    SetRightHandleHot(false);
    SetRightHandleDown(false);
    if (hotButton_ && hotButton_->parentWidget() == this) hotButton_->FollowMouse(false);
}

void TFxCustomToolBar::HotLookFollowsMouse() {
    const QPoint cursor = QCursor::pos();
    QWidget* under = QApplication::widgetAt(cursor);
    for (const auto& entry : controlOf_)
        if (auto* button = qobject_cast<TFxCustomToolBarButton*>(entry.first))
            button->FollowMouse(under && (under == button || button->isAncestorOf(under)));
    SetRightHandleHot(OverRightHandle(cursor));
    if (State() == TToolBarState::tsFloating) {
        const QPoint p = mapFromGlobal(cursor);
        const TPoint at{p.x(), p.y()};
        const bool onBar = under == this;
        SetCloseButtonState(onBar && ShowCloseOn() && CloseButtonRect().Contains(at), false);
        SetOptionButtonState(onBar && ShowOptionIndicatorOn() && OptionButtonRect().Contains(at),
                             false);
    }
}

void TFxCustomToolBar::SetRightHandleDown(bool down) {
    if (down == rightHandleDown_) return;
    rightHandleDown_ = down;
    Invalidate();
}

void TFxCustomToolBar::SetCloseButtonState(bool hot, bool down) {
    if (hot == closeHot_ && down == closeDown_) return;
    closeHot_ = hot;
    closeDown_ = down;
    Invalidate();
}

void TFxCustomToolBar::SetOptionButtonState(bool hot, bool down) {
    if (hot == optionHot_ && down == optionDown_) return;
    optionHot_ = hot;
    optionDown_ = down;
    Invalidate();
}

// ---------------------------------------------------------------- bounds

void TFxCustomToolBar::SetBounds(int left, int top, int width, int height) {
    const bool docked = State() == TToolBarState::tsDocked && panel_ && !IsLoading();
    if (docked && !internalBounds_) panel_->ToolBarBoundsChanging(this, left, top, width, height);
    if (!IsLoading()) {
        width = Constrain(width, constraints_.minWidth, constraints_.maxWidth);
        height = Constrain(height, constraints_.minHeight, constraints_.maxHeight);
    }
    const int oldLength = Horizontal() ? this->width() : this->height();
    TCustomControl::SetBounds(left, top, width, height);
    if (docked && !internalBounds_) panel_->ToolBarBoundsChanged(this);
    const int length = Horizontal() ? this->width() : this->height();
    if (!IsLoading() && length != oldLength) Fit();
}

TRect TFxCustomToolBar::DockBounds() const {
    return Bounds(x(), y(), width(), height());
}
TRect TFxCustomToolBar::BarBounds() const {
    return DockBounds();
}

void TFxCustomToolBar::PlaceInRow(const TRect& r) {
    const bool previous = internalBounds_;
    internalBounds_ = true;
    SetBounds(r.left, r.top, r.Width(), r.Height());
    internalBounds_ = previous;
}

void TFxCustomToolBar::ResizeBar(int w, int h) {
    SetBounds(x(), y(), w, h);
}

void TFxCustomToolBar::DockAlignChanged(TDockAlign align) {
    const bool previous = internalBounds_;
    internalBounds_ = true;
    ChangeOrientation(align);
    internalBounds_ = previous;
}

// ---------------------------------------------------------------- controls

IBarControl* TFxCustomToolBar::ControlOf(QWidget* widget) {
    if (auto it = controlOf_.find(widget); it != controlOf_.end()) return it->second;
    IBarControl* control = dynamic_cast<IBarControl*>(widget);
    if (!control) {
        auto adapter = std::make_unique<TWidgetControl>(widget);
        control = adapter.get();
        adapters_[widget] = std::move(adapter);
    }
    controlOf_[widget] = control;
    widget->installEventFilter(this);
    return control;
}

void TFxCustomToolBar::ChildCameLater(QWidget* widget) {
    if (!widget || widget->parentWidget() != this || controlOf_.count(widget)) return;
    ApplyStylerTo(widget);
    InsertControl(ControlOf(widget));
}

void TFxCustomToolBar::ChildLeft(QObject* object) {
    auto it = controlOf_.find(object);
    if (it == controlOf_.end()) return;
    IBarControl* control = it->second;
    controlOf_.erase(it);
    object->removeEventFilter(this);
    RemoveControl(control);
    adapters_.erase(object);
}

bool TFxCustomToolBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (GlowButtonKey(watched, event)) return true;
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::ParentChange:
            // Not where the last arrangement put it, or shown or hidden
            // since: a removal places every control again.
            if (!Arranging()) ForgetArrangement();
            break;
        default:
            break;
    }
    return TCustomControl::eventFilter(watched, event);
}

void TFxCustomToolBar::Loaded() {
    TCustomControl::Loaded();
    std::vector<IBarControl*> children;
    for (QObject* child : this->children()) {
        // Buttons and separators take their sizes before they are placed.
        if (auto* control = qobject_cast<TFxCustomToolBarControl*>(child)) control->SizeForBar();
        if (auto* widget = qobject_cast<QWidget*>(child)) children.push_back(ControlOf(widget));
    }
    BuildItemList(children);
    ChooseStyler(toolBarStyler_.data());
    if (persistence_.Active()) {
        TStateHost host(*this);
        LoadUndockedState(persistence_, host);
    }
    Arrange(true);
    Fit();
    if (autoMdiButtons_) {
        autoMdiButtons_ = false;
        SetAutoMDIButtons(true);
    }
}

void TFxCustomToolBar::AlignControls(QWidget* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    // A control that moved or changed its size by itself: the bar places
    // its controls again.
    if (!control || Arranging() || IsLoading() || !controlOf_.count(control)) return;
    Arrange(true);
}

TControlHint TFxCustomToolBar::HintFor(QPoint pos) const {
    const TPoint p{pos.x(), pos.y()};
    auto button = [&](const TRect& r, const QString& hint) {
        return r.Contains(p) && !hint.isEmpty() ? TControlHint{hint, ToQRect(r)} : TControlHint{};
    };
    TControlHint hint;
    if (State() == TToolBarState::tsFloating) {
        if (ShowCloseOn()) hint = button(CloseButtonRect(), hintCloseButton_);
        if (hint.text.isEmpty() && ShowOptionIndicatorOn())
            hint = button(OptionButtonRect(), hintOptionButton_);
    } else if (ShowOptionIndicatorOn()) {
        hint = button(RightHandleHitRect(), hintOptionButton_);
    }
    // Elsewhere the bar's own tool tip.
    return hint.text.isEmpty() ? TCustomControl::HintFor(pos) : hint;
}

bool TFxCustomToolBar::event(QEvent* event) {
    if (autoMdiButtons_ && MdiMouse(event)) return true;
    switch (event->type()) {
        case QEvent::ChildAdded:
            if (!IsLoading() && !Fitting()) {
                // The child is still being built: it is listed once it is whole.
                QPointer<QObject> child = static_cast<QChildEvent*>(event)->child();
                QTimer::singleShot(0, this, [this, child] {
                    if (child) ChildCameLater(qobject_cast<QWidget*>(child.data()));
                });
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            CaptionOptionMouse(event);
            if (OptionMouseEvent(event)) return true;
            break;
        case QEvent::MouseMove:
        case QEvent::Leave:
            CaptionOptionMouse(event);
            HotLookMouse(event);
            break;
        case QEvent::ChildRemoved:
            if (!Fitting() && !lending_) ChildLeft(static_cast<QChildEvent*>(event)->child());
            break;
        case QEvent::KeyPress:
        case QEvent::FocusIn:
            if (LiveEvent(event)) return true;
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (panel_ && !IsLoading()) panel_->ToolBarVisibilityChanged(this);
            break;
        default:
            break;
    }
    return TCustomControl::event(event);
}

// A floating bar's new size reaches its window.
void TFxCustomToolBar::FloatingSizeChanged() {
    if (auto* window = qobject_cast<TFloatingWindow*>(parentWidget());
        window && window->FxCustomToolBar() == this)
        window->UpdateSize();
}

}  // namespace vx
