#include "styling/toolbar/qt/FloatingWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>

#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {
constexpr int kFollowIntervalMs = 40;
}

TFloatingWindow::TFloatingWindow(QWidget* owner)
    : TCustomControl(owner), loadedCursor_(Qt::ArrowCursor) {
    // A tool window of its owner stays above it; no frame of the platform.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setMouseTracking(true);
    followTimer_.setInterval(kFollowIntervalMs);
    connect(&followTimer_, &QTimer::timeout, this, &TFloatingWindow::FollowTick);
}

// The bar is destroyed with the window, after this: it is told first, while
// the window is still whole, so that it keeps where it floated.
TFloatingWindow::~TFloatingWindow() {
    if (TFxCustomToolBar* bar = toolBar_.data()) bar->FloatingWindowGoing(this);
}

void TFloatingWindow::SetFxCustomToolBar(TFxCustomToolBar* bar) {
    if (bar == toolBar_.data()) return;
    if (toolBar_) toolBar_->removeEventFilter(this);
    EndCaptionDrag();
    toolBar_ = bar;
    if (bar) bar->installEventFilter(this);
}

bool TFloatingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolBar_.data()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
                if (CaptionMouse(static_cast<QMouseEvent*>(event))) return true;
                break;
            case QEvent::ParentChange:
                // The bar left the window (docked again): it is no longer
                // carried here.
                if (toolBar_->parentWidget() != this) SetFxCustomToolBar(nullptr);
                break;
            default:
                break;
        }
    }
    return TCustomControl::eventFilter(watched, event);
}

bool TFloatingWindow::CaptionMouse(QMouseEvent* event) {
    TFxCustomToolBar* bar = toolBar_.data();
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (event->button() != Qt::LeftButton || captionDrag_ ||
                bar->State() != TToolBarState::tsFloating)
                return false;
            const QPoint p = event->position().toPoint();
            if (!bar->FloatingDragRect().Contains(TPoint{p.x(), p.y()})) return false;
            captionDrag_ = true;
            grab_ = global - pos();
            QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
            return true;
        }
        case QEvent::MouseMove:
            if (!captionDrag_) return false;
            move(global - grab_);
            return true;
        case QEvent::MouseButtonRelease:
            if (!captionDrag_ || event->button() != Qt::LeftButton) return false;
            move(global - grab_);
            EndCaptionDrag();
            return true;
        default:
            return false;
    }
}

void TFloatingWindow::EndCaptionDrag() {
    if (!captionDrag_) return;
    captionDrag_ = false;
    QGuiApplication::restoreOverrideCursor();
}

void TFloatingWindow::SetBorderWidth(int v) {
    if (v == borderWidth_) return;
    borderWidth_ = v;
    UpdateSize();
}

void TFloatingWindow::TakeLook(const TCustomFxToolBarStyler& styler) {
    SetBorderWidth(styler.FloatingWindowBorderWidth());
    SetBorderColor(styler.FloatingWindowBorderColor());
    const TGradientBackground& ground = styler.Color();
    SetColor(ground.ColorTo() != clNone ? ground.ColorTo() : ground.Color());
    Invalidate();
}

void TFloatingWindow::UpdateSize() {
    TFxCustomToolBar* bar = toolBar_.data();
    if (!bar) return;
    const int ring = 2 * (borderWidth_ + 1);
    resize(bar->width() + ring, bar->height() + ring);
    bar->move(borderWidth_ + 1, borderWidth_ + 1);
    Invalidate();
}

void TFloatingWindow::Loaded() {
    TCustomControl::Loaded();
    loadedCursor_ = cursor();
}

void TFloatingWindow::Paint(Canvas& canvas) {
    TCustomControl::Paint(canvas);
    if (borderColor_ == clNone) return;
    const int w = width();
    const int h = height();
    const int b = borderWidth_;
    canvas.pen.color = borderColor_;
    canvas.pen.width = b;
    canvas.Rectangle(1, 1, w, h);
    canvas.SetPixel(b, b, borderColor_);
    canvas.SetPixel(w - b - 1, b, borderColor_);
    canvas.SetPixel(b, h - b - 1, borderColor_);
    canvas.SetPixel(w - b - 1, h - b - 1, borderColor_);
}

void TFloatingWindow::mousePressEvent(QMouseEvent* event) {
    TCustomControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const TFloatingEdge edge = FloatingEdgeAt(p.x(), p.y(), width(), height());
    if (edge == TFloatingEdge::feNone) return;
    drag_ = {edge, FloatingEdgeReference(edge, width(), height()), 0};
    sizing_ = true;
}

void TFloatingWindow::mouseReleaseEvent(QMouseEvent* event) {
    TCustomControl::mouseReleaseEvent(event);
    sizing_ = false;
    drag_ = {};
}

void TFloatingWindow::mouseMoveEvent(QMouseEvent* event) {
    TCustomControl::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    QCursor wanted = loadedCursor_;
    switch (FloatingCursorAt(p.x(), p.y(), width(), height())) {
        case TFloatingCursor::fcSizeWE:
            wanted = QCursor(Qt::SizeHorCursor);
            break;
        case TFloatingCursor::fcSizeNS:
            wanted = QCursor(Qt::SizeVerCursor);
            break;
        case TFloatingCursor::fcNormal:
            break;
    }
    if (cursor().shape() != wanted.shape()) setCursor(wanted);
    if (sizing_ && (event->buttons() & Qt::LeftButton)) EdgeStep(p.x(), p.y());
}

void TFloatingWindow::EdgeStep(int px, int py) {
    TFxCustomToolBar* bar = toolBar_.data();
    if (!bar) return;
    const int rows = bar->FloatingRows();
    const TRowsSize sizeFor = [bar](int n) -> std::optional<TFloatingWindowSize> {
        if (n < 1 || n > bar->MaxFloatingRows()) return std::nullopt;
        const auto s = bar->FloatingSizeFor(n);
        return TFloatingWindowSize{s.width, s.height};
    };
    const int delta =
        FloatingEdgeStep(drag_, px, py, width(), height(), borderWidth_, rows, sizeFor);
    if (delta == 0) return;
    const QRect before = geometry();
    bar->SetFloatingRows(rows + delta);
    UpdateSize();
    // A left or top drag keeps the opposite edge where it was.
    if (drag_.edge == TFloatingEdge::feLeft)
        move(pos().x() + before.width() - width(), pos().y());
    else if (drag_.edge == TFloatingEdge::feTop)
        move(pos().x(), pos().y() + before.height() - height());
    drag_.reference = FloatingEdgeReference(drag_.edge, width(), height());
    Invalidate();
}

void TFloatingWindow::SetFollowForm(QWidget* form) {
    followForm_ = form;
    if (form)
        followTimer_.start();
    else
        followTimer_.stop();
}

void TFloatingWindow::FollowTick() {
    QWidget* form = followForm_.data();
    if (!form) return;
    // A minimised form counts as hidden: its floating bars go with it.
    const bool shown = form->isVisible() && !form->isMinimized();
    if (!shown && isVisible()) {
        hide();
        showLater_ = true;
    } else if (shown && !isVisible() && showLater_) {
        showLater_ = false;
        show();
    }
}

}  // namespace vx
