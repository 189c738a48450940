#include "styling/toolbar/qt/FxToolBarDrag.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>

#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {

TPoint PointOf(const QPoint& p) {
    return {p.x(), p.y()};
}

TRect ScreenRect(const QWidget* w) {
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return Bounds(at.x(), at.y(), w->width(), w->height());
}

}  // namespace

// ---------------------------------------------------------------- the bar's side

bool TFxCustomToolBar::Dragging() const {
    return drag_ && drag_->Dragging();
}

TFloatingWindow* TFxCustomToolBar::FloatingWindow() const {
    return drag_ ? drag_->Window() : nullptr;
}

std::optional<QPoint> TFxCustomToolBar::FloatingPlace() const {
    if (!drag_ || State() != TToolBarState::tsFloating) return std::nullopt;
    return drag_->FloatingPlace();
}

void TFxCustomToolBar::FloatingWindowGoing(TFloatingWindow* window) {
    if (drag_) drag_->WindowGoing(window);
}

bool TFxCustomToolBar::CanDockTo(const TFxDockPanel* panel) const {
    return drag_ && drag_->CanDock(panel);
}

void TFxCustomToolBar::MakeFloating(const QPoint& at) {
    drag_->MakeFloating(at);
}

void TFxCustomToolBar::MakeFloating() {
    drag_->MakeFloating(QCursor::pos());
}

void TFxCustomToolBar::CloseFloating() {
    drag_->CloseFloating();
}

// ---------------------------------------------------------------- the drag

TToolBarDrag::TToolBarDrag(TFxCustomToolBar& bar) : QObject(&bar), bar_(bar) {
    // The grip's cursor and the floating buttons' hot look follow the mouse
    // without a button held.
    bar.setMouseTracking(true);
    bar.installEventFilter(this);
}

TToolBarDrag::~TToolBarDrag() {
    if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
    // The bar goes: its window goes after it, unless the window's own end
    // is what takes the bar (it may be half destroyed now, so it is not
    // touched here, not even cast to its class).
    if (!window_.isNull())
        QTimer::singleShot(0, [window = window_] {
            if (window) delete window.data();
        });
}

std::optional<QPoint> TToolBarDrag::FloatingPlace() const {
    if (window_) return window_->pos();
    return goneAt_;
}

void TToolBarDrag::WindowGoing(TFloatingWindow* window) {
    if (window_.data() != window) return;
    goneAt_ = window->pos();
    window_ = nullptr;
}

bool TToolBarDrag::CanDock(const TFxDockPanel* panel) const {
    if (!panel) return false;
    const unsigned side = 1u << static_cast<unsigned>(panel->DockAlign());
    if (!(bar_.DockableTo() & side)) return false;
    // A panel that keeps its height takes the bar only into a row it has.
    if (panel->LoadingDone() && panel->LockHeight() && panel->FindRowFor(&bar_) < 0) return false;
    return true;
}

void TToolBarDrag::PutFilterFirst() {
    // The floating window watches the bar's caption too; the drag comes
    // first, so a floating bar's caption drag can dock it.
    bar_.removeEventFilter(this);
    bar_.installEventFilter(this);
}

void TToolBarDrag::Reparent(QWidget* parent) {
    const bool shown = !bar_.isHidden();
    reparenting_ = true;
    bar_.setParent(parent);
    if (shown) bar_.show();
    reparenting_ = false;
}

void TToolBarDrag::Regrab() {
    // A widget that changes parent loses the mouse; a drag that lost it
    // would stop half-way.
    if (dragging_ && bar_.isVisible()) bar_.grabMouse();
}

void TToolBarDrag::FreeWindow() {
    if (!window_) return;
    TFloatingWindow* window = window_.data();
    window_ = nullptr;
    window->SetFollowForm(nullptr);
    window->hide();
    window->deleteLater();
}

void TToolBarDrag::MakeFloating(const QPoint& at) {
    if (window_ || bar_.State() == TToolBarState::tsFloating) return;
    TFxDockPanel* last = bar_.LastDockPanel();
    QWidget* form = last ? last->window() : nullptr;
    if (form == &bar_) form = nullptr;
    auto* window = new TFloatingWindow(form);
    window->TakeLook(*bar_.CurrentStyler());
    // What the overflow held stands on the bar again: a floating bar shows
    // every control.
    for (IBarControl* c : bar_.Overflow())
        if (!c->ControlOnBar()) c->ReturnToBar();
    bar_.EmptyOverflow();
    window_ = window;
    Reparent(window);
    window->UpdateSize();
    window->move(at);
    PutFilterFirst();
    if (form && form->isVisible() && !form->isMinimized() && !bar_.isHidden()) {
        window->show();
    } else {
        window->SetShowLater(!bar_.isHidden());
    }
    window->SetFollowForm(form);
    Regrab();
}

void TToolBarDrag::CloseFloating() {
    if (!window_ || bar_.State() != TToolBarState::tsFloating) return;
    TFxDockPanel* last = bar_.LastDockPanel();
    if (bar_.AutoDockOnClose() && last && CanDock(last)) {
        Reparent(last);
        return;
    }
    window_->SetShowLater(false);
    window_->hide();
    bar_.hide();
    emit bar_.Closed();
}

void TToolBarDrag::BuildTargets() {
    targets_.clear();
    targetPanels_.clear();
    TFxDockPanel* last = bar_.LastDockPanel();
    QWidget* form = last ? last->window() : nullptr;
    if (!form) return;
    // Depth first in child order (so each panel is met once); a panel is a
    // target, not entered.
    const auto walk = [this](auto&& self, QWidget* parent) -> void {
        for (QObject* child : parent->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w == &bar_ || w->isWindow() || !w->isVisible()) continue;
            if (auto* panel = qobject_cast<TFxDockPanel*>(w)) {
                if (CanDock(panel)) {
                    targetPanels_.emplace_back(panel);
                    targets_.push_back(
                        {panel, DockCaptureRect(ScreenRect(panel), panel->DockAlign())});
                }
                continue;
            }
            self(self, w);
        }
    };
    walk(walk, form);
}

void TToolBarDrag::RefreshTargets() {
    for (std::size_t i = 0; i < targets_.size(); ++i)
        if (TFxDockPanel* panel = targetPanels_[i].data())
            targets_[i].capture = DockCaptureRect(ScreenRect(panel), panel->DockAlign());
        else
            targets_[i].capture = {};
}

void TToolBarDrag::BeginDrag(const QPoint& grab, bool sizeAllCursor) {
    BuildTargets();
    grab_ = grab;
    dragging_ = true;
    if (sizeAllCursor && !overrideCursor_) {
        QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
        overrideCursor_ = true;
    }
    Regrab();
}

void TToolBarDrag::EndDrag() {
    if (!dragging_) return;
    if (overrideCursor_) {
        QGuiApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
    dragging_ = false;
    if (QWidget::mouseGrabber() == &bar_) bar_.releaseMouse();
    targets_.clear();
    targetPanels_.clear();
    // The bar held the mouse while it moved under the pointer: what it
    // shows hot is what lies under the pointer now.
    bar_.HotLookFollowsMouse();
}

void TToolBarDrag::Step(const QPoint& global) {
    const QPoint m = bar_.mapFromGlobal(global);
    const TPoint mouse = PointOf(m);
    const TToolBarState state = bar_.State();
    bool undock = false;
    if (state == TToolBarState::tsFloating) {
        if (window_) {
            const TPoint to = FloatingDragPosition(PointOf(window_->pos()), mouse, PointOf(grab_));
            window_->move(to.x, to.y);
        }
    } else if (state == TToolBarState::tsDocked && bar_.DockPanel()) {
        TFxDockPanel* panel = bar_.DockPanel();
        const bool horizontal = bar_.Horizontal();
        const TRect before = bar_.DockBounds();
        const int row = bar_.RowIndex();
        const TDockedDragRequest request =
            DockedDragRequest(horizontal, before, mouse, PointOf(grab_));
        if (horizontal) {
            bar_.SetBounds(request.along, bar_.y(), bar_.width(), bar_.height());
            if (request.acrossChanged)
                bar_.SetBounds(bar_.x(), request.across, bar_.width(), bar_.height());
        } else {
            bar_.SetBounds(bar_.x(), request.along, bar_.width(), bar_.height());
            if (request.acrossChanged)
                bar_.SetBounds(request.across, bar_.y(), bar_.width(), bar_.height());
        }
        const TDockedDragOutcome outcome{before, bar_.DockBounds(), row, bar_.RowIndex(),
                                         TPoint{panel->width(), panel->height()}};
        undock = DockedDragUndocks(horizontal, request, outcome, mouse);
        // The corners at the bar's end take the colours of its new place.
        bar_.Invalidate();
    } else {
        return;  // a free bar does not move
    }
    if (!bar_.AllowFloating()) undock = false;
    const bool floating = state == TToolBarState::tsFloating;
    if (!undock && !floating) return;

    const int t = DockTargetAt(targets_, PointOf(global), bar_.parentWidget());
    TFxDockPanel* target = t >= 0 ? targetPanels_[static_cast<std::size_t>(t)].data() : nullptr;
    // Asked again: a panel that keeps its height may have no row for the bar
    // by now, and a bar it refused would be left in no place at all.
    if (target && CanDock(target)) {
        Reparent(target);
        // Docked under the mouse, a horizontal bar's head at the pointer.
        grab_.setX(1);
        Regrab();
        return;
    }
    if (!floating) {
        MakeFloating(global);
        RefreshTargets();
    }
}

// ---------------------------------------------------------------- mouse

bool TToolBarDrag::MousePress(QMouseEvent* event) {
    // A drag whose mouse another window took ended there.
    if (dragging_ && QWidget::mouseGrabber() != &bar_) EndDrag();
    if (dragging_) return true;
    if (event->button() != Qt::LeftButton) return false;
    const TPoint p = PointOf(event->position().toPoint());
    switch (bar_.State()) {
        case TToolBarState::tsDocked:
            if (!bar_.Locked() && bar_.GripHitRect().Contains(p)) {
                BeginDrag(event->position().toPoint(), false);
                return true;
            }
            return false;
        case TToolBarState::tsFloating:
            // In a window it made itself (a window given to it by hand is
            // moved by its own caption handling).
            if (window_ && bar_.FloatingDragRect().Contains(p)) {
                BeginDrag(event->position().toPoint(), true);
                return true;
            }
            if (bar_.ShowCloseOn() && bar_.CloseButtonRect().Contains(p) && !bar_.closeDown_) {
                bar_.SetCloseButtonState(bar_.closeHot_, true);
                return true;
            }
            return false;
        case TToolBarState::tsFree:
            return false;
    }
    return false;
}

bool TToolBarDrag::MouseMove(QMouseEvent* event) {
    if (dragging_) {
        if (QWidget::mouseGrabber() && QWidget::mouseGrabber() != &bar_) {
            // Another window took the mouse: the drag ends as if released.
            EndDrag();
            return false;
        }
        Step(event->globalPosition().toPoint());
        return true;
    }
    const TPoint p = PointOf(event->position().toPoint());
    if (!(event->buttons() & Qt::LeftButton) && !bar_.Locked()) {
        if (bar_.State() == TToolBarState::tsDocked && bar_.GripHitRect().Contains(p)) {
            if (bar_.cursor().shape() != Qt::SizeAllCursor) bar_.setCursor(Qt::SizeAllCursor);
        } else if (bar_.cursor().shape() == Qt::SizeAllCursor) {
            bar_.unsetCursor();
        }
    }
    if (bar_.State() == TToolBarState::tsFloating) {
        bar_.SetCloseButtonState(bar_.ShowCloseOn() && bar_.CloseButtonRect().Contains(p),
                                 bar_.closeDown_);
        bar_.SetOptionButtonState(
            bar_.ShowOptionIndicatorOn() && bar_.OptionButtonRect().Contains(p), bar_.optionDown_);
    }
    return false;
}

bool TToolBarDrag::MouseRelease(QMouseEvent* event) {
    if (dragging_) {
        if (event->button() == Qt::LeftButton) EndDrag();
        return true;
    }
    if (bar_.State() == TToolBarState::tsFloating && bar_.closeDown_) {
        // Released anywhere, the pressed close button closes the window.
        bar_.SetCloseButtonState(false, false);
        CloseFloating();
        return true;
    }
    return false;
}

void TToolBarDrag::MouseLeft() {
    if (dragging_) return;
    if (bar_.cursor().shape() == Qt::SizeAllCursor) bar_.unsetCursor();
    bar_.SetCloseButtonState(false, false);
    bar_.SetOptionButtonState(false, false);
}

bool TToolBarDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &bar_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return MousePress(static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return MouseMove(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return MouseRelease(static_cast<QMouseEvent*>(event));
        case QEvent::Leave:
            MouseLeft();
            break;
        case QEvent::ParentChange:
            // Docked again (by a drag, a close or the program): the floating
            // window and its timer go.
            if (window_ && bar_.parentWidget() != window_.data()) FreeWindow();
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            // Shown or hidden by the program while floating: the window
            // follows, and only a shown bar comes back with its form.
            if (!reparenting_ && window_ && bar_.parentWidget() == window_.data()) {
                const bool visible = event->type() == QEvent::ShowToParent;
                window_->SetShowLater(visible);
                window_->setVisible(visible);
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace vx
