// The tool bar's drag: pressed on its grip (or, floating, on its caption)
// the bar follows the mouse along and across the rows of its panel, floats
// in a window of its own when pulled far enough out of it, and docks again
// when the mouse enters a panel's capture rectangle. The bar holds the
// mouse for the whole drag, taking it again each time it changes parent.
// Also the floating caption's close button, the cursor over the grip, and
// the floating window's following of the bar's visibility.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>
#include <vector>

#include "styling/toolbar/ToolBarDrag.h"

class QMouseEvent;

namespace vx {

class TFxCustomToolBar;
class TFxDockPanel;
class TFloatingWindow;

class TToolBarDrag : public QObject {
    Q_OBJECT
  public:
    explicit TToolBarDrag(TFxCustomToolBar& bar);
    ~TToolBarDrag() override;

    bool Dragging() const { return dragging_; }
    TFloatingWindow* Window() const { return window_.data(); }
    // Where the bar floats: its window's place, or where that window stood
    // when it was destroyed around the bar; none while the bar is docked.
    std::optional<QPoint> FloatingPlace() const;
    // The window is being destroyed (and the bar with it).
    void WindowGoing(TFloatingWindow* window);
    bool CanDock(const TFxDockPanel* panel) const;
    void MakeFloating(const QPoint& at);
    void CloseFloating();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    void MouseLeft();
    void BeginDrag(const QPoint& grab, bool sizeAllCursor);
    void EndDrag();
    void Step(const QPoint& global);
    void BuildTargets();
    void RefreshTargets();
    // Gives the bar a new parent, shown as before; while a drag runs the bar
    // takes the mouse again.
    void Reparent(QWidget* parent);
    void Regrab();
    void FreeWindow();
    void PutFilterFirst();

    TFxCustomToolBar& bar_;
    QPointer<TFloatingWindow> window_;
    std::optional<QPoint> goneAt_;
    bool dragging_ = false;
    bool overrideCursor_ = false;
    bool reparenting_ = false;
    QPoint grab_;
    std::vector<TDockTarget> targets_;
    std::vector<QPointer<TFxDockPanel>> targetPanels_;
};

}  // namespace vx
