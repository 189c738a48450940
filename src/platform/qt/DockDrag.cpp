#include "platform/qt/DockDrag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/Docking.h"

namespace vx {
namespace {

TDockDrag* current = nullptr;

TPoint PointOf(const QPoint& p) {
    return {p.x(), p.y()};
}

int Depth(const QWidget* w) {
    int depth = 0;
    for (; w; w = w->parentWidget())
        ++depth;
    return depth;
}

}  // namespace

// ---------------------------------------------------------------- the frame

TDockDropFrame::TDockDropFrame()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("DockDropFrame"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TDockDropFrame::ShowAt(const QRect& screen, int thickness) {
    thickness_ = thickness;
    setGeometry(screen);
    // Only the ring shows (a platform without window shapes, as the tests'
    // offscreen one, shows the whole rectangle).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        const QRegion outer(0, 0, screen.width(), screen.height());
        const QRegion inner(thickness, thickness, screen.width() - 2 * thickness,
                            screen.height() - 2 * thickness);
        setMask(outer.subtracted(inner));
    }
    show();
    update();
}

void TDockDropFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
}

// ---------------------------------------------------------------- the drag

TDockDrag::TDockDrag(TCustomControl& client, const QPoint& globalPress)
    : client_(&client), press_(globalPress), last_(globalPress) {
    // The point pressed, measured from what is dragged: the floating window,
    // or the docked client itself.
    QWidget* dragged = client.FloatingDockWindow();
    if (dragged) {
        floatingSize_ = dragged->size();
    } else {
        dragged = &client;
        const int w = client.UndockWidth() > 0 ? client.UndockWidth() : client.width();
        const int h = client.UndockHeight() > 0 ? client.UndockHeight() : client.height();
        floatingSize_ = TFloatingDockWindow::FrameSize(w, h);
    }
    grab_ = PointOf(globalPress - dragged->mapToGlobal(QPoint(0, 0)));
    qApp->installEventFilter(this);
}

TDockDrag::~TDockDrag() {
    if (current == this) current = nullptr;
    qApp->removeEventFilter(this);
    delete frame_;
}

TDockDrag* TDockDrag::Current() {
    return current;
}

void TDockDrag::Begin(TCustomControl& client, const QPoint& globalPress, bool immediate) {
    if (current) current->Finish(false);
    current = new TDockDrag(client, globalPress);
    if (immediate) {
        current->started_ = true;
        current->Step(globalPress, false);
    }
}

void TDockDrag::Step(const QPoint& global, bool noDocking) {
    last_ = global;
    TCustomControl* client = client_.data();
    if (!client) return;
    const TPoint at = PointOf(global);
    // The sites under the mouse: shown dock sites outside the client and its
    // floating window.
    std::vector<TCustomControl*> sites;
    std::vector<TDockCandidate> candidates;
    if (!noDocking) {
        const QWidget* own = client->FloatingDockWindow();
        for (QWidget* w : QApplication::allWidgets()) {
            auto* site = qobject_cast<TCustomControl*>(w);
            if (!site || !site->DockSite() || !site->isVisible() || site == client ||
                client->isAncestorOf(site) || (own && own->isAncestorOf(site)))
                continue;
            const QPoint origin = site->mapToGlobal(QPoint(0, 0));
            sites.push_back(site);
            candidates.push_back(
                {Bounds(origin.x(), origin.y(), site->width(), site->height()), Depth(site)});
        }
    }
    target_ = nullptr;
    const int chosen = ChooseDockTarget(candidates, at);
    if (chosen >= 0) {
        TCustomControl* site = sites[chosen];
        TDockPlace place;
        if (site->DockOver(*client, PointOf(site->mapFromGlobal(global)), place)) {
            target_ = site;
            place_ = place;
            const QRect r = ToQRect(place.rect);
            dropRect_ = QRect(site->mapToGlobal(r.topLeft()), r.size());
        }
    }
    if (!target_) {
        const TRect r = FloatingDropRect(at, grab_, floatingSize_.width(), floatingSize_.height());
        dropRect_ = ToQRect(r);
    }
    if (!frame_) frame_ = new TDockDropFrame;
    frame_->ShowAt(dropRect_, target_ ? 1 : 3);
}

void TDockDrag::Finish(bool drop) {
    if (current == this) current = nullptr;
    qApp->removeEventFilter(this);
    if (frame_) frame_->hide();
    TCustomControl* client = client_.data();
    if (drop && started_ && client) {
        if (target_)
            client->DockInto(target_.data(), place_);
        else
            client->ManualFloat(dropRect_);
    }
    deleteLater();
}

bool TDockDrag::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                Finish(false);
                return false;
            }
            const QPoint global = mouse->globalPosition().toPoint();
            if (!started_) {
                if (!PastDragThreshold(PointOf(press_), PointOf(global),
                                       QApplication::startDragDistance()))
                    return false;
                started_ = true;
            }
            Step(global, mouse->modifiers() & Qt::ControlModifier);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const bool started = started_;
            if (started)
                Step(mouse->globalPosition().toPoint(), mouse->modifiers() & Qt::ControlModifier);
            Finish(true);
            return started;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!started_) return false;
            if (key->key() == Qt::Key_Escape) {
                if (event->type() == QEvent::KeyPress) Finish(false);
                return true;
            }
            if (key->key() == Qt::Key_Control) {
                Step(last_, event->type() == QEvent::KeyPress);
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace vx
