// The dock drag: a client pressed on its caption bar (or its tab, or itself
// with DragMode dmAutomatic) follows the mouse as a frame once the mouse has
// moved the drag distance. Over a dock site that takes it the frame shows
// where it will dock (thin); elsewhere the floating window it would float in
// (thick). The release docks or floats it there; Escape ends the drag with
// nothing changed; Ctrl held keeps every site out. One drag runs at a time;
// it watches the application's mouse and keys, so it goes on whichever
// window the events reach.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "platform/DockLayout.h"

namespace vx {

class TCustomControl;

// The frame shown during a dock drag: a ring in the halftone pattern that
// lets the mouse through.
class TDockDropFrame : public QWidget {
    Q_OBJECT
  public:
    TDockDropFrame();
    // Shows the ring around `screen`, `thickness` pixels wide.
    void ShowAt(const QRect& screen, int thickness);
    int Thickness() const { return thickness_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int thickness_ = 0;
};

class TDockDrag : public QObject {
    Q_OBJECT
  public:
    ~TDockDrag() override;

    // The drag under way (pressed, perhaps not moved far enough yet), or none.
    static TDockDrag* Current();
    // Starts one for `client` (ending any other without a drop).
    static void Begin(TCustomControl& client, const QPoint& globalPress, bool immediate);

    TCustomControl* Client() const { return client_.data(); }
    bool Started() const { return started_; }
    // The site the client would dock in, or none (it would float).
    TCustomControl* Target() const { return target_.data(); }
    const TDockPlace& Place() const { return place_; }
    // The frame's rectangle on the screen.
    QRect DropRect() const { return dropRect_; }
    TDockDropFrame* Frame() const { return frame_; }
    // Ends the drag; with `drop`, the client docks or floats where it shows.
    void Finish(bool drop);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TDockDrag(TCustomControl& client, const QPoint& globalPress);
    void Step(const QPoint& global, bool noDocking);

    QPointer<TCustomControl> client_;
    QPoint press_;
    TPoint grab_;
    QSize floatingSize_;
    bool started_ = false;
    QPointer<TCustomControl> target_;
    TDockPlace place_;
    QRect dropRect_;
    TDockDropFrame* frame_ = nullptr;
    QPoint last_;
};

}  // namespace vx
