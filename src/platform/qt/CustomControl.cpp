#include "platform/qt/CustomControl.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEnterEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "platform/qt/AlignHost.h"
#include "platform/qt/Docking.h"

namespace vx {
namespace {

// The font a plain Qt widget shows, as a canvas font.
CanvasFont FromQFont(const QFont& f) {
    CanvasFont font;
    font.name = f.family().toStdString();
    font.size = f.pointSize() > 0 ? f.pointSize()
                                  : static_cast<int>(std::lround(f.pixelSize() * 72.0 / 96.0));
    font.bold = f.weight() >= QFont::Bold;
    font.italic = f.italic();
    font.underline = f.underline();
    font.strikeOut = f.strikeOut();
    return font;
}

}  // namespace

TCustomControl::TCustomControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    host_ = new TAlignHost(this, [this](QWidget* changed) { RequestAlign(changed); });
    if (parent) {
        color_ = ColorOfParent();
        font_ = FontOfParent();
    }
    enabled_ = Enabled();
}

TCustomControl::~TCustomControl() {
    // A docked control leaves its site while it is still a control: the
    // site frees its page or lays out the clients left, as after an undock.
    LeaveHost();
    // No arrangement while the children go.
    delete host_;
    host_ = nullptr;
    // The docked clients go with the site (as its children, after this
    // part of it is gone): they forget it now.
    for (const QPointer<TCustomControl>& client : dockClients_)
        if (client) client->hostDockSite_ = nullptr;
    delete autoDrag_;
    delete dockManager_;
    dockManager_ = nullptr;
}

TAlign TCustomControl::Align() const {
    return WidgetAlign(this);
}

void TCustomControl::SetAlign(TAlign align) {
    SetWidgetAlign(this, align);
}

void TCustomControl::SetBounds(int left, int top, int width, int height) {
    const QSize old = size();
    setGeometry(left, top, width, height);
    if (isVisible() || IsLoading()) return;  // the move and resize events arrange
    // A hidden widget hears of its new geometry only when it is shown; the
    // arrangements happen now all the same.
    if (size() != old) Realign();
    const TAlign align = Align();
    if (align == TAlign::alNone || align == TAlign::alCustom) return;
    if (TAlignHost* host = TAlignHost::Of(parentWidget())) host->RequestAlign(this);
}

void TCustomControl::Realign() {
    RequestAlign(nullptr);
}

void TCustomControl::RequestAlign(QWidget* changed) {
    if (IsLoading() || !host_) return;
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(changed, rect);
    if (dockManager_) dockManager_->ResetBounds();
}

void TCustomControl::AlignControls(QWidget* control, TRect& rect) {
    if (host_) host_->Arrange(rect, control);
}

TRect TCustomControl::ClientRect() const {
    return Bounds(0, 0, width(), height());
}

void TCustomControl::ApplyEffects(unsigned effects) {
    if (effects & kRealign) Realign();
    if (effects & kRepaint) Invalidate();
}

TColor TCustomControl::ColorOfParent() const {
    const QWidget* parent = parentWidget();
    if (!parent) return color_;
    if (const auto* control = qobject_cast<const TCustomControl*>(parent)) return control->color_;
    return ToTColor(parent->palette().color(parent->backgroundRole()));
}

CanvasFont TCustomControl::FontOfParent() const {
    const QWidget* parent = parentWidget();
    if (!parent) return font_;
    if (const auto* control = qobject_cast<const TCustomControl*>(parent)) return control->font_;
    return FromQFont(parent->font());
}

void TCustomControl::SetColor(TColor color) {
    if (color_ == color) return;
    if (parentColor_) {
        parentColor_ = false;
        SyncPalette();
    }
    TakeColor(color);
}

void TCustomControl::SetEnabled(bool enabled) {
    setEnabled(enabled);
    // Within a disabled parent the widget's state does not change, but the
    // control's own flag does.
    if (Enabled() != enabled_) {
        enabled_ = Enabled();
        EnabledChanged();
    }
}

void TCustomControl::SetParentColor(bool parentColor) {
    if (parentColor_ == parentColor) return;
    parentColor_ = parentColor;
    SyncPalette();
    if (parentColor_) TakeColor(ColorOfParent());
}

void TCustomControl::TakeColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    SyncPalette();
    ColorChanged();
    TellChildren(true);
}

void TCustomControl::SyncPalette() {
    // Plain Qt children (and controls below them) see the colour as their
    // parent's background. A control that follows its parent inherits the
    // parent's palette, so that it hears of the parent's changes.
    if (parentColor_) {
        if (testAttribute(Qt::WA_SetPalette)) setPalette(QPalette());
        return;
    }
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color_));
    setPalette(palette);
}

void TCustomControl::ParentColorChanged() {
    if (parentColor_) TakeColor(ColorOfParent());
}

void TCustomControl::SetFont(const CanvasFont& font) {
    if (font_ == font) return;
    parentFont_ = false;
    font_ = font;
    setFont(ToQFont(font_));  // for plain Qt children
    FontChanged();
    TellChildren(false);
}

void TCustomControl::SetParentFont(bool parentFont) {
    if (parentFont_ == parentFont) return;
    parentFont_ = parentFont;
    if (parentFont_) TakeFont(FontOfParent());
}

void TCustomControl::TakeFont(const CanvasFont& font) {
    if (testAttribute(Qt::WA_SetFont)) setFont(QFont());  // inherit the parent's again
    if (font_ == font) return;
    font_ = font;
    FontChanged();
    TellChildren(false);
}

void TCustomControl::ParentFontChanged() {
    if (parentFont_) TakeFont(FontOfParent());
}

void TCustomControl::TellChildren(bool colour) {
    for (QObject* object : children()) {
        auto* child = qobject_cast<TCustomControl*>(object);
        if (!child) continue;
        if (colour)
            child->ParentColorChanged();
        else
            child->ParentFontChanged();
    }
}

void TCustomControl::SetCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    TextChanged();
    NotifyHost(TDockNotice::dnCaption);
}

bool TCustomControl::Enabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void TCustomControl::Invalidate() {
    if (!IsLoading()) update();
}

void TCustomControl::Repaint() {
    if (!IsLoading()) repaint();
}

void TCustomControl::Paint(Canvas& canvas) {
    canvas.brush.color = color_;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect(ClientRect());
}

void TCustomControl::PaintOn(QPainter& painter) {
    Canvas canvas(painter);
    canvas.font = font_;
    canvas.brush.color = color_;
    Paint(canvas);
    if (dockManager_) dockManager_->PaintSite(canvas);
}

QImage TCustomControl::PaintedImage() {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintOn(painter);
    return image;
}

QImage TCustomControl::ParentImage() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QWidget* parent = parentWidget();
    if (!parent || image.isNull()) return image;
    if (auto* control = qobject_cast<TCustomControl*>(parent)) {
        QPainter painter(&image);
        painter.translate(-x(), -y());
        control->PaintOn(painter);
    } else {
        parent->render(&image, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    return image;
}

QImage TCustomControl::LastPainting(const QRect& area) const {
    const qreal ratio = buffer_.devicePixelRatio();
    if (buffer_.isNull() || !isVisible()) return {};
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * ratio)));
    if (buffer_.size() != pixels) return {};
    const QRect source((QPointF(area.topLeft()) * ratio).toPoint(),
                       (QSizeF(area.size()) * ratio).toSize());
    if (!buffer_.rect().contains(source)) return {};
    QImage part = buffer_.copy(source);
    part.setDevicePixelRatio(ratio);
    return part;
}

void TCustomControl::Show() {
    QWidget* child = this;
    for (QWidget* w = parentWidget(); w; child = w, w = w->parentWidget())
        if (auto* control = qobject_cast<TCustomControl*>(w)) control->ShowControl(child);
    setVisible(true);
}

void TCustomControl::Loaded() {
    Realign();
    if (parentColor_) TakeColor(ColorOfParent());
    if (parentFont_) TakeFont(FontOfParent());
    const TAlign align = Align();
    if (align != TAlign::alNone && align != TAlign::alCustom) {
        if (TAlignHost* host = TAlignHost::Of(parentWidget())) host->RequestAlign(this);
    }
    Invalidate();
}

TControlHint TCustomControl::HintFor(QPoint pos) const {
    (void)pos;
    return {toolTip(), rect()};
}

bool TCustomControl::ShowHint() const {
    if (!parentShowHint_) return showHint_;
    const auto* parent = qobject_cast<const TCustomControl*>(parentWidget());
    return !parent || isWindow() || parent->ShowHint();
}

void TCustomControl::SetShowHint(bool v) {
    showHint_ = v;
    parentShowHint_ = false;
}

bool TCustomControl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // The desktop's tool tip, over the area the hint holds for; a spot
        // without a hint, or a control that shows none, leaves the request
        // to the parent.
        auto* help = static_cast<QHelpEvent*>(event);
        const TControlHint hint = ShownHintAt(help->pos());
        if (hint.text.isEmpty()) {
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), hint.text, this, hint.area);
        return true;
    }
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::ParentChange) {
        if (parentColor_) TakeColor(ColorOfParent());
        if (parentFont_) TakeFont(FontOfParent());
        // Moved out of its dock site by code: it is no longer docked there.
        if (hostDockSite_ && !hostDockSite_->HoldsDockClient(*this)) LeaveHost();
        ParentChanged();
    }
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        NotifyHost(TDockNotice::dnVisibility);
    return result;
}

void TCustomControl::changeEvent(QEvent* event) {
    const bool plainParent = parentWidget() && !qobject_cast<TCustomControl*>(parentWidget());
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (Enabled() != enabled_) {
                enabled_ = Enabled();
                EnabledChanged();
            } else {
                Invalidate();  // greyed or not with the parent
            }
            break;
        case QEvent::PaletteChange:
            if (parentColor_ && plainParent) TakeColor(ColorOfParent());
            break;
        case QEvent::FontChange:
            if (parentFont_ && plainParent) TakeFont(FontOfParent());
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

void TCustomControl::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * ratio)));
    if (pixels.isEmpty()) return;
    if (buffer_.size() != pixels) buffer_ = QImage(pixels, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer_);
        PaintOn(painter);
    }
    QPainter(this).drawImage(0, 0, buffer_);
}

void TCustomControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    MouseEnter();
}

void TCustomControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    MouseLeave();
}

// --- Plain drag and drop ------------------------------------------------------

void TCustomControl::SetOnDragOver(TDragOverEvent handler) {
    onDragOver_ = std::move(handler);
    setAcceptDrops(static_cast<bool>(onDragOver_));
}

void TCustomControl::DragOver(QObject* source, TPoint at, TDragState state, bool& accept) {
    accept = false;
    if (!onDragOver_) return;
    accept = true;
    const TDragOverEvent handler = onDragOver_;  // alive while it runs, even if replaced
    handler(*this, source, at.x, at.y, state, accept);
}

void TCustomControl::DragDrop(QObject* source, TPoint at) {
    if (const TDragDropEvent handler = OnDragDrop) handler(*this, source, at.x, at.y);
}

void TCustomControl::AnswerDrag(QDragMoveEvent* event, TDragState state) {
    dragSource_ = event->source();
    const QPoint p = event->position().toPoint();
    bool accept = false;
    DragOver(event->source(), TPoint{p.x(), p.y()}, state, accept);
    dropAccepted_ = accept;
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TCustomControl::dragEnterEvent(QDragEnterEvent* event) {
    AnswerDrag(event, TDragState::dsDragEnter);
}

void TCustomControl::dragMoveEvent(QDragMoveEvent* event) {
    AnswerDrag(event, TDragState::dsDragMove);
}

void TCustomControl::dragLeaveEvent(QDragLeaveEvent* event) {
    // The handler hears of the leave where the mouse now is, as on the move
    // that took it out.
    const QPoint p = mapFromGlobal(QCursor::pos());
    bool accept = false;
    DragOver(dragSource_, TPoint{p.x(), p.y()}, TDragState::dsDragLeave, accept);
    dropAccepted_ = false;
    dragSource_ = nullptr;
    event->accept();
    DragEnded();
}

void TCustomControl::dropEvent(QDropEvent* event) {
    const bool accepted = dropAccepted_;
    dropAccepted_ = false;
    dragSource_ = nullptr;
    if (accepted) {
        event->acceptProposedAction();
        const QPoint p = event->position().toPoint();
        DragDrop(event->source(), TPoint{p.x(), p.y()});
    } else {
        event->ignore();
    }
    DragEnded();
}

}  // namespace vx
