#include "widgets/qt/WgTabs.h"

#include <QEvent>
#include <QFontMetrics>
#include <QResizeEvent>
#include <cmath>

#include "platform/paint/ImageList.h"
#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgActiveTabCloseButton.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgTabCloseButton.h"
#include "widgets/qt/WgTabDropMarker.h"
#include "widgets/qt/WgTabMenuButton.h"
#include "widgets/qt/WgTabScroller.h"

namespace vx {

TWgCustomTabControl::TWgCustomTabControl(QWidget* parent)
    : TCustomControl(parent),
      model_(*this, *this),
      tabColors_([this] { RepaintTabs(); }),
      textColors_([this] { RepaintTabs(); }) {
    resize(300, 100);
    model_.SetClientSize(300, 100);
    // A tab stop; a click on a tab other than the selected one leaves the
    // focus where it is (a page control then moves it into the new page).
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    if (parent) backgroundColor_ = ParentColorValue();
    hotTimer_.setInterval(60);
    connect(&hotTimer_, &QTimer::timeout, this, &TWgCustomTabControl::HotTimerTick);
    connect(&dragTimer_, &QTimer::timeout, this, &TWgCustomTabControl::DragScrollTick);
}

TWgCustomTabControl::~TWgCustomTabControl() {
    hotTimer_.stop();
    dragTimer_.stop();
    disconnect(imagesChanged_);
    disconnect(imagesDestroyed_);
}

void TWgCustomTabControl::TabsChanged() {
    GrabAccelerators();
    RequestLayout();
}

void TWgCustomTabControl::SetTabIndex(int index) {
    model_.SetTabIndex(index);
}

void TWgCustomTabControl::SetAlignTabs(bool value) {
    if (editProps().AlignTabs == value) return;
    editProps().AlignTabs = value;
    if (MultiLine()) RequestLayout();
}

void TWgCustomTabControl::SetShowFullFrame(bool value) {
    if (props().ShowFullFrame == value) return;
    editProps().ShowFullFrame = value;
    if (!value) editProps().ShowShadow = false;
    RequestLayout();
}

void TWgCustomTabControl::SetShowShadow(bool value) {
    if (props().ShowShadow == value) return;
    editProps().ShowShadow = value;
    if (value) editProps().ShowFullFrame = true;
    RequestLayout();
    RepaintTabs();
}

void TWgCustomTabControl::SetShowCloseButton(bool value) {
    if (props().ShowCloseButton == value) return;
    editProps().ShowCloseButton = value;
    if (value && !closeButton_) {
        closeButton_ = new TWgTabControlCloseButton(this);
        closeButton_->SetFrameColor(FrameColor());
        connect(closeButton_, &TWgTabControlCloseButton::Clicked, this,
                &TWgCustomTabControl::CloseQueryAndClose);
    }
    if (closeButton_) closeButton_->setVisible(value);
    RequestLayout();
    RepaintTabs();
}

void TWgCustomTabControl::SetShowCloseButtonOnActiveTab(bool value) {
    if (props().ShowCloseButtonOnActiveTab == value) return;
    editProps().ShowCloseButtonOnActiveTab = value;
    if (value && !activeCloseButton_) {
        activeCloseButton_ = new TWgActiveTabCloseButton(this);
        activeCloseButton_->SetFrameColor(FrameColor());
        connect(activeCloseButton_, &TWgActiveTabCloseButton::Clicked, this,
                &TWgCustomTabControl::CloseQueryAndClose);
    }
    if (activeCloseButton_) activeCloseButton_->setVisible(value && TabIndex() >= 0);
    RequestLayout();
    RepaintTabs();
}

void TWgCustomTabControl::SetShowMenuButton(bool value) {
    if (props().ShowMenuButton == value) return;
    editProps().ShowMenuButton = value;
    if (value && !menuButton_) {
        menuButton_ = new TWgTabMenuButton(this);
        menuButton_->SetFrameColor(FrameColor());
    }
    if (menuButton_) menuButton_->setVisible(value);
    RequestLayout();
    RepaintTabs();
}

void TWgCustomTabControl::SetCutCornerSize(int value) {
    if (value < 0 || value == props().CutCornerSize) return;
    editProps().CutCornerSize = value;
    if (TabStyle() == TWgTabStyle::tsCutCorner) RequestLayout();
}

void TWgCustomTabControl::SetTextOrientation(TOrientation value) {
    if (props().TextOrientation == value) return;
    if (!IsLoading() && !IsTrueTypeFont(Font())) {
        CanvasFont font = Font();
        font.name = "Verdana";
        SetFont(font);
    }
    SetLayoutProp(editProps().TextOrientation, value);
}

void TWgCustomTabControl::SetTabOrientation(TWgTabOrientation value) {
    if (props().TabOrientation == value) return;
    editProps().TabOrientation = value;
    if (scroller_)
        scroller_->SetOrientation(props().HorizontalTabs() ? TWgTabScrollerState::kSideBySide
                                                           : TWgTabScrollerState::kStacked);
    RequestLayout();
}

void TWgCustomTabControl::SetBackgroundColor(TColor value) {
    parentBackgroundColor_ = false;
    SetPaintProp(backgroundColor_, value);
}

void TWgCustomTabControl::SetParentBackgroundColor(bool value) {
    if (parentBackgroundColor_ == value) return;
    parentBackgroundColor_ = value;
    if (value && parentWidget()) SetPaintProp(backgroundColor_, ParentColorValue());
}

void TWgCustomTabControl::SetUseColoredTabs(bool value) {
    SetPaintProp(useColoredTabs_, value);
}

void TWgCustomTabControl::SetFlatColor(TColor value) {
    if (flatColor_ == value) return;
    flatColor_ = value;
    FrameColorChanged();
}

void TWgCustomTabControl::SetFlatColorAdjustment(int value) {
    if (flatColorAdjustment_ == value) return;
    flatColorAdjustment_ = value;
    FrameColorChanged();
}

void TWgCustomTabControl::FrameColorChanged() {
    const TColor frame = FrameColor();
    if (scroller_) scroller_->SetFrameColor(frame);
    if (closeButton_) closeButton_->SetFrameColor(frame);
    if (activeCloseButton_) activeCloseButton_->SetFrameColor(frame);
    if (menuButton_) menuButton_->SetFrameColor(frame);
    RepaintTabs();
}

TColor TWgCustomTabControl::FrameColor() const {
    return AdjustLightness(flatColor_, flatColorAdjustment_);
}

void TWgCustomTabControl::SetHotTrack(bool value) {
    if (hotTrack_ == value) return;
    hotTrack_ = value;
    if (!hotTrack_ && !tabHints_) StopHotTracking();
}

void TWgCustomTabControl::SetTabHints(bool value) {
    if (tabHints_ == value) return;
    tabHints_ = value;
    if (!hotTrack_ && !tabHints_) StopHotTracking();
}

void TWgCustomTabControl::SetShowFocusRect(bool value) {
    if (props().ShowFocusRect == value) return;
    editProps().ShowFocusRect = value;
    RepaintTabs();
}

void TWgCustomTabControl::SetImages(TImageList* images) {
    if (images_ == images) return;
    disconnect(imagesChanged_);
    disconnect(imagesDestroyed_);
    images_ = images;
    if (images) {
        imagesChanged_ = connect(images, &TImageList::Changed, this, [this] { RequestLayout(); });
        // The list going away leaves the property empty.
        imagesDestroyed_ = connect(images, &QObject::destroyed, this, [this] {
            images_ = nullptr;
            model_.SetImageSize({});
            RequestLayout();
        });
        model_.SetImageSize({images->Width(), images->Height()});
    } else {
        model_.SetImageSize({});
    }
    RequestLayout();
}

void TWgCustomTabControl::SetHint(const QString& hint) {
    hint_ = hint;
    if (hotTab_ < 0 || !tabHints_) setToolTip(hint);
}

TRect TWgCustomTabControl::TabRect(int index) {
    model_.EnsureLayout();
    if (index < 0 || index >= TabCount()) return {};
    return model_.FinalRect(index);
}

TRect TWgCustomTabControl::CardRect(int row) {
    model_.EnsureLayout();
    return model_.CardRect(row);
}

TRect TWgCustomTabControl::ChildArea() {
    model_.SetClientSize(width(), height());
    model_.EnsureLayout();
    return model_.ChildClientRect();
}

int TWgCustomTabControl::TabAt(TPoint point) {
    model_.EnsureLayout();
    return model_.HitTest(
        point, [this](int i, TPoint p) { return TabRegion(i).contains(QPoint(p.x, p.y)); });
}

bool TWgCustomTabControl::CanChange(int newIndex) {
    bool allow = true;
    if (OnChanging) OnChanging(newIndex, allow);
    return allow;
}

TColor TWgCustomTabControl::GetTextColor(int tabIndex, TWgTextStyle style, TColor color) {
    // The handler's colour counts only when it says it handled the query.
    bool handled = false;
    TColor chosen = color;
    if (OnGetTextColor) OnGetTextColor(tabIndex, style, chosen, handled);
    return handled ? chosen : color;
}

void TWgCustomTabControl::RequestLayout() {
    model_.SetLayoutDirty();
    RepaintTabs();
}

void TWgCustomTabControl::TabClick() {
    if (OnTabClick) OnTabClick();
}

void TWgCustomTabControl::RepaintTabs() {
    hotRepaint_ = false;
    fullRepaintPending_ = true;
    Invalidate();
}

bool TWgCustomTabControl::PaintBackgroundHook(Canvas& canvas, const TRect& rect) {
    bool handled = false;
    if (OnPaintBackground) OnPaintBackground(canvas, rect, handled);
    return handled;
}

bool TWgCustomTabControl::PaintCardBackground(Canvas& canvas, int row, const TRect& rect) {
    bool handled = false;
    if (OnPaintCardBackground) OnPaintCardBackground(canvas, row, rect, handled);
    return handled;
}

bool TWgCustomTabControl::PaintTabBackground(Canvas& canvas, int tabIndex, const TRect& rect) {
    bool handled = false;
    if (OnPaintTabBackground) OnPaintTabBackground(canvas, tabIndex, rect, handled);
    return handled;
}

void TWgCustomTabControl::Change() {
    if (OnChange) OnChange();
    if (OnPageChange) OnPageChange();
}

void TWgCustomTabControl::TabsRepaint() {
    RepaintTabs();
    if (scroller_) scroller_->update();
}

void TWgCustomTabControl::TabIndexWritten() {
    if (closeButton_) closeButton_->update();
    if (activeCloseButton_) ShowActiveCloseButton(ShowCloseButtonOnActiveTab() && TabIndex() >= 0);
    if (menuButton_) menuButton_->update();
}

void TWgCustomTabControl::TabsScrolled() {
    if (activeCloseButton_)
        ShowActiveCloseButton(ShowCloseButtonOnActiveTab() && TabIndex() >= 0 &&
                              model_.InView(TabIndex()));
    if (OnScrolledTabs) OnScrolledTabs();
}

void TWgCustomTabControl::ClientAreaChanged() {
    if (!adjusting_) Realign();
}

void TWgCustomTabControl::AdjustClientRect(TRect& rect) {
    adjusting_ = true;
    model_.SetClientSize(width(), height());
    model_.EnsureLayout();
    adjusting_ = false;
    rect = model_.ChildClientRect();
}

TSize TWgCustomTabControl::TextExtent(std::string_view line, bool bold) const {
    const QFontMetrics metrics(ToQFont(TabFont(bold)));
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

int TWgCustomTabControl::FontHeight() const {
    return static_cast<int>(std::lround(Font().size * 96.0 / 72.0));
}

CanvasFont TWgCustomTabControl::TabFont(bool bold) const {
    CanvasFont font = Font();
    font.bold = bold;
    return font;
}

void TWgCustomTabControl::FontChanged() {
    RequestLayout();
}

TColor TWgCustomTabControl::ParentColorValue() const {
    const QWidget* parent = parentWidget();
    if (!parent) return backgroundColor_;
    if (const auto* control = qobject_cast<const TCustomControl*>(parent)) return control->Color();
    return ToTColor(parent->palette().color(parent->backgroundRole()));
}

void TWgCustomTabControl::ParentColorChanged() {
    TCustomControl::ParentColorChanged();
    if (parentBackgroundColor_) SetPaintProp(backgroundColor_, ParentColorValue());
}

void TWgCustomTabControl::changeEvent(QEvent* event) {
    TCustomControl::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && parentBackgroundColor_ && parentWidget() &&
        !qobject_cast<TCustomControl*>(parentWidget()))
        SetPaintProp(backgroundColor_, ParentColorValue());
    if (event->type() == QEvent::EnabledChange) RepaintTabs();
}

void TWgCustomTabControl::Loaded() {
    model_.SetClientSize(width(), height());
    model_.SetLayoutDirty();
    if (parentBackgroundColor_ && parentWidget()) backgroundColor_ = ParentColorValue();
    TCustomControl::Loaded();
}

void TWgCustomTabControl::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    model_.SetClientSize(width(), height());
    RequestLayout();
}

void TWgCustomTabControl::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    RepaintTabs();
}

void TWgCustomTabControl::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    RepaintTabs();
}

}  // namespace vx
