// Docking between the tool's controls.
//
// A control with DockSite takes docked clients: controls whose drag kind is
// docking, dropped on it by a dock drag (DockDrag.h) or placed by
// ManualDock. With UseDockManager the site's dock manager, a TDockTree or a
// control family's own, lays the clients out one after another (see
// DockLayout.h), paints a caption bar per client and takes the mouse on
// those bars: a press starts dragging the client out, a click on the close
// button hides it. A client dragged off every site floats in a
// TFloatingDockWindow, whose own caption bar drags it again.
//
// The dock manager's hooks: GrabberSize and AdjustDockRect (what a caption
// bar takes of a client's zone), PaintDockFrame (one bar) and PaintSite (the
// whole site, after the site's own painting).
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <vector>

#include "platform/DockLayout.h"
#include "platform/qt/CustomControl.h"

namespace vx {

// The close cross of a caption bar, centred in `r`.
void DrawDockCloseGlyph(Canvas& canvas, const TRect& r, TColor color);

class TDockTree : public QObject {
    Q_OBJECT
  public:
    explicit TDockTree(TCustomControl& site);
    ~TDockTree() override;

    TCustomControl& DockSite() const { return site_; }
    // The clients in their order, hidden ones included.
    QList<TCustomControl*> Clients() const;
    // Takes the client in as a child of the site at `index` (clamped; a
    // client already in moves there) and lays the clients out.
    void InsertControl(TCustomControl& client, int index);
    void RemoveControl(TCustomControl& client);
    // Places the shown clients in their zones.
    void ResetBounds();

    // The area the zones divide: the site's client area.
    virtual TRect DockArea() const;
    // The clients stand side by side with their bars at their left (a site
    // along the top or bottom of its parent), else one above the other.
    virtual bool GrabbersLeft() const;
    virtual int GrabberSize() const { return 12; }
    // The size hook: what a client gets of its zone.
    virtual void AdjustDockRect(TCustomControl& client, TRect& rect) const;
    // The painting hooks: one client's caption bar, and the whole site.
    virtual void PaintDockFrame(Canvas& canvas, TCustomControl& client, const TRect& zone);
    virtual void PaintSite(Canvas& canvas);
    // The close button of a caption bar (empty: none).
    virtual TRect CloseRect(const TRect& grabber) const;

    // The zones of the shown clients, in order, and one client's (empty when
    // hidden or not docked here).
    std::vector<TRect> Zones() const;
    TRect ZoneOf(const TCustomControl& client) const;
    TRect GrabberOf(const TCustomControl& client) const;
    // Where a client dropped at `at` goes.
    TDockPlace DropPlace(TPoint at) const;
    // The client whose caption bar lies under `at`, or none.
    TCustomControl* ClientAtGrabber(TPoint at) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QList<TCustomControl*> Shown() const;

  private:
    TCustomControl& site_;
    QList<QPointer<TCustomControl>> clients_;
    bool arranging_ = false;
};

// The window a client floats in: a small frameless window over the site's
// window, with a caption bar that shows the client's caption, drags it (to
// dock it again or move the window) and closes it. It hides and shows with
// its client and goes when the client leaves it or is destroyed.
class TFloatingDockWindow : public TCustomControl {
    Q_OBJECT
  public:
    static constexpr int kBorder = 2;
    static constexpr int kCaptionHeight = 16;

    explicit TFloatingDockWindow(QWidget* owner);
    ~TFloatingDockWindow() override;

    TCustomControl* Client() const { return client_.data(); }
    void SetClient(TCustomControl* client);
    // The window's frame around a client of the given size.
    static QSize FrameSize(int clientWidth, int clientHeight);
    TRect CaptionRect() const;
    TRect CloseRect() const;

  protected:
    void Paint(Canvas& canvas) override;
    void AdjustClientRect(TRect& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QPointer<TCustomControl> client_;
};

}  // namespace vx
