// `TWgBalloonHints`: while one exists, every tool tip of the application
// shows as a balloon (TWgCustomHintWindow) instead of the desktop's tool
// tip: a rounded rectangle with a pointer towards the control or the mouse,
// its text word-wrapped. Each setter passes its value to the hint window at
// once. The tool tip goes away when the mouse leaves the control, on a key
// or mouse button, or after a while.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "widgets/qt/WgHintWindow.h"

namespace vx {

class TWgBalloonHints : public QObject {
    Q_OBJECT
  public:
    explicit TWgBalloonHints(QObject* owner = nullptr);
    ~TWgBalloonHints() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TWgBalloonBitmaps& Bitmaps() { return bitmaps_; }
    int CaptionWidth() const { return captionWidth_; }
    void SetCaptionWidth(int w);
    int CenterThreshold() const { return centerThreshold_; }
    void SetCenterThreshold(int t);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TWgHintCorner Corner() const { return corner_; }
    void SetCorner(TWgHintCorner c);
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);
    bool ShowBalloon() const { return showBalloon_; }
    void SetShowBalloon(bool s);
    void SetOnSetHintRect(THintRectEvent e);
    void SetOnSetHintWinSize(THintSizeEvent e);
    // May change the text or stop the hint (text, can show, control).
    std::function<void(QString&, bool&, QWidget*)> OnShowHint;

    // Shows the control's tool tip for the mouse at globalPos, as the
    // desktop's tool-tip request does.
    void ShowHint(QWidget* control, QPoint globalPos);
    void HideHint();
    TWgCustomHintWindow* HintWindow() const { return window_; }
    // How long a hint stays up.
    static constexpr int kHidePauseMs = 2500;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Link();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TWgBalloonBitmaps bitmaps_;
    int captionWidth_ = 100;
    int centerThreshold_ = 80;
    TColor color_ = clInfoBk;
    TWgHintCorner corner_ = TWgHintCorner::hcUpperRight;
    CanvasFont font_;
    TColor frameColor_ = cl3DDkShadow;
    bool showBalloon_ = true;
    THintRectEvent onSetHintRect_;
    THintSizeEvent onSetHintWinSize_;
    QPointer<TWgCustomHintWindow> window_;
    QTimer hideTimer_;
};

}  // namespace vx
