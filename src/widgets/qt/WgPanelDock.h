// `TWgPanelDockManager`: the dock manager of a panel that is a dock site
// (with UseDockManager). Each docked client has a caption bar while the
// panel's ShowDockClientCaptions is on: filled in the active caption colours
// for the client holding the focus and the inactive ones otherwise; on a
// panel aligned to the top or bottom the bar stands at the client's left
// with its text turned upwards, otherwise it is 14 pixels high at the top
// with the text 2 pixels in and the close cross in its top-right corner.
// Any press and any focus change inside the panel repaints it first, so the
// bars show which client is active; the watch ends with the manager.
//
// `TWgSizePanelDockManager`: the same for a size panel. Its clients lie
// inside the panel's client area, past the size bar of a right or bottom
// panel, and it paints no caption bars while the panel is collapsed.
#pragma once

#include "platform/qt/Docking.h"

namespace vx {

class TWgCustomPanel;
class TWgCustomSizePanel;

class TWgPanelDockManager : public TDockTree {
    Q_OBJECT
  public:
    static constexpr int kGrabberSize = 14;

    explicit TWgPanelDockManager(TWgCustomPanel& panel);
    ~TWgPanelDockManager() override;

    TWgCustomPanel& Panel() const { return panel_; }
    int GrabberSize() const override { return kGrabberSize; }
    void AdjustDockRect(TCustomControl& client, TRect& rect) const override;
    void PaintDockFrame(Canvas& canvas, TCustomControl& client, const TRect& zone) override;
    void PaintSite(Canvas& canvas) override;
    TRect CloseRect(const TRect& grabber) const override;

    // The caption font (Verdana, 8 points).
    const CanvasFont& CaptionFont() const { return captionFont_; }
    // Whether `client` holds the focus (its bar is active).
    static bool ClientActive(const TCustomControl& client);
    // How often the watch repainted the panel ahead of an event.
    int HookRepaints() const { return hookRepaints_; }

  protected:
    // The bars show at all.
    virtual bool ShowsCaptions() const;

  private:
    class Hook;
    TWgCustomPanel& panel_;
    CanvasFont captionFont_;
    Hook* hook_ = nullptr;
    int hookRepaints_ = 0;
};

class TWgSizePanelDockManager : public TWgPanelDockManager {
    Q_OBJECT
  public:
    explicit TWgSizePanelDockManager(TWgCustomSizePanel& panel);

  protected:
    bool ShowsCaptions() const override;

  private:
    TWgCustomSizePanel& sizePanel_;
};

}  // namespace vx
