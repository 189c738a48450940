// `TWgBalloonHints`: while one exists, every hint of the application shows
// as a balloon (TWgCustomHintWindow) instead of the desktop's tool tip: a
// rounded rectangle with a pointer towards the control or the mouse, its
// text word-wrapped. Each setter passes its value to the hint window at once.
//
// The hints are the controls' own (WidgetHintAt: an item's over the item, a
// tool tip over its widget). The component follows the mouse itself: when
// it comes to rest on a spot with another hint, the balloon shows after the
// application's HintPause, or its HintShortPause while one hint follows
// another (the mouse moved on from a balloon that was up). The balloon goes
// away when the mouse leaves its spot or its control, on a key or mouse
// button, or after a while; it does not come back on the same spot.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "platform/qt/ControlHint.h"
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
    // The application's pauses (ms), read and written straight through.
    int HintPause() const { return ApplicationHintPause(); }
    void SetHintPause(int ms) { SetApplicationHintPause(ms); }
    int HintShortPause() const { return ApplicationHintShortPause(); }
    void SetHintShortPause(int ms) { SetApplicationHintShortPause(ms); }
    // May change the text or stop the hint (text, can show, control).
    std::function<void(QString&, bool&, QWidget*)> OnShowHint;

    // Shows the hint of the control (or of the nearest parent with one) for
    // the mouse at globalPos at once.
    void ShowHint(QWidget* control, QPoint globalPos);
    void HideHint();
    TWgCustomHintWindow* HintWindow() const { return window_; }
    // The wait before the hint of the spot the mouse rests on shows (tests
    // look at its interval and hurry it).
    QTimer& ShowTimer() { return showTimer_; }
    // How long a hint stays up.
    static constexpr int kHidePauseMs = 2500;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The spot a hint belongs to: its control, text and area on the screen.
    struct Spot {
        QPointer<QWidget> control;
        QString text;
        QRect area;
        bool operator==(const Spot& o) const {
            return control == o.control && text == o.text && area == o.area;
        }
    };
    void Link();
    // The hint under the mouse at `globalPos`, from `widget` up its parents.
    static Spot SpotAt(QWidget* widget, QPoint globalPos);
    // The mouse moved (or a tool tip was asked for) over `widget`: a new
    // spot hides the balloon and starts the pause before its own.
    void MouseAt(QWidget* widget, QPoint globalPos);
    void LookAtMouse();
    void ShowSpot();
    // Hides the balloon; `forget` lets the spot show again.
    void CancelHint(bool forget, bool endRun);

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
    QTimer showTimer_;
    Spot spot_;                // the spot the mouse is on (its hint shown or due)
    bool following_ = false;   // a balloon was up when the mouse moved on
    QPointer<QWidget> moved_;  // where the mouse moved last, not yet looked at
    QPoint movedPos_;
    QPoint mousePos_;  // the mouse on the screen when it reached the spot
    bool lookPending_ = false;
};

}  // namespace vx
