#include "widgets/qt/WgGroupBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "platform/DesktopTheme.h"
#include "platform/paint/ImageList.h"
#include "widgets/WgGrafxFrames.h"
#include "widgets/WgGrafxGradient.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupDraw.h"

namespace vx {

TWgGroupBar::TWgGroupBar(QWidget* parent) : TCustomControl(parent) {
    if (IsLoading()) BeginBarLoading();
    SetParentColor(false);
    SetColor(clBtnShadow);
    SetAlign(TAlign::alLeft);
    setFocusPolicy(Qt::ClickFocus);
    resize(160, height());
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setSingleStep(10);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!syncingScrollBar_) ScrollTo(value);
    });
    // A control inside a group that takes the focus opens its group.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w && w != this; w = w->parentWidget()) {
            auto* group = qobject_cast<TWgGroup*>(w);
            if (group && group->parentWidget() == this) {
                GroupFocused(*group);
                return;
            }
        }
    });
}

TWgGroupBar::~TWgGroupBar() {
    disconnect(qApp, nullptr, this, nullptr);
}

TWgGroup* TWgGroupBar::Group(int index) const {
    return dynamic_cast<TWgGroup*>(&Groups(index));
}

// --- Settings -------------------------------------------------------------------

void TWgGroupBar::FrameChanged() {
    PlaceScrollBar();
    Layout();
    for (int i = 0; i < GroupCount(); ++i) {
        if (TWgGroup* group = Group(i)) group->PlaceInBar();
    }
    Invalidate();
}

void TWgGroupBar::SetBevelWidth(int value) {
    if (SetPublished(bevelWidth_, std::max(value, 1))) FrameChanged();
}

void TWgGroupBar::SetBorderInner(TFrameStyleEx value) {
    if (SetPublished(borderInner_, value)) FrameChanged();
}

void TWgGroupBar::SetBorderOuter(TFrameStyleEx value) {
    if (SetPublished(borderOuter_, value)) FrameChanged();
}

void TWgGroupBar::SetBorderSides(TSides value) {
    if (SetPublished(borderSides_, value)) FrameChanged();
}

void TWgGroupBar::SetBorderColor(TColor value) {
    SetPublished(borderColor_, value);
}

void TWgGroupBar::SetBorderHighlight(TColor value) {
    SetPublished(borderHighlight_, value);
}

void TWgGroupBar::SetBorderShadow(TColor value) {
    SetPublished(borderShadow_, value);
}

void TWgGroupBar::SetFlatColor(TColor value) {
    SetPublished(flatColor_, value);
}

void TWgGroupBar::SetFlatColorAdjustment(int value) {
    SetPublished(flatColorAdjustment_, value);
}

void TWgGroupBar::SetGradientColorStyle(TWgGradientColorStyle value) {
    if (SetPublished(gradientColorStyle_, value)) RepaintGroups();
}

void TWgGroupBar::SetGradientColorStart(TColor value) {
    SetPublished(gradientColorStart_, value);
}

void TWgGroupBar::SetGradientColorStop(TColor value) {
    SetPublished(gradientColorStop_, value);
}

void TWgGroupBar::SetGradientPath(TWgGradientPath value) {
    SetPublished(gradientPath_, value);
}

void TWgGroupBar::SetVisualStyle(TWgVisualStyle value) {
    if (SetPublished(visualStyle_, value)) RepaintGroups();
}

void TWgGroupBar::WatchImages(TImageList* old, TImageList* images) {
    if (old) disconnect(old, nullptr, this, nullptr);
    if (images) {
        connect(images, &TImageList::Changed, this, [this] { repaint(); });
        connect(images, &QObject::destroyed, this, [this] {
            Layout();
            RepaintGroups();
        });
    }
    Layout();
    Invalidate();
}

void TWgGroupBar::SetSmallImages(TImageList* images) {
    if (images == smallImages_) return;
    TImageList* old = smallImages_;
    smallImages_ = images;
    WatchImages(old, images);
    RepaintGroups();
}

void TWgGroupBar::SetLargeImages(TImageList* images) {
    if (images == largeImages_) return;
    TImageList* old = largeImages_;
    largeImages_ = images;
    WatchImages(old, images);
}

void TWgGroupBar::RepaintGroups() {
    for (int i = 0; i < GroupCount(); ++i) {
        if (TWgGroup* group = Group(i)) group->Invalidate();
    }
}

// --- Geometry -------------------------------------------------------------------

TPoint TWgGroupBar::ClientOrigin() const {
    const int frame = FrameWidth(borderOuter_, bevelWidth_) + FrameWidth(borderInner_, bevelWidth_);
    return {borderSides_.Has(TSide::sdLeft) ? frame : 0,
            borderSides_.Has(TSide::sdTop) ? frame : 0};
}

TRect TWgGroupBar::InnerRect() const {
    const int frame = FrameWidth(borderOuter_, bevelWidth_) + FrameWidth(borderInner_, bevelWidth_);
    TRect r = ShrinkSides(ClientRect(), borderSides_, frame);
    if (ScrollBar().Visible()) r.right -= scrollBar_->sizeHint().width();
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int TWgGroupBar::ClientWidth() const {
    return InnerRect().Width();
}

int TWgGroupBar::ClientHeight() const {
    return InnerRect().Height();
}

void TWgGroupBar::PlaceScrollBar() {
    const int frame = FrameWidth(borderOuter_, bevelWidth_) + FrameWidth(borderInner_, bevelWidth_);
    const TRect r = ShrinkSides(ClientRect(), borderSides_, frame);
    const int w = scrollBar_->sizeHint().width();
    scrollBar_->setGeometry(r.right - w, r.top, w, std::max(r.Height(), 0));
}

void TWgGroupBar::ScrollBarChanged() {
    const ScrollRange& range = ScrollBar();
    syncingScrollBar_ = true;
    scrollBar_->setRange(range.min, std::max(range.min, range.max - range.page));
    scrollBar_->setPageStep(std::max(range.page, 1));
    scrollBar_->setValue(range.position);
    syncingScrollBar_ = false;
    PlaceScrollBar();
    scrollBar_->setVisible(range.Visible());
}

void TWgGroupBar::RepaintBar() {
    Invalidate();
}

void TWgGroupBar::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustSize();
}

void TWgGroupBar::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    const TAlign align = Align();
    if (align == TAlign::alLeft || align == TAlign::alRight || align == TAlign::alClient) return;
    // The content's extent is its total height and one pixel, inside the frame.
    const int frame = FrameWidth(borderOuter_, bevelWidth_) + FrameWidth(borderInner_, bevelWidth_);
    const int frameHeight = height() - ShrinkSides(ClientRect(), borderSides_, frame).Height();
    const int wanted = TotalHeight() + 1 + frameHeight;
    if (wanted != height()) SetBounds(x(), y(), width(), wanted);
}

void TWgGroupBar::GroupJoined(TWgGroupModel& model) {
    auto* group = dynamic_cast<TWgGroup*>(&model);
    if (!group) return;
    if (group->parentWidget() != this) group->setParent(this);
    group->setVisible(group->Shown());
    scrollBar_->raise();
}

void TWgGroupBar::GroupLeft(TWgGroupModel& model) {
    auto* group = dynamic_cast<TWgGroup*>(&model);
    if (!group || group->Destroying()) return;
    group->hide();
    group->setParent(nullptr);
}

std::vector<TWgGroupBarModel*> TWgGroupBar::SiblingBars() {
    QWidget* parent = parentWidget();
    if (!parent) return {this};
    std::vector<TWgGroupBarModel*> bars;
    for (QObject* object : parent->children()) {
        if (auto* bar = qobject_cast<TWgGroupBar*>(object)) bars.push_back(bar);
    }
    return bars;
}

void TWgGroupBar::PostScrollReset() {
    QTimer::singleShot(0, this, [this] { ScrollTo(0); });
}

void TWgGroupBar::PostLayout() {
    // Items added one at a time, or captions changed in a loop, make one
    // layout when the window next handles its events.
    QMetaObject::invokeMethod(
        this, [this] { FlushLayout(); }, Qt::QueuedConnection);
}

// --- Painting -------------------------------------------------------------------

bool TWgGroupBar::PaintsBackground() const {
    if (Style() != TWgGroupBarStyle::gbsCategoryView || visualStyle_ == TWgVisualStyle::vsClassic)
        return false;
    return (visualStyle_ == TWgVisualStyle::vsWinXP && VisualStylesActive()) || HighColorDisplay();
}

void TWgGroupBar::BackgroundColors(TColor& top, TColor& bottom) const {
    TColor a = gradientColorStart_, b = gradientColorStop_;
    const bool themed = visualStyle_ == TWgVisualStyle::vsWinXP && VisualStylesActive();
    if (themed || gradientColorStyle_ != TWgGradientColorStyle::gcsCustom) {
        // The theme's explorer bar shows its scheme's caption colours.
        TWgColorContext context = CurrentColorContext();
        const TWgGradientColorStyle style =
            themed ? TWgGradientColorStyle::gcsMSOffice : gradientColorStyle_;
        const TColorPair pair = SelectCaptionColors(context, style);
        a = pair.start;
        b = pair.stop;
    }
    top = gradientPath_ == TWgGradientPath::gpTopToBottom ? a : b;
    bottom = gradientPath_ == TWgGradientPath::gpTopToBottom ? b : a;
}

TColor TWgGroupBar::BackgroundAt(int y) const {
    if (!PaintsBackground()) return ColorToRGB(Color());
    TColor top, bottom;
    BackgroundColors(top, bottom);
    const int height = ClientHeight();
    if (height <= 0) return ColorToRGB(top);
    const std::vector<TColor> rows = GradientBandColors(height, top, bottom, 1);
    return rows[static_cast<std::size_t>(std::clamp(y, 0, height - 1))];
}

void TWgGroupBar::Paint(Canvas& canvas) {
    TCustomControl::Paint(canvas);
    const TPoint origin = ClientOrigin();
    const int frame = FrameWidth(borderOuter_, bevelWidth_) + FrameWidth(borderInner_, bevelWidth_);
    const TRect client = ShrinkSides(ClientRect(), borderSides_, frame);
    if (PaintsBackground()) {
        TColor top, bottom;
        BackgroundColors(top, bottom);
        PaintTwoColorGradient(canvas,
                              {client.left, client.top, client.right, client.top + ClientHeight()},
                              TGradientDirection::gdHorizontalEnd, 1, top, bottom);
    }
    // Caption images taller than their captions reach above their groups.
    for (int i = 0; i < GroupCount(); ++i) {
        const TWgGroup* group = Group(i);
        if (!group || !group->Shown() || group->CaptionStyle() != TWgGroupCaptionStyle::csLarge)
            continue;
        const TImageList* images =
            group->LargeImageList() ? group->LargeImageList() : largeImages_.data();
        if (!images || group->CaptionImageIndex() < 0) continue;
        const TRect b = group->GroupBounds();
        const int overhang = group->CaptionImageOverhang();
        if (b.top < 0 || b.top - overhang > ClientHeight()) continue;
        const int x = group->RightToLeft() ? b.right - 8 - images->Width() : b.left + 8;
        const int y = b.top - overhang + (overhang + group->CaptionHeight() - images->Height()) / 2;
        images->Draw(canvas.Painter(), origin.x + x, origin.y + y, group->CaptionImageIndex(),
                     group->isEnabled());
    }
    TFrameStyleParams params;
    params.outer = borderOuter_;
    params.inner = borderInner_;
    params.bevelWidth = bevelWidth_;
    params.sides = borderSides_;
    params.color = Color();
    params.parentColor = parentWidget() ? ColorToRGB(Color()) : Color();
    if (auto* control = qobject_cast<TCustomControl*>(parentWidget()))
        params.parentColor = control->Color();
    params.borderColor = borderColor_;
    params.highlight = borderHighlight_;
    params.shadow = borderShadow_;
    params.flatColor = flatColor_;
    params.flatColorAdjustment = flatColorAdjustment_;
    PaintFrameStyle(canvas, ClientRect(), params);
}

// --- Events ---------------------------------------------------------------------

void TWgGroupBar::Loaded() {
    TCustomControl::Loaded();
    BarLoaded();
}

void TWgGroupBar::ColorChanged() {
    TCustomControl::ColorChanged();
    RepaintGroups();
}

bool TWgGroupBar::event(QEvent* event) {
    if (event->type() == QEvent::ThemeChange) {
        SetXPColorScheme(SchemeOfColorName(ThemeColorName()));
        RepaintGroups();
        Invalidate();
    }
    return TCustomControl::event(event);
}

void TWgGroupBar::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    PlaceScrollBar();
    Resized();
}

void TWgGroupBar::wheelEvent(QWheelEvent* event) {
    const int notches = -event->angleDelta().y() / 120;
    if (notches != 0) MouseWheel(notches);
    event->accept();
}

void TWgGroupBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) setFocus(Qt::MouseFocusReason);
    TCustomControl::mousePressEvent(event);
}

}  // namespace vx
