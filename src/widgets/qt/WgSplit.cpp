#include "widgets/qt/WgSplit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <stdexcept>

#include "platform/qt/AlignHost.h"
#include "widgets/qt/WgPanelDock.h"
#include "widgets/qt/WgSizeBarOverlay.h"
#include "widgets/qt/WgSplitCursors.h"

namespace vx {

TWgCustomSizePanel::TWgCustomSizePanel(QWidget* parent) : TWgCustomPanel(parent) {
    SetAlign(TAlign::alLeft);
    SetBorderOuter(TFrameStyle::fsNone);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

TWgCustomSizePanel::~TWgCustomSizePanel() {
    delete overlay_;
}

std::optional<TSide> TWgCustomSizePanel::Docked() const {
    return DockedSide(Align(), side_);
}

bool TWgCustomSizePanel::BarHorizontal() const {
    const auto docked = Docked();
    return docked && IsHorizontalBar(*docked);
}

void TWgCustomSizePanel::SetAlign(TAlign align) {
    if (align == Align()) return;
    TWgCustomPanel::SetAlign(align);
    Realign();
    Invalidate();
}

void TWgCustomSizePanel::SetSizeBarWidth(int w) {
    SetPublished(sizeBarWidth_, w, kRealign | kRepaint);
}

void TWgCustomSizePanel::SetSizeBarStyle(TSplitterStyle s) {
    if (!SetPublished(sizeBarStyle_, s)) return;
    if (s != TSplitterStyle::ssStandard && sizeBarWidth_ < 6) SetSizeBarWidth(6);
}

void TWgCustomSizePanel::SetHotSpotVisible(bool v) {
    if (!SetPublished(hotSpotVisible_, v)) return;
    if (!v) hotSpotClosed_ = false;
    if (v && sizeBarWidth_ < 7) SetSizeBarWidth(7);
}

void TWgCustomSizePanel::SetHotSpotClosed(bool closed) {
    if (closed == hotSpotClosed_) return;
    hotSpotClosed_ = closed;
    Realign();
    Invalidate();
}

int TWgCustomSizePanel::CappedMargin(int value, int other) const {
    value = std::max(value, 0);
    // Without a parent there is nothing to measure the margins against yet.
    if (!parentWidget() || !Docked()) return value;
    return std::max(0, std::min(value, AvailableExtent() - other));
}

void TWgCustomSizePanel::SetMarginMin(int m) {
    SetPublished(marginMin_, CappedMargin(m, marginMax_));
}

void TWgCustomSizePanel::SetMarginMax(int m) {
    SetPublished(marginMax_, CappedMargin(m, marginMin_));
}

TRect TWgCustomSizePanel::SizeBarRect() const {
    return vx::SizeBarRect(Docked(), width(), height(), sizeBarWidth_, DockSite());
}

TDockTree* TWgCustomSizePanel::CreateDockManager() {
    return new TWgSizePanelDockManager(*this);
}

QRegion TWgCustomSizePanel::ResizeRepaint(const QSize& old) const {
    // A strip of the border width and one pixel along the right (bottom)
    // edge, before and after, and the size bar where it stood and stands.
    const int strip = BorderWidth() + 1;
    QRegion region;
    if (old.width() != width()) {
        region += QRect(old.width() - strip, 0, strip, height());
        region += QRect(width() - strip, 0, strip, height());
    }
    if (old.height() != height()) {
        region += QRect(0, old.height() - strip, width(), strip);
        region += QRect(0, height() - strip, width(), strip);
    }
    if (!region.isEmpty()) {
        region += ToQRect(
            vx::SizeBarRect(Docked(), old.width(), old.height(), sizeBarWidth_, DockSite()));
        region += ToQRect(SizeBarRect());
    }
    return region;
}

TRect TWgCustomSizePanel::HotSpotRect() const {
    return vx::HotSpotRect(SizeBarRect(), BarHorizontal(), hotSpotSizePercent_);
}

TRect TWgCustomSizePanel::PanelClientRect() const {
    return SizePanelClientRect(ClientRect(), Docked(), sizeBarWidth_);
}

TRect TWgCustomSizePanel::BorderBoxRect() const {
    return SizePanelBorderRect(ClientRect(), Docked(), sizeBarWidth_);
}

TRect TWgCustomSizePanel::AdjustBorders(const TRect& r, bool includeBorderWidth) const {
    if (hotSpotClosed_) return r;
    return TWgCustomPanel::AdjustBorders(r, includeBorderWidth);
}

TRect TWgCustomSizePanel::FreeArea() const {
    const QWidget* parent = parentWidget();
    if (!parent) throw std::logic_error("No parent specified");
    std::vector<TSiblingPlace> places;
    for (const QObject* object : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(object);
        if (!w || w->isWindow() || qobject_cast<const TWgSizeBarOverlay*>(w)) continue;
        places.push_back({WidgetAlign(w), ToTRect(w->geometry()), !w->isHidden()});
    }
    return FreeAreaOfParent(ToTRect(parent->contentsRect()), places, side_);
}

int TWgCustomSizePanel::AvailableExtent() const {
    const auto docked = Docked();
    if (!docked) return 0;
    return vx::AvailableExtent(*docked, Bounds(x(), y(), width(), height()), FreeArea());
}

TBarLimits TWgCustomSizePanel::Limits() const {
    TBarLimits l;
    l.docked = Docked().value_or(TSide::sdLeft);
    l.bounds = Bounds(x(), y(), width(), height());
    l.free = FreeArea();
    l.barWidth = sizeBarWidth_;
    l.marginMin = marginMin_;
    l.marginMax = marginMax_;
    return l;
}

int TWgCustomSizePanel::ClampPosition(int p) const {
    return ClampBarPosition(p, Limits());
}

int TWgCustomSizePanel::Extent() const {
    return BarHorizontal() ? height() : width();
}

void TWgCustomSizePanel::SetExtent(int extent) {
    if (BarHorizontal())
        SetBounds(x(), y(), width(), extent);
    else
        SetBounds(x(), y(), extent, height());
}

void TWgCustomSizePanel::CollapseToHotSpot() {
    if (hotSpotClosed_ || !Docked()) return;
    hotSpotPosition_ = Extent();
    hotSpotClosed_ = true;
    SetExtent(CollapsedSize(sizeBarWidth_, marginMin_, hotSpotIgnoreMargins_));
    Realign();
    Invalidate();
}

void TWgCustomSizePanel::Restore() {
    const TSide docked = *Docked();
    int size = hotSpotPosition_;
    if (docked == TSide::sdLeft || docked == TSide::sdTop) size = ClampPosition(size);
    hotSpotClosed_ = false;
    SetExtent(size);
    Realign();
    Invalidate();
}

int TWgCustomSizePanel::MouseAlong(const QPoint& inPanel) const {
    // Measured in the parent, which the panel does not move in during a drag.
    const QPoint p = inPanel + pos();
    return BarHorizontal() ? p.y() : p.x();
}

void TWgCustomSizePanel::mousePressEvent(QMouseEvent* event) {
    const auto docked = Docked();
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !docked || !parentWidget() ||
        !SizeBarRect().Contains({at.x(), at.y()})) {
        TWgCustomPanel::mousePressEvent(event);
        return;
    }
    const bool onHotSpot = hotSpotVisible_ && HotSpotRect().Contains({at.x(), at.y()});
    if (lockBar_ && !onHotSpot) return;
    if (!realTimeDrag_) setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    hotPressed_ = onHotSpot;
    startWidth_ = width();
    startHeight_ = height();
    dragStart_ = *docked == TSide::sdTop ? height() : *docked == TSide::sdLeft ? width() : 0;
    pressAt_ = MouseAlong(at);
    lastPos_ = dragStart_;
    if (!realTimeDrag_) {
        if (!overlay_) overlay_ = new TWgSizeBarOverlay(parentWidget());
        overlay_->Begin();
        overlay_->ShowAt(
            DragBarRect(*docked, lastPos_, Bounds(x(), y(), width(), height()), SizeBarRect()));
    }
}

void TWgCustomSizePanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // Every move tracks the hot spot, a held press too.
    UpdateHotState(at);
    if (!dragging_) {
        UpdateCursor(at);
        TWgCustomPanel::mouseMoveEvent(event);
        return;
    }
    if (lockBar_) return;  // only a hot-spot press goes on over a locked bar
    const TSide docked = *Docked();
    const int p = DragPosition(dragStart_, pressAt_, MouseAlong(at), Limits());
    if (p == lastPos_) return;
    if (hotSpotClosed_ && MovesOpen(docked, lastPos_, p)) {
        hotSpotClosed_ = false;
        Realign();
        Invalidate();
    }
    hotPressed_ = false;
    lastPos_ = p;
    const int start =
        (docked == TSide::sdTop || docked == TSide::sdBottom) ? startHeight_ : startWidth_;
    if (realTimeDrag_) {
        SetExtent(SizeDuringDrag(docked, dragStart_, p, start));
    } else if (overlay_) {
        overlay_->ShowAt(
            DragBarRect(docked, p, Bounds(x(), y(), width(), height()), SizeBarRect()));
    }
}

void TWgCustomSizePanel::EndDrag(bool resize) {
    dragging_ = false;
    if (overlay_) overlay_->End();
    if (!resize || realTimeDrag_) return;
    const TSide docked = *Docked();
    const int start =
        (docked == TSide::sdTop || docked == TSide::sdBottom) ? startHeight_ : startWidth_;
    const int size = SizeAfterDrag(docked, dragStart_, lastPos_, start);
    if (size != Extent()) SetExtent(size);
}

void TWgCustomSizePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        TWgCustomPanel::mouseReleaseEvent(event);
        return;
    }
    EndDrag(true);
    const QPoint at = event->position().toPoint();
    if (hotPressed_ && HotSpotRect().Contains({at.x(), at.y()})) {
        if (hotSpotClosed_)
            Restore();
        else
            CollapseToHotSpot();
        if (OnHotSpotClick) OnHotSpotClick();
    }
    hotPressed_ = false;
    recheck_ = true;
    Invalidate();
}

void TWgCustomSizePanel::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        EndDrag(false);
        hotPressed_ = false;
        return;
    }
    TWgCustomPanel::keyPressEvent(event);
}

void TWgCustomSizePanel::UpdateHotState(const QPoint& inPanel) {
    if (!hotSpotVisible_) return;
    const bool inside = HotSpotRect().Contains({inPanel.x(), inPanel.y()});
    if (inside == hotDrawn_) return;
    hotDrawn_ = inside;
    update();
}

void TWgCustomSizePanel::UpdateCursor(const QPoint& inPanel) {
    const TPoint p{inPanel.x(), inPanel.y()};
    if (lockBar_ || !SizeBarRect().Contains(p)) {
        unsetCursor();
        return;
    }
    const bool hot = hotSpotVisible_ && HotSpotRect().Contains(p);
    using enum TWgSplitCursor;
    if (BarHorizontal())
        setCursor(WgSplitCursorOf(hot ? scVertHotSpot : scVert));
    else
        setCursor(WgSplitCursorOf(hot ? scHorzHotSpot : scHorz));
}

void TWgCustomSizePanel::MouseLeave() {
    TWgCustomPanel::MouseLeave();
    if (dragging_ && hotPressed_ && lockBar_) return;
    // The mouse is outside now: the hot spot is plain again.
    if (hotDrawn_) {
        hotDrawn_ = false;
        update();
    }
}

}  // namespace vx
