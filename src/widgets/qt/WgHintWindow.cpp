#include "widgets/qt/WgHintWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "widgets/qt/WgGrafx.h"

namespace vx {
namespace {

using enum TWgHintCorner;

TPoint ToT(QPoint p) {
    return {p.x(), p.y()};
}

}  // namespace

bool TWgBalloonBitmaps::Empty() const {
    return lowerRight.isNull() && lowerLeft.isNull() && upperLeft.isNull() && upperRight.isNull();
}

QImage TWgBalloonBitmaps::ForCorner(TWgHintCorner corner) const {
    // Each corner's own picture, its left-right mirror, its top-bottom mirror
    // and the opposite one.
    struct Choice {
        const QImage* own;
        const QImage* sideways;
        const QImage* upsideDown;
        const QImage* opposite;
    };
    Choice c{};
    switch (corner) {
        case hcLowerRight:
        case hcNone:
            c = {&lowerRight, &lowerLeft, &upperRight, &upperLeft};
            break;
        case hcLowerLeft:
            c = {&lowerLeft, &lowerRight, &upperLeft, &upperRight};
            break;
        case hcUpperLeft:
            c = {&upperLeft, &upperRight, &lowerLeft, &lowerRight};
            break;
        case hcUpperRight:
            c = {&upperRight, &upperLeft, &lowerRight, &lowerLeft};
            break;
    }
    if (!c.own->isNull()) return *c.own;
    if (!c.sideways->isNull()) return c.sideways->mirrored(true, false);
    if (!c.upsideDown->isNull()) return c.upsideDown->mirrored(false, true);
    if (!c.opposite->isNull()) return c.opposite->mirrored(true, true);
    return {};
}

TWgCustomHintWindow::TWgCustomHintWindow(QWidget* parent) : TCustomControl(parent) {
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    CanvasFont font;
    font.name = "Tahoma";
    font.size = 8;
    font.color = clInfoText;
    SetFont(font);
    hide();
}

void TWgCustomHintWindow::SetHintTarget(QWidget* control, QPoint globalPos) {
    control_ = control;
    mouse_ = globalPos;
    hintPos_ = control ? control->mapFromGlobal(globalPos) : globalPos;
}

TRect TWgCustomHintWindow::CalcHintRect(const QString& text) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    Canvas canvas(painter);
    canvas.font = Font();
    using namespace DrawTextFlags;
    TRect r{0, 0, captionWidth, 0};
    canvas.DrawText(text.toStdString(), r,
                    kCalcRect | kLeft | kWordBreak | kNoPrefix |
                        (layoutDirection() == Qt::RightToLeft ? kRtlReading : 0));
    // The room the framework's hint window keeps around its text.
    r.right += 6;
    r.bottom += 2;
    return r;
}

void TWgCustomHintWindow::ActivateHint(TRect rect, const QString& text) {
    current_ = corner;
    text_ = text;
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        Canvas canvas(painter);
        canvas.font = Font();
        if (onSetHintRect) onSetHintRect(canvas, current_, text_, rect);
        rect = GrowHintRect(rect, Balloon(), current_);

        THintTarget target;
        target.mouse = ToT(mouse_);
        if (control_) {
            target.hasControl = true;
            const QPoint topLeft = control_->mapToGlobal(QPoint(0, 0));
            target.control =
                Bounds(topLeft.x(), topLeft.y(), control_->width(), control_->height());
            target.hintPos = ToT(control_->mapToGlobal(hintPos_));
        }
        const TPoint p = PointerPoint(target, Balloon(), centerThreshold);

        int width = std::max(rect.Width(), kHintMinWidth);
        int height = rect.Height();
        if (onSetHintWinSize) onSetHintWinSize(canvas, current_, text_, width, height);
        width = std::max(width, kHintMinWidth);
        if (!Balloon()) current_ = hcLowerRight;

        QRect desktop(0, 0, 1024, 768);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            desktop = screen->availableGeometry();
        const TRect workArea = WorkAreaAt(Monitors(), p, ToTRect(desktop));
        const THintPlacement place = PlaceHint(p, width, height, current_, workArea);
        current_ = place.corner;
        setGeometry(ToQRect(place.bounds));
    }
    if (Balloon())
        setMask(Shape());
    else
        clearMask();
    show();
    raise();
    update();
    tracking_ = true;
}

void TWgCustomHintWindow::CancelHint() {
    tracking_ = false;
    hide();
}

QRegion TWgCustomHintWindow::Shape() const {
    const TRect client = ClientRect();
    if (!Balloon()) return QRegion(ToQRect(client));
    const TRect body = BalloonBody(client, current_, true);
    QRegion region;
    for (const TRect& r : BalloonBodyRects(body))
        region += QRegion(ToQRect(r));
    if (auto pointer = BalloonPointer(client, body, current_)) {
        QPolygon triangle;
        for (const TPoint& p : *pointer)
            triangle << QPoint(p.x, p.y);
        region += QRegion(triangle, Qt::WindingFill);
    }
    return region;
}

void TWgCustomHintWindow::Paint(Canvas& canvas) {
    const TRect client = ClientRect();
    canvas.brush.color = fillColor;
    canvas.brush.style = BrushStyle::Solid;
    canvas.pen = CanvasPen{clBlack};
    canvas.font = Font();
    canvas.FillRect(client);
    TRect body = BalloonBody(client, current_, Balloon());
    if (onSetHintRect) onSetHintRect(canvas, current_, text_, body);

    if (bitmaps && !bitmaps->Empty()) {
        const QImage picture = bitmaps->ForCorner(current_);
        StretchTransparentBitmap(canvas, client, picture,
                                 Bounds(0, 0, picture.width(), picture.height()),
                                 bitmaps->transparentColor);
    } else if (Balloon()) {
        OutlineRect(canvas, body, frameColor);
        for (const TPoint& p : BalloonCornerPixels(body))
            canvas.SetPixel(p.x, p.y, frameColor);
        if (auto pointer = BalloonPointerOutline(client, body, current_)) {
            canvas.pen = CanvasPen{frameColor};
            canvas.MoveTo((*pointer)[0].x, (*pointer)[0].y);
            canvas.LineTo((*pointer)[1].x, (*pointer)[1].y);
            canvas.LineTo((*pointer)[2].x, (*pointer)[2].y);
            canvas.brush.color = fillColor;
            canvas.FillRect(BalloonPointerJoin(body, current_));
        }
    } else {
        // The non-client frame of a plain hint.
        OutlineRect(canvas, client, frameColor);
    }

    TRect text = HintTextRect(body, alignment, Balloon(), captionWidth);
    canvas.brush.style = BrushStyle::Clear;
    using namespace DrawTextFlags;
    canvas.DrawText(text_.toStdString(), text,
                    AlignmentFlag(alignment) | kNoPrefix | kWordBreak |
                        (layoutDirection() == Qt::RightToLeft ? kRtlReading : 0));
    canvas.brush.style = BrushStyle::Solid;
}

void TWgCustomHintWindow::PassOn(QMouseEvent* event) {
    if (!control_) return;
    const QPointF local = control_->mapFromGlobal(event->globalPosition());
    QMouseEvent copy(event->type(), local, event->scenePosition(), event->globalPosition(),
                     event->button(), event->buttons(), event->modifiers());
    QApplication::sendEvent(control_, &copy);
}

void TWgCustomHintWindow::mouseMoveEvent(QMouseEvent* event) {
    if (tracking_ && control_) {
        // A 5 x 5 spot around where the hint was asked for.
        const QPoint spot = mapFromGlobal(control_->mapToGlobal(hintPos_));
        const QRect around(spot - QPoint(2, 2), QSize(5, 5));
        if (!around.contains(event->position().toPoint())) CancelHint();
    }
    PassOn(event);
}

void TWgCustomHintWindow::mousePressEvent(QMouseEvent* event) {
    PassOn(event);
}

void TWgCustomHintWindow::mouseReleaseEvent(QMouseEvent* event) {
    PassOn(event);
}

}  // namespace vx
