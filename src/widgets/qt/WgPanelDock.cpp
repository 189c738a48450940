#include "widgets/qt/WgPanelDock.h"

#include <QApplication>
#include <QEvent>

#include "widgets/qt/WgPanel.h"
#include "widgets/qt/WgSplit.h"

namespace vx {

// Repaints the panel before a press or a focus change inside it reaches its
// widget.
class TWgPanelDockManager::Hook : public QObject {
  public:
    explicit Hook(TWgPanelDockManager& manager) : manager_(manager) {
        qApp->installEventFilter(this);
    }
    ~Hook() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                break;
            default:
                return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        TWgCustomPanel& panel = manager_.Panel();
        if (!widget || (widget != &panel && !panel.isAncestorOf(widget))) return false;
        if (panel.isVisible()) {
            ++manager_.hookRepaints_;
            panel.Repaint();
        }
        return false;
    }

  private:
    TWgPanelDockManager& manager_;
};

TWgPanelDockManager::TWgPanelDockManager(TWgCustomPanel& panel) : TDockTree(panel), panel_(panel) {
    captionFont_.name = "Verdana";
    captionFont_.size = 8;
    hook_ = new Hook(*this);
}

TWgPanelDockManager::~TWgPanelDockManager() {
    delete hook_;
}

bool TWgPanelDockManager::ShowsCaptions() const {
    return panel_.ShowDockClientCaptions();
}

bool TWgPanelDockManager::ClientActive(const TCustomControl& client) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == &client || client.isAncestorOf(focus));
}

void TWgPanelDockManager::AdjustDockRect(TCustomControl& client, TRect& rect) const {
    if (ShowsCaptions()) TDockTree::AdjustDockRect(client, rect);
}

TRect TWgPanelDockManager::CloseRect(const TRect& grabber) const {
    // Only the bar on top has the close cross: 12 pixels high, 1 below the
    // top, ending 2 pixels inside the right edge.
    if (GrabbersLeft() || grabber.IsEmpty()) return {};
    return {grabber.right - 2 - 12, grabber.top + 1, grabber.right - 2, grabber.top + 13};
}

void TWgPanelDockManager::PaintSite(Canvas& canvas) {
    if (!ShowsCaptions()) return;
    TDockTree::PaintSite(canvas);
}

void TWgPanelDockManager::PaintDockFrame(Canvas& canvas, TCustomControl& client,
                                         const TRect& zone) {
    if (!ShowsCaptions()) return;
    const TRect bar = DockGrabberRect(zone, GrabbersLeft(), GrabberSize());
    const bool active = ClientActive(client);
    const TColor fill = active ? clActiveCaption : clInactiveCaption;
    const TColor text = active ? clCaptionText : clInactiveCaptionText;
    canvas.brush = {fill, BrushStyle::Solid};
    canvas.FillRect(bar);
    canvas.font = captionFont_;
    canvas.font.color = text;
    const std::string caption = client.Caption().toStdString();
    if (GrabbersLeft()) {
        // Turned upwards, from the bar's foot.
        canvas.font.escapement = 900;
        const int h = canvas.TextHeight("Yy");
        canvas.TextRect(bar, bar.left + (bar.Width() - h) / 2, bar.bottom - 2, caption);
        canvas.font.escapement = 0;
        return;
    }
    const TRect close = CloseRect(bar);
    const TRect room{bar.left + 2, bar.top, close.left - 1, bar.bottom};
    const int h = canvas.TextHeight("Yy");
    canvas.TextRect(room, room.left, bar.top + (bar.Height() - h) / 2, caption);
    DrawDockCloseGlyph(canvas, close, text);
}

TWgSizePanelDockManager::TWgSizePanelDockManager(TWgCustomSizePanel& panel)
    : TWgPanelDockManager(panel), sizePanel_(panel) {}

bool TWgSizePanelDockManager::ShowsCaptions() const {
    return TWgPanelDockManager::ShowsCaptions() && !sizePanel_.HotSpotClosed();
}

}  // namespace vx
