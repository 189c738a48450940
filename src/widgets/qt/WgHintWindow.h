// `TWgCustomHintWindow`: the window a hint shows in while balloon hints are
// on: a rounded rectangle with a pointer towards the control or the mouse
// (or a plain framed rectangle), its word-wrapped text no wider than the
// caption width, or four corner pictures stretched over it. It takes the
// settings of the balloon hints component it is linked to, never keeps the
// focus, and goes away when the mouse leaves the spot the hint was asked
// for.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <array>
#include <functional>

#include "platform/qt/CustomControl.h"
#include "widgets/WgBHintsLayout.h"

namespace vx {

// Four corner pictures: the one of the balloon's corner is stretched over
// the window, pixels of the transparent colour showing through.
struct TWgBalloonBitmaps {
    QImage lowerRight;
    QImage lowerLeft;
    QImage upperLeft;
    QImage upperRight;
    TColor transparentColor = clOlive;

    bool Empty() const;
    // The picture for a corner: its own, else a neighbour's mirrored to fit
    // (the same upper or lower side mirrored left to right first, then the
    // same left or right side mirrored top to bottom, then the opposite
    // corner mirrored both ways); null when all four are empty.
    QImage ForCorner(TWgHintCorner corner) const;
};

// Lets the program adjust the text rectangle (canvas, corner, caption, rect).
using THintRectEvent = std::function<void(Canvas&, TWgHintCorner, const QString&, TRect&)>;
// Lets the program adjust the window's size (canvas, corner, caption, width, height).
using THintSizeEvent = std::function<void(Canvas&, TWgHintCorner, const QString&, int&, int&)>;

class TWgCustomHintWindow : public TCustomControl {
    Q_OBJECT
  public:
    explicit TWgCustomHintWindow(QWidget* parent = nullptr);

    int captionWidth = 100;
    TColor fillColor = clInfoBk;
    TColor frameColor = clInfoText;
    TAlignment alignment = TAlignment::taLeftJustify;
    TWgHintCorner corner = TWgHintCorner::hcUpperRight;
    bool showBalloon = true;
    int centerThreshold = 80;
    const TWgBalloonBitmaps* bitmaps = nullptr;
    THintRectEvent onSetHintRect;
    THintSizeEvent onSetHintWinSize;

    // What the hint points at: the control under the mouse and where on the
    // screen the hint was asked for; no control for a hint at the mouse.
    void SetHintTarget(QWidget* control, QPoint globalPos);
    QWidget* HintControl() const { return control_; }
    // The text's rectangle with the room the hint window adds around it,
    // the text no wider than the caption width.
    TRect CalcHintRect(const QString& text);
    // Sizes, places and shows the window for the text (see the size and
    // placement rules in WgBHintsLayout).
    void ActivateHint(TRect rect, const QString& text);
    void CancelHint();

    TWgHintCorner CurrentCorner() const { return current_; }
    QString HintText() const { return text_; }
    // The window's shape on its own coordinates (the whole window without a
    // balloon).
    QRegion Shape() const;
    bool Tracking() const { return tracking_; }

  protected:
    void Paint(Canvas& canvas) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool Balloon() const { return showBalloon; }
    void PassOn(QMouseEvent* event);

    QPointer<QWidget> control_;
    QPoint hintPos_;  // in the control's coordinates
    QPoint mouse_;    // on the screen, for a hint without a control
    TWgHintCorner current_ = TWgHintCorner::hcUpperRight;
    QString text_;
    bool tracking_ = false;
};

}  // namespace vx
