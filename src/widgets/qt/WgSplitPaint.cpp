// Painting of the size panel: the panel, then its bar in the bar's style and
// the hot spot with its chevrons and dots.
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgSplit.h"

namespace vx {

void TWgCustomSizePanel::Paint(Canvas& canvas) {
    TWgCustomPanel::Paint(canvas);
    const auto docked = Docked();
    if (!docked) return;
    PaintSizeBar(canvas);
    if (hotSpotVisible_) {
        if (recheck_) {
            const QPoint at = mapFromGlobal(QCursor::pos());
            hotDrawn_ = underMouse() && HotSpotRect().Contains({at.x(), at.y()});
        }
        recheck_ = false;
        PaintHotSpot(canvas, hotDrawn_);
    }
}

void TWgCustomSizePanel::PaintSizeBar(Canvas& canvas) {
    const TSide docked = *Docked();
    const TRect bar = SizeBarRect();
    TRect fill = bar;
    TColor color = Color();
    const bool groupBar =
        sizeBarStyle_ == TSplitterStyle::ssGroupBar && VisualStyle() != TWgVisualStyle::vsClassic;
    if (groupBar) {
        // One pixel into the panel, and a lighter edge under a bottom panel's bar.
        if (docked == TSide::sdLeft) fill.left -= 1;
        if (docked == TSide::sdRight) fill.right += 1;
        if (docked == TSide::sdBottom) {
            fill.bottom += 1;
            color = IncreaseLightness(Color(), gradientColorAdjustment_);
        }
    }
    canvas.brush.color = color;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect(fill);

    const bool horizontal = IsHorizontalBar(docked);
    switch (sizeBarStyle_) {
        case TSplitterStyle::ssGroove:
        case TSplitterStyle::ssBump: {
            const TFrameStyle style = sizeBarStyle_ == TSplitterStyle::ssGroove
                                          ? TFrameStyle::fsStatus
                                          : TFrameStyle::fsPopup;
            if (horizontal) {
                const int mid = (bar.top + bar.bottom) / 2;
                FrameAllSides(canvas, {bar.left, mid - 3, bar.right, mid}, style);
                FrameAllSides(canvas, {bar.left, mid, bar.right, mid + 3}, style);
            } else {
                const int mid = (bar.left + bar.right) / 2;
                FrameAllSides(canvas, {mid - 3, bar.top, mid, bar.bottom}, style);
                FrameAllSides(canvas, {mid, bar.top, mid + 3, bar.bottom}, style);
            }
            break;
        }
        case TSplitterStyle::ssGroupBar:
            if (!horizontal)
                PaintThemedBand(canvas, bar, VisualStyle(), GradientColorStyle(),
                                gradientPath_ == TWgGroupBarGradientPath::gpBottomToTop,
                                GradientColorStart(), GradientColorStop());
            break;
        case TSplitterStyle::ssStandard:
            break;
    }
}

void TWgCustomSizePanel::PaintHotSpot(Canvas& canvas, bool hot) {
    const TRect r = HotSpotRect();
    if (r.IsEmpty()) return;
    canvas.pen = CanvasPen{hotSpotFrameColor_};
    canvas.brush.color = hot ? hotSpotHighlight_ : hotSpotColor_;
    canvas.brush.style = BrushStyle::Solid;
    canvas.Rectangle(r);
    const THotSpotMarks marks = HotSpotMarks(r, *Docked(), hotSpotClosed_);
    canvas.pen = CanvasPen{hotSpotDotColor_};
    for (const auto& chevron : marks.chevrons) {
        canvas.MoveTo(chevron[0].x, chevron[0].y);
        canvas.LineTo(chevron[1].x, chevron[1].y);
        canvas.LineTo(chevron[2].x, chevron[2].y);
        canvas.SetPixel(chevron[2].x, chevron[2].y, hotSpotDotColor_);
    }
    for (const TPoint& dot : marks.dots)
        canvas.SetPixel(dot.x, dot.y, hotSpotDotColor_);
}

}  // namespace vx
