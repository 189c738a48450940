#include "widgets/qt/WgGroupBox.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QShortcutEvent>

#include "platform/DesktopTheme.h"
#include "widgets/qt/WgGrafx.h"

namespace vx {
namespace {

using enum TWgGroupBoxStyle;

int TextHeightOf(const CanvasFont& font) {
    return QFontMetrics(ToQFont(font)).height();
}

}  // namespace

TWgCustomGroupBox::TWgCustomGroupBox(QWidget* parent) : TWgCustomPanel(parent) {
    SetBorderOuter(TFrameStyle::fsNone);
    SetBorderInner(TFrameStyle::fsNone);
    SetAlignment(TAlignment::taLeftJustify);
    SetAlignmentVertical(TAlignmentVertical::avTop);
    resize(width(), 105);
}

bool TWgCustomGroupBox::Themed() const {
    return VisualStyle() == TWgVisualStyle::vsWinXP && VisualStylesActive() &&
           (groupStyle_ == gsStandard || groupStyle_ == gsFlat);
}

void TWgCustomGroupBox::AdjustClientRect(TRect& rect) {
    TWgCustomPanel::AdjustClientRect(rect);
    rect = GroupBoxChildArea(rect, groupStyle_, TextHeightOf(Font()), BorderWidth(),
                             Caption().isEmpty(), bannerHeight_);
}

TRect TWgCustomGroupBox::CaptionRect() {
    const std::string caption = StripAccelerators(Caption().toStdString());
    if (caption.empty() || groupStyle_ == gsCustom) return {};
    const QFontMetrics fm(ToQFont(Font()));
    const int width = fm.horizontalAdvance(QString::fromStdString(caption));
    return GroupBoxCaptionRect(ClientRect(), groupStyle_, width, fm.height(), bannerHeight_,
                               layoutDirection() == Qt::RightToLeft);
}

void TWgCustomGroupBox::Paint(Canvas& canvas) {
    if (groupStyle_ == gsCustom) {
        TWgCustomPanel::Paint(canvas);
        return;
    }
    const int frameTop = GroupFrameTop(TextHeightOf(Font()));
    const TRect caption = CaptionRect();
    if (Themed()) {
        // The stand-in theme's group frame: a rounded line in its border colour.
        if (Transparent())
            PaintBackground(canvas);
        else
            DrawParentImage(this, canvas);
        canvas.SaveState();
        if (!caption.IsEmpty()) canvas.ExcludeClipRect(caption);
        const TWgColorContext ctx = CurrentColorContext();
        const TColor line = Enabled() ? ThemePartColor(ctx, 0) : clGrayText;
        RoundedFlatSides(canvas, {0, frameTop, width(), height()}, line, TSides::All());
        canvas.RestoreState();
        PaintCaption(canvas, caption);
        return;
    }
    PaintBackground(canvas);
    canvas.SaveState();
    if (Transparent() && groupStyle_ != gsBanner && !caption.IsEmpty())
        canvas.ExcludeClipRect(caption);
    PaintFrame(canvas, caption, frameTop);
    canvas.RestoreState();
    PaintCaption(canvas, caption);
}

void TWgCustomGroupBox::PaintFrame(Canvas& canvas, const TRect& caption, int frameTop) {
    const TRect frame{0, frameTop, width(), height()};
    const TColor flat = AdjustLightness(FlatColor(), FlatColorAdjustment());
    const TFrameStyleEx outer = BorderOuter();
    auto flatLine = [&](int y) {
        canvas.pen = CanvasPen{flat};
        canvas.MoveTo(frame.left + 2, y);
        canvas.LineTo(frame.right - 2, y);
    };
    switch (groupStyle_) {
        case gsStandard:
            if (outer == TFrameStyle::fsNone)
                FrameAllSides(canvas, frame, TFrameStyle::fsGroove);
            else if (outer == TFrameStyle::fsFlat)
                OutlineRect(canvas, frame, flat);
            else if (outer == TFrameStyle::fsFlatBold)
                DrawBevel(canvas, frame, flat, flat, 2, TSides::All());
            else
                FrameAllSides(canvas, frame, outer);
            break;
        case gsTopLine:
            if (outer == TFrameStyle::fsNone) {
                FrameChosenSides(canvas, frame, TFrameStyle::fsGroove, {TSide::sdTop});
            } else if (outer == TFrameStyle::fsFlat) {
                flatLine(frame.top);
            } else if (outer == TFrameStyle::fsFlatBold) {
                flatLine(frame.top);
                flatLine(frame.top + 1);
            } else {
                FrameChosenSides(canvas, frame, outer, {TSide::sdTop});
            }
            break;
        case gsFlat:
            RoundedFlatSides(canvas, frame, flat, TSides::All());
            canvas.SetPixel(frame.left + 1, frame.top + 1, flat);
            canvas.SetPixel(frame.right - 2, frame.top + 1, flat);
            canvas.SetPixel(frame.left + 1, frame.bottom - 2, flat);
            canvas.SetPixel(frame.right - 2, frame.bottom - 2, flat);
            break;
        case gsBanner: {
            if (caption.IsEmpty()) break;
            TColor edge = flat;
            TColor start = GradientColorStart();
            TColor stop = GradientColorStop();
            if (GradientColorStyle() != TWgGradientColorStyle::gcsCustom) {
                const TBandColorsReversed c =
                    SelectBandColorsReversed(CurrentColorContext(), GradientColorStyle());
                start = c.b;
                stop = c.a;
                edge = c.c;
            }
            canvas.pen = CanvasPen{edge};
            const TRect& r = caption;
            canvas.MoveTo(r.left + 1, r.top);
            canvas.LineTo(r.right - 1, r.top);
            canvas.MoveTo(r.left + 1, r.bottom - 1);
            canvas.LineTo(r.right - 1, r.bottom - 1);
            canvas.MoveTo(r.left, r.top + 1);
            canvas.LineTo(r.left, r.bottom - 1);
            canvas.MoveTo(r.right - 1, r.top + 1);
            canvas.LineTo(r.right - 1, r.bottom - 1);
            PaintTwoColorGradient(canvas, r.Inflated(-1, -1), TGradientDirection::gdHorizontalEnd,
                                  1, start, stop);
            break;
        }
        case gsUnderline:
            if (caption.IsEmpty()) break;
            // Just below the caption's rectangle, which the caption's fill covers.
            canvas.pen = CanvasPen{flat};
            canvas.MoveTo(caption.left, caption.bottom);
            canvas.LineTo(caption.right, caption.bottom);
            break;
        case gsCustom:
            break;
    }
}

void TWgCustomGroupBox::PaintCaption(Canvas& canvas, TRect caption) {
    if (caption.IsEmpty()) return;
    if (!Transparent() && groupStyle_ != gsBanner && !Themed()) {
        canvas.brush.color = Color();
        canvas.brush.style = BrushStyle::Solid;
        canvas.FillRect(caption);
    }
    if (groupStyle_ == gsBanner) caption = caption.Inflated(-4, -1);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font = Font();
    if (!Enabled())
        canvas.font.color = clGrayText;
    else if (VisualStyle() == TWgVisualStyle::vsWinXP && VisualStylesActive())
        canvas.font.color = ThemePartColor(CurrentColorContext(), 6);
    using namespace DrawTextFlags;
    canvas.DrawText(Caption().toStdString(), caption,
                    AlignmentFlag(Alignment()) | kSingleLine | kVCenter);
    canvas.brush.style = BrushStyle::Solid;
}

void TWgCustomGroupBox::ApplyFrameController(const TWgFrameController& controller) {
    if (groupStyle_ == gsCustom) TWgCustomPanel::ApplyFrameController(controller);
}

void TWgCustomGroupBox::TextChanged() {
    GrabAccelerator();
    Realign();
    Invalidate();
}

void TWgCustomGroupBox::FontChanged() {
    Realign();
    Invalidate();
}

void TWgCustomGroupBox::GrabAccelerator() {
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(Caption());
    if (!key.isEmpty()) shortcutId_ = grabShortcut(key);
}

bool TWgCustomGroupBox::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        // The caption's accelerator: the focus goes to the first child that takes it.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isEnabled() && child->isVisible() && child->focusPolicy() != Qt::NoFocus) {
                child->setFocus(Qt::ShortcutFocusReason);
                break;
            }
        }
        return true;
    }
    return TWgCustomPanel::event(event);
}

}  // namespace vx
