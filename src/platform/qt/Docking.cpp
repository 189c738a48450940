#include "platform/qt/Docking.h"

#include <QChildEvent>
#include <QMouseEvent>

#include "platform/qt/AlignHost.h"
#include "platform/qt/DockDrag.h"

namespace vx {
namespace {

TPoint PointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

// Starts a dock drag on a left press anywhere on the control (DragMode
// dmAutomatic with the dock drag kind).
class TAutoDockDrag : public QObject {
  public:
    explicit TAutoDockDrag(TCustomControl& control) : control_(control) {
        control.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &control_ || event->type() != QEvent::MouseButtonPress) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || control_.DragKind() != TDragKind::dkDock)
            return false;
        control_.BeginDockDrag(mouse->globalPosition().toPoint());
        return false;
    }

  private:
    TCustomControl& control_;
};

}  // namespace

void DrawDockCloseGlyph(Canvas& canvas, const TRect& r, TColor color) {
    // The caption's close cross: two diagonals two pixels thick, 3 pixels in.
    const int size = std::min(r.Width(), r.Height()) - 6;
    if (size <= 1) return;
    const int left = r.left + (r.Width() - size) / 2;
    const int top = r.top + (r.Height() - size) / 2;
    for (int i = 0; i < size; ++i) {
        for (int d = 0; d < 2; ++d) {
            const int x = std::min(left + i + d, left + size - 1);
            canvas.SetPixel(x, top + i, color);
            canvas.SetPixel(x, top + size - 1 - i, color);
        }
    }
}

// ---------------------------------------------------------------- the dock tree

TDockTree::TDockTree(TCustomControl& site) : site_(site) {
    site.installEventFilter(this);
}

TDockTree::~TDockTree() {
    site_.removeEventFilter(this);
}

QList<TCustomControl*> TDockTree::Clients() const {
    return site_.DockClients();
}

QList<TCustomControl*> TDockTree::Shown() const {
    QList<TCustomControl*> shown;
    for (TCustomControl* c : Clients())
        if (!c->isHidden() && c->parentWidget() == &site_) shown.append(c);
    return shown;
}

void TDockTree::InsertControl(TCustomControl& client, int index) {
    auto& list = site_.dockClients_;
    const int old = static_cast<int>(list.indexOf(&client));
    if (old >= 0) {
        list.removeAt(old);
        if (old < index) --index;
    }
    index = std::clamp(index, 0, static_cast<int>(list.size()));
    list.insert(index, &client);
    if (client.parentWidget() != &site_) client.setParent(&site_);
    SetWidgetAlign(&client, TAlign::alNone);
    client.show();
    ResetBounds();
    site_.Invalidate();
}

void TDockTree::RemoveControl(TCustomControl& client) {
    site_.dockClients_.removeAll(&client);
    ResetBounds();
    site_.Invalidate();
}

TRect TDockTree::DockArea() const {
    return site_.DockClientArea();
}

bool TDockTree::GrabbersLeft() const {
    const TAlign align = site_.Align();
    return align == TAlign::alTop || align == TAlign::alBottom;
}

void TDockTree::AdjustDockRect(TCustomControl&, TRect& rect) const {
    rect = DockClientRect(rect, GrabbersLeft(), GrabberSize());
}

std::vector<TRect> TDockTree::Zones() const {
    return DockZones(DockArea(), static_cast<int>(Shown().size()), GrabbersLeft());
}

TRect TDockTree::ZoneOf(const TCustomControl& client) const {
    const QList<TCustomControl*> shown = Shown();
    const int i = static_cast<int>(shown.indexOf(const_cast<TCustomControl*>(&client)));
    if (i < 0) return {};
    return Zones()[i];
}

TRect TDockTree::GrabberOf(const TCustomControl& client) const {
    const TRect zone = ZoneOf(client);
    if (zone.IsEmpty()) return {};
    TRect rest = zone;
    AdjustDockRect(const_cast<TCustomControl&>(client), rest);
    // The bar is what the size hook took off the zone, on its side.
    TRect bar = zone;
    if (GrabbersLeft())
        bar.right = rest.left;
    else
        bar.bottom = rest.top;
    return bar;
}

void TDockTree::ResetBounds() {
    if (arranging_) return;
    arranging_ = true;
    const QList<TCustomControl*> shown = Shown();
    const std::vector<TRect> zones = Zones();
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        TRect r = zones[i];
        AdjustDockRect(*shown[i], r);
        const QRect geometry = ToQRect(r);
        if (shown[i]->geometry() != geometry) shown[i]->setGeometry(geometry);
    }
    arranging_ = false;
}

TDockPlace TDockTree::DropPlace(TPoint at) const {
    TDockPlace place = DockDropPlace(DockArea(), Zones(), GrabbersLeft(), at);
    // The index counts the shown clients; the list holds the hidden ones too.
    const QList<TCustomControl*> shown = Shown();
    const QList<TCustomControl*> all = Clients();
    place.index = place.index < static_cast<int>(shown.size())
                      ? static_cast<int>(all.indexOf(shown[place.index]))
                      : static_cast<int>(all.size());
    return place;
}

TCustomControl* TDockTree::ClientAtGrabber(TPoint at) const {
    for (TCustomControl* c : Shown())
        if (GrabberOf(*c).Contains(at)) return c;
    return nullptr;
}

TRect TDockTree::CloseRect(const TRect& grabber) const {
    if (grabber.IsEmpty()) return {};
    const int size = GrabberSize() - 2;
    if (GrabbersLeft()) return Bounds(grabber.left + 1, grabber.top + 1, size, size);
    return Bounds(grabber.right - size - 1, grabber.top + 1, size, size);
}

void TDockTree::PaintDockFrame(Canvas& canvas, TCustomControl&, const TRect& zone) {
    // Two raised grip lines along the bar beside the close button.
    const TRect bar = DockGrabberRect(zone, GrabbersLeft(), GrabberSize());
    const TRect close = CloseRect(bar);
    canvas.brush = {clBtnFace, BrushStyle::Solid};
    canvas.FillRect(bar);
    for (int line = 0; line < 2; ++line) {
        TRect grip = bar;
        if (GrabbersLeft()) {
            grip = {bar.left + 3 + line * 3, close.bottom + 2, bar.left + 6 + line * 3,
                    bar.bottom - 2};
        } else {
            grip = {bar.left + 2, bar.top + 3 + line * 3, close.left - 2, bar.top + 6 + line * 3};
        }
        if (!grip.IsEmpty()) canvas.DrawEdge(grip, EdgeFlags::kRaisedInner, BorderFlags::kRect);
    }
    DrawDockCloseGlyph(canvas, close, clBtnText);
}

void TDockTree::PaintSite(Canvas& canvas) {
    for (TCustomControl* c : Shown())
        PaintDockFrame(canvas, *c, ZoneOf(*c));
}

bool TDockTree::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &site_) return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const TPoint at = PointOf(mouse);
    TCustomControl* client = ClientAtGrabber(at);
    if (!client) return false;
    if (CloseRect(GrabberOf(*client)).Contains(at)) {
        client->hide();
    } else {
        client->BeginDockDrag(mouse->globalPosition().toPoint());
    }
    return true;
}

// ---------------------------------------------------------------- the floating window

TFloatingDockWindow::TFloatingDockWindow(QWidget* owner) : TCustomControl(owner) {
    setObjectName(QStringLiteral("FloatingDockWindow"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    SetParentColor(false);
    SetColor(clBtnFace);
}

TFloatingDockWindow::~TFloatingDockWindow() = default;

void TFloatingDockWindow::SetClient(TCustomControl* client) {
    client_ = nullptr;  // the window shows once it is placed, not as the client shows
    if (!client) return;
    if (client->parentWidget() != this) client->setParent(this);
    SetWidgetAlign(client, TAlign::alClient);
    client->show();
    client_ = client;
    setWindowTitle(client->Caption());
    Realign();
}

QSize TFloatingDockWindow::FrameSize(int clientWidth, int clientHeight) {
    return {clientWidth + 2 * kBorder, clientHeight + 2 * kBorder + kCaptionHeight};
}

TRect TFloatingDockWindow::CaptionRect() const {
    return {kBorder, kBorder, width() - kBorder, kBorder + kCaptionHeight};
}

TRect TFloatingDockWindow::CloseRect() const {
    const TRect c = CaptionRect();
    return {c.right - kCaptionHeight + 1, c.top + 1, c.right - 1, c.bottom - 1};
}

void TFloatingDockWindow::AdjustClientRect(TRect& rect) {
    rect = {kBorder, kBorder + kCaptionHeight, width() - kBorder, height() - kBorder};
}

void TFloatingDockWindow::Paint(Canvas& canvas) {
    TCustomControl::Paint(canvas);
    TRect frame = ClientRect();
    canvas.DrawEdge(frame, EdgeFlags::kRaised, BorderFlags::kRect);
    const bool active = isActiveWindow();
    const TRect caption = CaptionRect();
    canvas.brush = {active ? clActiveCaption : clInactiveCaption, BrushStyle::Solid};
    canvas.FillRect(caption);
    CanvasFont font = Font();
    font.bold = true;
    font.color = active ? clCaptionText : clInactiveCaptionText;
    canvas.font = font;
    canvas.brush.style = BrushStyle::Clear;
    TRect text{caption.left + 2, caption.top, CloseRect().left - 2, caption.bottom};
    using namespace DrawTextFlags;
    if (client_)
        canvas.DrawText(client_->Caption().toStdString(), text,
                        kLeft | kVCenter | kSingleLine | kEndEllipsis | kNoPrefix);
    canvas.brush.style = BrushStyle::Solid;
    DrawDockCloseGlyph(canvas, CloseRect(), font.color);
}

void TFloatingDockWindow::mousePressEvent(QMouseEvent* event) {
    const TPoint at = PointOf(event);
    if (event->button() != Qt::LeftButton || !CaptionRect().Contains(at)) {
        TCustomControl::mousePressEvent(event);
        return;
    }
    if (CloseRect().Contains(at))
        hide();
    else if (client_)
        client_->BeginDockDrag(event->globalPosition().toPoint());
}

void TFloatingDockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second press on the caption starts no second drag.
    event->accept();
}

bool TFloatingDockWindow::event(QEvent* event) {
    if (event->type() == QEvent::ChildRemoved) {
        // The client left (docked or destroyed): the window goes too.
        if (static_cast<QChildEvent*>(event)->child() == client_.data() || !client_) {
            client_ = nullptr;
            deleteLater();
        }
    }
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        Invalidate();
    return TCustomControl::event(event);
}

// ---------------------------------------------------------------- the control's side

void TCustomControl::SetDockSite(bool dockSite) {
    if (dockSite_ == dockSite) return;
    dockSite_ = dockSite;
    if (dockSite_ && useDockManager_) {
        MakeDockManager();
    } else {
        delete dockManager_;
        dockManager_ = nullptr;
    }
    Realign();
    Invalidate();
}

void TCustomControl::SetUseDockManager(bool use) {
    if (useDockManager_ == use) return;
    useDockManager_ = use;
    if (dockSite_ && use) {
        MakeDockManager();
    } else {
        delete dockManager_;
        dockManager_ = nullptr;
    }
    Invalidate();
}

void TCustomControl::MakeDockManager() {
    if (dockManager_) return;
    dockManager_ = CreateDockManager();
    dockManager_->ResetBounds();
}

TDockTree* TCustomControl::CreateDockManager() {
    return new TDockTree(*this);
}

QList<TCustomControl*> TCustomControl::DockClients() const {
    QList<TCustomControl*> clients;
    for (const QPointer<TCustomControl>& c : dockClients_)
        if (c) clients.append(c.data());
    return clients;
}

TRect TCustomControl::DockClientArea() {
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    return rect;
}

void TCustomControl::SetDragMode(TDragMode mode) {
    dragMode_ = mode;
    if (mode == TDragMode::dmAutomatic && !autoDrag_) autoDrag_ = new TAutoDockDrag(*this);
    if (mode == TDragMode::dmManual) {
        delete autoDrag_;
        autoDrag_ = nullptr;
    }
}

TCustomControl* TCustomControl::HostDockSite() const {
    return hostDockSite_.data();
}

TFloatingDockWindow* TCustomControl::FloatingDockWindow() const {
    auto* window = qobject_cast<TFloatingDockWindow*>(parentWidget());
    return window && window->Client() == this ? window : nullptr;
}

void TCustomControl::LeaveHost() {
    TCustomControl* site = hostDockSite_.data();
    hostDockSite_ = nullptr;
    if (!site) return;
    site->dockClients_.removeAll(this);
    site->UndockClient(*this);
}

bool TCustomControl::ManualDock(TCustomControl* site, int index) {
    if (!site || !site->dockSite_ || site == this || isAncestorOf(site)) return false;
    TDockPlace place;
    place.rect = site->DockClientArea();
    place.index = index < 0 ? static_cast<int>(site->DockClients().size()) : index;
    DockInto(site, place);
    return true;
}

void TCustomControl::DockInto(TCustomControl* site, const TDockPlace& place) {
    if (!hostDockSite_ && !Floating() && undockWidth_ == 0) {
        undockWidth_ = width();
        undockHeight_ = height();
    }
    if (hostDockSite_ != site) {
        LeaveHost();
        site->dockClients_.append(this);
        hostDockSite_ = site;
    }
    site->DockDrop(*this, place);
}

void TCustomControl::ManualFloat(const QRect& window) {
    if (TFloatingDockWindow* floating = FloatingDockWindow()) {
        floating->setGeometry(window);
        floating->show();
        return;
    }
    if (undockWidth_ == 0) {
        undockWidth_ = width();
        undockHeight_ = height();
    }
    QWidget* owner = (hostDockSite_ ? hostDockSite_.data() : static_cast<QWidget*>(this))->window();
    if (owner == this) owner = nullptr;
    LeaveHost();
    auto* floating = new TFloatingDockWindow(owner);
    floating->SetClient(this);
    floating->setGeometry(window);
    floating->show();
}

void TCustomControl::BeginDockDrag(const QPoint& globalPress, bool immediate) {
    if (dragKind_ != TDragKind::dkDock) return;
    TDockDrag::Begin(*this, globalPress, immediate);
}

void TCustomControl::NotifyHost(TDockNotice notice) {
    if (TFloatingDockWindow* floating = FloatingDockWindow()) {
        if (notice == TDockNotice::dnCaption) {
            floating->setWindowTitle(caption_);
            floating->Invalidate();
        } else {
            // The window is shown and hidden with its client.
            floating->setVisible(!isHidden());
        }
        return;
    }
    if (hostDockSite_ && !hostDockSite_->IsLoading())
        hostDockSite_->DockClientChanged(*this, notice);
}

bool TCustomControl::DockOver(TCustomControl&, TPoint at, TDockPlace& place) {
    if (dockManager_) {
        place = dockManager_->DropPlace(at);
    } else {
        place.index = static_cast<int>(DockClients().size());
        place.rect = DockClientArea();
    }
    return true;
}

void TCustomControl::DockDrop(TCustomControl& client, const TDockPlace& place) {
    if (dockManager_) {
        dockManager_->InsertControl(client, place.index);
        return;
    }
    if (client.parentWidget() != this) client.setParent(this);
    SetWidgetAlign(&client, TAlign::alNone);
    client.setGeometry(ToQRect(place.rect));
    client.show();
}

void TCustomControl::UndockClient(TCustomControl& client) {
    if (dockManager_) dockManager_->RemoveControl(client);
}

bool TCustomControl::HoldsDockClient(const TCustomControl& client) const {
    return client.parentWidget() == this;
}

void TCustomControl::DockClientChanged(TCustomControl&, TDockNotice) {
    if (dockManager_) dockManager_->ResetBounds();
    Invalidate();
}

}  // namespace vx
