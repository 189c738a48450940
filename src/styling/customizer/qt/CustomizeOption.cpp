#include "styling/customizer/qt/CustomizeOption.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPointer>

#include "styling/customizer/ToolBarItemSets.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {

CanvasFont EntryFont() {
    CanvasFont font;
    font.name = "Tahoma";
    font.size = 8;
    return font;
}

struct EntryColors {
    TColor from = clNone;
    TColor to = clNone;
    TColor text = clBlack;
};

// The bar's button colours, or its menu styler's root item's when the bar
// is a menu bar.
EntryColors ColorsOf(TFxCustomToolBar* bar, bool hot, bool down) {
    EntryColors c;
    if (bar == nullptr) return c;
    TCustomFxMenuStyler* menuStyler = bar->CurrentStyler()->CurrentMenuStyler();
    if (bar->Menu() != nullptr && menuStyler != nullptr) {
        const TRootItem& root = menuStyler->RootItem();
        if (down)
            c = {root.SelectedColor(), root.SelectedColorTo(), root.SelectedTextColor()};
        else if (hot)
            c = {root.HoverColor(), root.HoverColorTo(), root.HoverTextColor()};
        else
            c.text = root.Font().color;
        return c;
    }
    const TButtonAppearance& look = bar->CurrentStyler()->ButtonAppearance();
    if (down)
        c = {look.ColorDown(), look.ColorDownTo(), look.CaptionTextColorDown()};
    else if (hot)
        c = {look.ColorHot(), look.ColorHotTo(), look.CaptionTextColorHot()};
    else
        c.text = look.CaptionTextColor();
    return c;
}

}  // namespace

TCustomizeOption::TCustomizeOption(QWidget* parent) : TOptionSelectorPanel(parent) {
    setObjectName("CustomizeOption");
    setMouseTracking(true);
    SetCaption(QStringLiteral("Customize"));
}

void TCustomizeOption::SetCaption(const QString& caption) {
    caption_ = caption;
    const QFontMetrics fm(ToQFont(EntryFont()));
    resize(customizer::CustomizeEntryWidth(fm.horizontalAdvance(caption_), leftMargin_),
           customizer::kCustomizeEntryHeight);
    Invalidate();
}

TRect TCustomizeOption::EntryRect() const {
    return customizer::CustomizeEntryRect(width(), height(), leftMargin_);
}

void TCustomizeOption::Paint(Canvas& canvas) {
    TOptionSelectorPanel::Paint(canvas);
    const TRect r = EntryRect();
    const EntryColors c = ColorsOf(FxToolBar(), hot_, down_);
    canvas.pen.color = clBlack;
    if (c.from != clNone && c.to != clNone) {
        DrawGradient(canvas, c.from, c.to, 40, r, false);
        canvas.brush.style = BrushStyle::Clear;
        canvas.Rectangle(r);
    } else if (c.from != clNone) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = c.from;
        canvas.pen.color = c.from;
        canvas.Rectangle(r);
    }
    canvas.font = EntryFont();
    canvas.font.color = c.text;
    canvas.brush.style = BrushStyle::Clear;
    TRect text{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    canvas.DrawText(caption_.toStdString(), text,
                    DrawTextFlags::kSingleLine | DrawTextFlags::kVCenter | DrawTextFlags::kCenter |
                        DrawTextFlags::kNoPrefix);
}

bool TCustomizeOption::OverEntry(const QMouseEvent* event) const {
    const QPoint p = event->position().toPoint();
    return EntryRect().Contains({p.x(), p.y()});
}

void TCustomizeOption::SetState(bool hot, bool down) {
    if (hot == hot_ && down == down_) return;
    hot_ = hot;
    down_ = down;
    Invalidate();
}

void TCustomizeOption::mouseMoveEvent(QMouseEvent* event) {
    TOptionSelectorPanel::mouseMoveEvent(event);
    if (!OverEntry(event))
        SetState(false, false);
    else if (!(event->buttons() & Qt::LeftButton))
        SetState(true, true);
}

void TCustomizeOption::mousePressEvent(QMouseEvent* event) {
    TOptionSelectorPanel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && OverEntry(event)) SetState(true, true);
}

void TCustomizeOption::mouseReleaseEvent(QMouseEvent* event) {
    TOptionSelectorPanel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !down_ || !OverEntry(event)) return;
    SetState(false, false);
    // The windows close before the dialog opens.
    if (auto* owner = qobject_cast<TOptionSelectorWindow*>(window())) owner->hide();
    QPointer<TFxCustomToolBar> bar = FxToolBar();
    if (bar != nullptr) bar->Customize();
}

void TCustomizeOption::MouseLeave() {
    TOptionSelectorPanel::MouseLeave();
    SetState(false, false);
}

}  // namespace vx
