// The tab strip's mouse and keyboard: selecting by press, key and
// accelerator, hot tracking and tab hints, scrolling, dragging a tab to a
// new place, and the close buttons.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QToolTip>

#include "widgets/WgTabsShape.h"
#include "widgets/qt/WgActiveTabCloseButton.h"
#include "widgets/qt/WgTabDropMarker.h"
#include "widgets/qt/WgTabScroller.h"
#include "widgets/qt/WgTabs.h"

namespace vx {
namespace {

TPoint PointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace

void TWgCustomTabControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!isEnabled()) return;
    const TPoint point = PointOf(event);
    const int tab = TabAt(point);
    pressPoint_ = point;
    dragging_ = false;
    dragSource_ = event->button() == Qt::LeftButton ? tab : -1;
    if (tab < 0 || !Tabs().Items(tab).Enabled) return;
    if ((focusPolicy() & Qt::TabFocus) && tab == TabIndex()) {
        setFocus(Qt::MouseFocusReason);
        if (!hasFocus()) return;
    }
    SetTabIndex(tab);
    if (TabIndex() == tab) TabClick();
}

void TWgCustomTabControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const TPoint point = PointOf(event);
    if (dragging_) {
        DragMove(point);
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && allowTabDragging_ && dragSource_ >= 0 &&
        dragSource_ < TabCount() && Tabs().Items(dragSource_).Enabled &&
        std::abs(point.x - pressPoint_.x) + std::abs(point.y - pressPoint_.y) >=
            QApplication::startDragDistance()) {
        dragging_ = true;
        dropTarget_ = -1;
        DragMove(point);
        return;
    }
    if (hotTrack_ || tabHints_) {
        const int hot = TabAt(point);
        if (hot != hotTab_) UpdateHotTab(hot);
    }
}

void TWgCustomTabControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (dragging_) EndDrag(dropTarget_ >= 0);
    dragSource_ = -1;
}

void TWgCustomTabControl::MouseLeave() {
    if (!dragging_) StopHotTracking();
}

void TWgCustomTabControl::UpdateHotTab(int hot) {
    if (hot < 0) {
        StopHotTracking();
        return;
    }
    hotTab_ = hot;
    if (hotTrack_) {
        // Only the strip changes: the card and its shadow stay as they are.
        if (!fullRepaintPending_) hotRepaint_ = true;
        const TRect strip = model_.Geometry().Strip;
        update(ToQRect(strip).adjusted(-2, -2, 2, 2));
    }
    if (tabHints_) {
        QToolTip::hideText();
        setToolTip(QString::fromStdString(Tabs().Items(hot).Hint));
    }
    if (!hotTimer_.isActive()) hotTimer_.start();
}

void TWgCustomTabControl::HotTimerTick() {
    const QPoint p = mapFromGlobal(QCursor::pos());
    if (!rect().contains(p) || TabAt({p.x(), p.y()}) < 0) StopHotTracking();
}

void TWgCustomTabControl::StopHotTracking() {
    hotTimer_.stop();
    if (hotTab_ >= 0) {
        hotTab_ = -1;
        RepaintTabs();
    }
    if (toolTip() != hint_) setToolTip(hint_);
}

void TWgCustomTabControl::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        EndDrag(false);
        return;
    }
    TWgTabKey key;
    switch (event->key()) {
        case Qt::Key_Home:
            key = TWgTabKey::Home;
            break;
        case Qt::Key_End:
            key = TWgTabKey::End;
            break;
        case Qt::Key_Left:
            key = TWgTabKey::Left;
            break;
        case Qt::Key_Right:
            key = TWgTabKey::Right;
            break;
        case Qt::Key_Up:
            key = TWgTabKey::Up;
            break;
        case Qt::Key_Down:
            key = TWgTabKey::Down;
            break;
        default:
            TCustomControl::keyPressEvent(event);
            return;
    }
    model_.EnsureLayout();
    const int target = model_.TargetOfKey(key);
    if (target >= 0) {
        const int old = TabIndex();
        SetTabIndex(target);
        if (TabIndex() == target && old != target) TabClick();
    }
    event->accept();
}

void TWgCustomTabControl::GrabAccelerators() {
    for (const auto& [id, tab] : accelerators_)
        releaseShortcut(id);
    accelerators_.clear();
    for (int i = 0; i < TabCount(); ++i) {
        const QKeySequence key =
            QKeySequence::mnemonic(QString::fromStdString(Tabs().Items(i).Caption));
        if (!key.isEmpty()) accelerators_.push_back({grabShortcut(key, Qt::WindowShortcut), i});
    }
}

bool TWgCustomTabControl::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        for (const auto& [shortcut, tab] : accelerators_) {
            if (shortcut != id) continue;
            const bool canFocus = isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
            if (canFocus && tab < TabCount() && model_.Selectable(tab)) {
                setFocus(Qt::ShortcutFocusReason);
                SetTabIndex(tab);
                TabClick();
            }
            return true;
        }
    }
    return TCustomControl::event(event);
}

void TWgCustomTabControl::ScrollTabs(bool forward) {
    if (forward)
        model_.ScrollForward();
    else
        model_.ScrollBackward();
}

void TWgCustomTabControl::DragMove(TPoint point) {
    lastDragPoint_ = point;
    const int target = rect().contains(QPoint(point.x, point.y)) ? TabAt(point) : -1;
    if (target < 0) {
        if (!dragTimer_.isActive()) dragTimer_.start(400);
    } else {
        dragTimer_.stop();
    }
    const int accepted = target >= 0 && target != TabIndex() ? target : -1;
    if (accepted == dropTarget_) return;
    if (dropTarget_ >= 0) DrawDropMarker(dropTarget_, false);
    dropTarget_ = accepted;
    if (dropTarget_ >= 0) DrawDropMarker(dropTarget_, true);
}

void TWgCustomTabControl::DragScrollTick() {
    dragTimer_.setInterval(300);
    const int direction = DragScrollDirection(props(), lastDragPoint_, {width(), height()});
    if (direction != 0) ScrollTabs(direction > 0);
}

void TWgCustomTabControl::EndDrag(bool drop) {
    dragTimer_.stop();
    dragging_ = false;
    const int target = dropTarget_;
    if (dropTarget_ >= 0) DrawDropMarker(dropTarget_, false);
    dropTarget_ = -1;
    if (drop && target >= 0) MoveActiveTab(target);
}

void TWgCustomTabControl::DrawDropMarker(int target, bool draw) {
    if (!draw) {
        if (marker_) marker_->hide();
        return;
    }
    if (!marker_) marker_ = new TWgDropMarkerWindow(this);
    const bool nearEdge = props().Reverse() ? target > TabIndex() : target < TabIndex();
    marker_->ShowMarker(DropMarkerFor(props(), model_.Geometry(), model_.ScrollOffset(),
                                      model_.FinalStripRect(target), nearEdge),
                        backgroundColor_);
}

void TWgCustomTabControl::CloseQueryAndClose() {
    if (TabIndex() < 0) return;
    bool allow = false;
    if (OnClose) OnClose(allow);
    if (allow) CloseActiveTab();
}

void TWgCustomTabControl::ShowActiveCloseButton(bool show) {
    if (activeCloseButton_ && activeCloseButton_->isVisible() != show)
        activeCloseButton_->setVisible(show);
}

}  // namespace vx
