// The small window that carries a tool bar while it floats: frameless, kept
// above the window that owns it, a thin border in the styler's floating
// colour, its edges dragged to re-flow the bar into more or fewer rows, and
// always exactly the bar's size plus the border. It follows a form: hidden
// while that form is hidden and shown again with it, checked every 40 ms.
#pragma once

#include <QCursor>
#include <QPointer>
#include <QTimer>

#include "platform/qt/CustomControl.h"
#include "styling/toolbar/FloatingWindowGeometry.h"
#include "styling/toolbar/FxToolBarStylers.h"

namespace vx {

class TFxCustomToolBar;

class TFloatingWindow : public TCustomControl {
    Q_OBJECT
  public:
    // owner: the window it stays above (may be null).
    explicit TFloatingWindow(QWidget* owner = nullptr);
    ~TFloatingWindow() override;

    TFxCustomToolBar* FxCustomToolBar() const { return toolBar_.data(); }
    // The bar it carries; a left press on the bar's caption (its floating
    // drag area) moves the window until the button is released, the point
    // pressed staying under the mouse.
    void SetFxCustomToolBar(TFxCustomToolBar* bar);
    bool CaptionDragging() const { return captionDrag_; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    // Stored only: the next painting shows it.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v) { borderColor_ = v; }

    // The styler's floating look: border width and colour, and its colour
    // (the end colour of the styler's gradient, or its start colour when the
    // gradient has no end).
    void TakeLook(const TCustomFxToolBarStyler& styler);

    // Fits the window around its tool bar and places the bar inside the
    // border.
    void UpdateSize();

    bool Sizing() const { return sizing_; }
    TFloatingEdge SizingEdge() const { return drag_.edge; }

    // The form the window follows; the timer starts with it. A null form
    // stops following.
    void SetFollowForm(QWidget* form);
    QWidget* FollowForm() const { return followForm_.data(); }
    bool ShowLater() const { return showLater_; }
    void SetShowLater(bool v) { showLater_ = v; }
    // One look at the followed form (what each timer tick does).
    void FollowTick();
    // The 40 ms timer; tests stop it and tick by hand.
    QTimer& FollowTimer() { return followTimer_; }

  protected:
    void Loaded() override;
    void Paint(Canvas& canvas) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EdgeStep(int x, int y);
    bool CaptionMouse(QMouseEvent* event);
    void EndCaptionDrag();

    QPointer<TFxCustomToolBar> toolBar_;
    int borderWidth_ = 2;
    TColor borderColor_ = 0x6D6D6D;
    QCursor loadedCursor_;
    bool sizing_ = false;
    bool captionDrag_ = false;
    QPoint grab_;  // the pressed point relative to the window's position
    TFloatingDrag drag_;
    QPointer<QWidget> followForm_;
    bool showLater_ = false;
    QTimer followTimer_;
};

}  // namespace vx
