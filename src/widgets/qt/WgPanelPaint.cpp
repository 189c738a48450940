// Painting of the bordered panel: frames, fill, grid and caption.
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgPanel.h"

namespace vx {

void TWgCustomPanel::PaintBackground(Canvas& canvas) {
    if (transparent_ && paintClientArea_) {
        DrawParentImage(this, canvas);
    } else {
        canvas.brush.color = Color();
        canvas.brush.style = BrushStyle::Solid;
        canvas.FillRect(ClientRect());
    }
}

void TWgCustomPanel::Paint(Canvas& canvas) {
    PaintBackground(canvas);
    const TRect interior = PaintFrameStyle(canvas, BorderBoxRect(), FrameParams());
    if (!transparent_ && paintClientArea_) {
        if (visualStyle_ == TWgVisualStyle::vsGradient) {
            const TColorPair colors = GradientColors();
            PaintTwoColorGradient(canvas, interior, gradientDirection_, 1, colors.start,
                                  colors.stop);
        } else {
            canvas.brush.color = Color();
            canvas.brush.style = BrushStyle::Solid;
            canvas.FillRect(interior);
        }
    }
    if (showGrid_) DrawGrid(canvas, interior);
    canvas.brush.style = BrushStyle::Clear;
    DrawCaption(canvas, interior);
    canvas.brush.style = BrushStyle::Solid;
    if (OnPaint) OnPaint(canvas);
}

void TWgCustomPanel::DrawCaption(Canvas& canvas, const TRect& interior) {
    const std::string caption = Caption().toStdString();
    if (caption.empty()) return;
    canvas.font = Font();
    using namespace DrawTextFlags;
    const unsigned flags =
        kExpandTabs | kVCenter | (wordWrap_ ? kWordBreak : 0) | AlignmentFlag(alignment_);
    TRect measured = interior.Inflated(-textMargin_, -textMarginVertical_);
    canvas.DrawText(caption, measured, flags | kCalcRect);
    TRect r = PlaceCaption(interior, textMargin_, textMarginVertical_, measured.Height(),
                           alignmentVertical_);
    if (!Enabled()) canvas.font.color = clGrayText;
    canvas.DrawText(caption, r, flags);
}

void TWgCustomPanel::DrawGrid(Canvas& canvas, const TRect& interior) {
    const TGridLines lines = PanelGridLines(interior, gridXSize_, gridYSize_);
    switch (gridStyle_) {
        case TWgGridStyle::gsDots:
            for (int x : lines.xs) {
                for (int y : lines.ys)
                    canvas.SetPixel(x, y, gridColor_);
            }
            break;
        case TWgGridStyle::gsDottedLines:
            for (int x : lines.xs) {
                for (int y = interior.top + 1; y < interior.bottom; y += 2)
                    canvas.SetPixel(x, y, gridColor_);
            }
            for (int y : lines.ys) {
                for (int x = interior.left + 1; x < interior.right; x += 2)
                    canvas.SetPixel(x, y, gridColor_);
            }
            break;
        case TWgGridStyle::gsSolidLines:
            canvas.pen = CanvasPen{gridColor_};
            for (int x : lines.xs) {
                canvas.MoveTo(x, interior.top);
                canvas.LineTo(x, interior.bottom);
            }
            for (int y : lines.ys) {
                canvas.MoveTo(interior.left, y);
                canvas.LineTo(interior.right, y);
            }
            break;
    }
}

}  // namespace vx
