#include "widgets/qt/WgGroup.h"

#include <QAbstractEventDispatcher>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "platform/DesktopTheme.h"
#include "platform/paint/ImageList.h"
#include "widgets/WgCommon.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgGroupController.h"
#include "widgets/qt/WgGroupDraw.h"
#include "widgets/qt/WgRapidFireButton.h"

namespace vx {
namespace {

constexpr const char* kNotOnABar =
    "TWgGroup components can only be placed in a TWgGroupBar component";

QWidget* BarParent(QWidget* parent) {
    if (parent && !qobject_cast<TWgGroupBar*>(parent)) throw EWgGroupBarError(kNotOnABar);
    return parent;
}

TWgMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return TWgMouseButton::mbRight;
        case Qt::MiddleButton:
            return TWgMouseButton::mbMiddle;
        default:
            return TWgMouseButton::mbLeft;
    }
}

TPoint PointOf(const QPointF& p) {
    return {static_cast<int>(p.x()), static_cast<int>(p.y())};
}

TWgImageSize SizeOf(const TImageList* images) {
    if (images == nullptr) return {};
    return {true, images->Width(), images->Height()};
}

TWgRapidFireButton* ScrollButton(QWidget* parent, TWgScrollStyle style) {
    auto* button = new TWgRapidFireButton(parent);
    button->SetScrollStyle(style);
    button->hide();
    return button;
}

}  // namespace

TWgGroup::TWgGroup(QWidget* parent) : TCustomControl(BarParent(parent)) {
    if (IsLoading()) BeginGroupLoading();
    setMouseTracking(true);
    SetParentColor(false);
    TCustomControl::SetColor(clBtnFace);
    captionFont_ = Font();
    captionFont_.bold = true;
    captionFont_.color = clHighlight;
    itemStaticFont_ = Font();
    resize(width(), 50);
    upButton_ = ScrollButton(this, TWgScrollStyle::scsUp);
    downButton_ = ScrollButton(this, TWgScrollStyle::scsDown);
    upButton_->OnClick = [this] { ScrollUpClick(); };
    downButton_->OnClick = [this] { ScrollDownClick(); };
    if (auto* bar = qobject_cast<TWgGroupBar*>(parent)) bar->AddGroup(*this);
    // An action client: whenever the program falls idle while the group
    // shows, its items' actions bring themselves up to date.
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread())) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (ActionCount() > 0 && isVisible()) InitiateAction();
        });
    }
}

TWgGroup::~TWgGroup() {
    destroying_ = true;
    SetGroupController(nullptr);
    if (Bar()) Bar()->RemoveGroup(*this);
}

TWgGroupBar* TWgGroup::GroupBar() const {
    return dynamic_cast<TWgGroupBar*>(Bar());
}

void TWgGroup::SetGroupBar(TWgGroupBar* bar) {
    SetBar(bar);
}

void TWgGroup::SetColor(TColor color) {
    SetColorDefault(false);
    TCustomControl::SetColor(color);
}

void TWgGroup::SetCaptionFont(const CanvasFont& font) {
    captionFontChanged_ = true;
    if (captionFont_ == font) return;
    captionFont_ = font;
    Invalidate();
}

void TWgGroup::SetItemStaticFont(const CanvasFont& font) {
    itemStaticFontChanged_ = true;
    if (itemStaticFont_ == font) return;
    itemStaticFont_ = font;
    ItemsChanged();
    Invalidate();
}

void TWgGroup::WatchImages(TImageList* old, TImageList* images) {
    if (old) disconnect(old, nullptr, this, nullptr);
    if (images) {
        connect(images, &TImageList::Changed, this, [this] {
            ItemsChanged();
            Invalidate();
        });
        connect(images, &QObject::destroyed, this, [this] {
            ItemsChanged();
            Invalidate();
        });
    }
    ItemsChanged();
    Invalidate();
}

void TWgGroup::SetSmallImages(TImageList* images) {
    if (images == smallImages_) return;
    TImageList* old = smallImages_;
    smallImages_ = images;
    WatchImages(old, images);
}

void TWgGroup::SetLargeImages(TImageList* images) {
    if (images == largeImages_) return;
    TImageList* old = largeImages_;
    largeImages_ = images;
    WatchImages(old, images);
}

void TWgGroup::SetItemPopupMenu(QMenu* menu) {
    itemPopupMenu_ = menu;
}

void TWgGroup::SetGroupController(TWgGroupController* controller) {
    if (controller == controller_) return;
    if (controller_) controller_->RemoveGroup(*this);
    controller_ = controller;
    if (controller_) controller_->AddGroup(*this);
}

TImageList* TWgGroup::EffectiveSmall() const {
    if (smallImages_) return smallImages_;
    const TWgGroupBar* bar = GroupBar();
    return bar ? bar->SmallImageList() : nullptr;
}

TImageList* TWgGroup::EffectiveLarge() const {
    if (largeImages_) return largeImages_;
    const TWgGroupBar* bar = GroupBar();
    return bar ? bar->LargeImageList() : nullptr;
}

TImageList* TWgGroup::CaptionImageList() const {
    return CaptionStyle() == TWgGroupCaptionStyle::csSmall ? EffectiveSmall() : EffectiveLarge();
}

TWgImageSize TWgGroup::SmallImages() const {
    return SizeOf(EffectiveSmall());
}

TWgImageSize TWgGroup::LargeImages() const {
    return SizeOf(EffectiveLarge());
}

// --- Model hooks ---------------------------------------------------------------

void TWgGroup::SyncGeometry() {
    const TRect b = GroupBounds();
    const TPoint origin = GroupBar() ? GroupBar()->ClientOrigin() : TPoint{};
    const QRect wanted(b.left + origin.x, b.top + origin.y, std::max(b.Width(), 0),
                       std::max(b.Height(), 0));
    if (geometry() == wanted) return;
    syncing_ = true;
    SetBounds(wanted.x(), wanted.y(), wanted.width(), wanted.height());
    syncing_ = false;
}

void TWgGroup::BoundsChanged() {
    SyncGeometry();
}

void TWgGroup::moveEvent(QMoveEvent* event) {
    TCustomControl::moveEvent(event);
    if (syncing_) return;
    const TPoint origin = GroupBar() ? GroupBar()->ClientOrigin() : TPoint{};
    SetGroupBounds(Bounds(x() - origin.x, y() - origin.y, width(), height()));
}

void TWgGroup::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    if (syncing_) return;
    const TPoint origin = GroupBar() ? GroupBar()->ClientOrigin() : TPoint{};
    SetGroupBounds(Bounds(x() - origin.x, y() - origin.y, width(), height()));
}

void TWgGroup::ScrollButtonsChanged() {
    if (!upButton_ || !downButton_) return;
    const TRect up = UpButtonRect(), down = DownButtonRect();
    upButton_->setGeometry(up.left, up.top, up.Width(), up.Height());
    downButton_->setGeometry(down.left, down.top, down.Width(), down.Height());
    upButton_->setVisible(UpButtonVisible());
    downButton_->setVisible(DownButtonVisible());
}

void TWgGroup::RepaintChildren() {
    for (QObject* object : children()) {
        if (auto* child = qobject_cast<QWidget*>(object)) child->update();
    }
}

void TWgGroup::FocusBar() {
    if (TWgGroupBar* bar = GroupBar()) bar->setFocus(Qt::MouseFocusReason);
}

int TWgGroup::TextHeight() const {
    return QFontMetrics(ToQFont(Font())).height();
}

CanvasFont TWgGroup::ItemFont(const TWgGroupItem& item) const {
    CanvasFont font = Font();
    if (!item.Enabled()) return font;
    if (item.MouseState() == TWgMouseState::msNormal && !item.Clickable()) font = itemStaticFont_;
    const TWgFontStyles style = item.FontStyle();
    font.bold = font.bold || style.bold;
    font.italic = font.italic || style.italic;
    font.underline = font.underline || style.underline;
    font.strikeOut = font.strikeOut || style.strikeOut;
    return font;
}

int TWgGroup::MeasureItemText(const TWgGroupItem& item, TRect& rect, TWgTextLayout layout) const {
    static QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    Canvas canvas(painter);
    canvas.font = ItemFont(item);
    const std::string text =
        HideAccelerators() ? StripAccelerators(item.Caption()) : item.Caption();
    unsigned flags = DrawTextFlags::kCalcRect | DrawTextFlags::kWordBreak |
                     DrawTextFlags::kNoPrefix | DrawTextFlags::kExpandTabs;
    if (layout == TWgTextLayout::WrapCentered) flags |= DrawTextFlags::kCenter;
    return canvas.DrawText(text, rect, flags);
}

TColor TWgGroup::DefaultColor(TWgGroupBarStyle style) const {
    const TWgGroupBar* bar = GroupBar();
    if (style == TWgGroupBarStyle::gbsCategoryView && bar &&
        bar->VisualStyle() == TWgVisualStyle::vsWinXP && VisualStylesActive())
        return ThemePartColor(CurrentColorContext(), 3);
    return TWgGroupModel::DefaultColor(style);
}

void TWgGroup::ApplyStyleFonts(TWgGroupBarStyle style) {
    resettingFont_ = true;
    if (!fontChanged_ && Font().color != clWindowText) {
        CanvasFont font = Font();
        font.color = clWindowText;
        SetFont(font);
    }
    if (!captionFontChanged_) {
        captionFont_ = Font();
        captionFont_.bold = style != TWgGroupBarStyle::gbsOutlook;
        captionFont_.color =
            style == TWgGroupBarStyle::gbsCategoryView ? clHighlight : clWindowText;
    }
    resettingFont_ = false;
}

void TWgGroup::FontChanged() {
    if (!resettingFont_ && !ParentFont()) fontChanged_ = true;
    if (!captionFontChanged_) {
        captionFont_.name = Font().name;
        captionFont_.size = Font().size;
        captionFont_.bold = true;
    }
    if (!itemStaticFontChanged_) itemStaticFont_ = Font();
    ItemsChanged();
    Invalidate();
}

void TWgGroup::TextChanged() {
    Invalidate();
}

void TWgGroup::EnabledChanged() {
    SetGroupEnabled(isEnabled());
    Invalidate();
}

bool TWgGroup::HasChildControls() const {
    for (QObject* object : children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && child != upButton_ && child != downButton_) return true;
    }
    return false;
}

void TWgGroup::PopupItemMenu(TPoint p) {
    if (itemPopupMenu_) itemPopupMenu_->popup(mapToGlobal(QPoint(p.x, p.y)));
}

void TWgGroup::AdjustClientRect(TRect& rect) {
    rect.top += CaptionHeight();
    if (BarStyle() == TWgGroupBarStyle::gbsCategoryView) {
        rect.left += 1;
        rect.right -= 1;
        rect.bottom -= 1;
    }
}

void TWgGroup::Loaded() {
    TCustomControl::Loaded();
    GroupLoaded();
}

// --- Input -----------------------------------------------------------------------

void TWgGroup::UpdateCursor(TPoint p) {
    if (CursorAt(p) == TWgGroupCursor::Hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TWgGroup::mousePressEvent(QMouseEvent* event) {
    TCustomControl::mousePressEvent(event);
    MouseDown(ButtonOf(event->button()), PointOf(event->position()));
}

void TWgGroup::mouseDoubleClickEvent(QMouseEvent* event) {
    MouseDown(ButtonOf(event->button()), PointOf(event->position()));
}

void TWgGroup::mouseMoveEvent(QMouseEvent* event) {
    const TPoint p = PointOf(event->position());
    MouseMove(p);
    UpdateCursor(p);
}

void TWgGroup::mouseReleaseEvent(QMouseEvent* event) {
    const TPoint p = PointOf(event->position());
    MouseUp(ButtonOf(event->button()), p);
    UpdateCursor(p);
}

void TWgGroup::DragOver(QObject* source, TPoint at, TDragState state, bool& accept) {
    TCustomControl::DragOver(source, at, state, accept);
    TWgGroupModel::DragOver(at, accept);
}

void TWgGroup::contextMenuEvent(QContextMenuEvent* event) {
    if (ItemContextPopup(PointOf(event->pos()))) {
        event->accept();
        return;
    }
    TCustomControl::contextMenuEvent(event);
}

TControlHint TWgGroup::HintFor(QPoint pos) const {
    (void)pos;  // the mouse's last move made the caption or an item hot
    const HintInfo hint = HintAt();
    if (!hint.show) return {};
    return {hint.groupHint ? toolTip() : QString::fromStdString(hint.text), ToQRect(hint.area)};
}

bool TWgGroup::event(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange)
        SetRightToLeft(layoutDirection() == Qt::RightToLeft);
    return TCustomControl::event(event);
}

}  // namespace vx
