// The tool bar's compact pop-up menu: a small cascading menu drawn in the
// colours of the menu styler that the tool-bar styler provides. Each level is
// a frameless stay-on-top TFTBPopupWindow holding a TFTBPopupPanel that lays
// out, draws and tracks a list of TFTBMenuItem rows; a row with sub-items
// opens the next level beside it. Check rows stand for tool-bar controls:
// clicking one shows or hides its control.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "styling/toolbar/ToolBarAppearances.h"

class QMouseEvent;

namespace vx {

// A left press in the sizing corner of a pop-up panel's window starts sizing
// the window by that corner; true when it did.
bool SizeByCorner(QWidget* panel, QMouseEvent* event);

class Canvas;

// The body of a pop-up panel: color, or a gradient to colorTo when that is
// not clNone, inside a one-pixel border.
void PaintPanelBody(Canvas& canvas, const TRect& r, TColor color, TColor colorTo,
                    toolbar::TGradientDirection direction, TColor border);

class TCustomFxMenuStyler;
class TFxCustomToolBar;
class TFTBPopupWindow;

// One row of the compact pop-up menu; owns its sub-items.
class TFTBMenuItem {
  public:
    TFTBMenuItem() = default;
    TFTBMenuItem(const TFTBMenuItem&) = delete;
    TFTBMenuItem& operator=(const TFTBMenuItem&) = delete;

    // A new sub-item, owned by this one.
    TFTBMenuItem* Add(const std::string& caption);
    int Count() const { return static_cast<int>(items_.size()); }
    TFTBMenuItem* Item(int index) const { return items_.at(index).get(); }
    TFTBMenuItem* Parent() const { return parent_; }
    void Clear() { items_.clear(); }

    bool enabled = true;
    bool visible = true;
    TRect rect;
    std::string caption;
    bool checked = false;
    bool checkItem = false;     // shows a check box and toggles on click
    QPointer<QWidget> control;  // the tool-bar control it stands for; not owned

  private:
    std::vector<std::unique_ptr<TFTBMenuItem>> items_;
    TFTBMenuItem* parent_ = nullptr;
};

// A panel with an optional gradient and a one-pixel border.
class TFTBCustomPopupPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TFTBCustomPopupPanel(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v);
    toolbar::TGradientDirection GradientDirection() const { return direction_; }
    void SetGradientDirection(toolbar::TGradientDirection v);
    TColor WindowBorderColor() const { return borderColor_; }
    void SetWindowBorderColor(TColor v);

  protected:
    void paintEvent(QPaintEvent*) override;
    void PaintBody(QPainter& painter);

  private:
    TColor color_ = 0xF7F8F9;
    TColor colorTo_ = clNone;
    toolbar::TGradientDirection direction_ = toolbar::TGradientDirection::gdHorizontal;
    TColor borderColor_ = 0x808080;
};

// Lays out, draws and tracks the rows of one level.
class TFTBPopupPanel : public TFTBCustomPopupPanel {
    Q_OBJECT
  public:
    explicit TFTBPopupPanel(QWidget* parent = nullptr);
    ~TFTBPopupPanel() override;

    TFTBMenuItem* RootItem() const { return root_; }
    // Takes the rows of the item's sub-items and measures them.
    void SetRootItem(TFTBMenuItem* item);
    bool ShowIconBar() const { return iconBar_; }
    void SetShowIconBar(bool v);
    TCustomFxMenuStyler* MenuStyler() const { return styler_; }
    void SetMenuStyler(TCustomFxMenuStyler* styler);
    bool ShowImages() const { return images_; }

    void Measure();
    // The first row whose rectangle holds the point, else -1.
    int ItemAtPos(int x, int y) const;
    int HotIndex() const { return hot_; }
    void SetHotIndex(int index);
    int OpenIndex() const { return open_; }
    // A check row shows or hides its control and takes the control's new state.
    void ToggleItem(int index);
    // The open sub-level's window (null before first use).
    TFTBPopupWindow* SubPopup() const { return sub_.data(); }
    // Hides the open sub-levels and forgets the hot and open rows.
    void CloseSubPopups();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    TFTBPopupWindow* Window() const;
    void OpenSubPopup();
    void RepaintRow(int index);
    void DrawRow(class Canvas& canvas, int index);
    void DrawControlImage(class Canvas& canvas, QWidget* control, const TRect& cell);
    int IconBarSize() const;

    TFTBMenuItem* root_ = nullptr;
    TCustomFxMenuStyler* styler_ = nullptr;
    int hot_ = -1;
    int open_ = -1;
    bool images_ = false;
    bool iconBar_ = false;
    QPointer<TFTBPopupWindow> sub_;  // owned by this level's window
};

// The window of one level.
class TFTBPopupWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own above the owner (when given), which owns it.
    explicit TFTBPopupWindow(QWidget* owner = nullptr);
    ~TFTBPopupWindow() override;

    TFxCustomToolBar* FxToolBar() const { return toolBar_; }
    void SetFxToolBar(TFxCustomToolBar* bar) { toolBar_ = bar; }
    TFTBPopupPanel* PopupPanel() const { return panel_; }
    bool HideOnDeActivate() const { return hideOnDeactivate_; }
    void SetHideOnDeActivate(bool v) { hideOnDeactivate_ = v; }
    // The window takes its panel's size.
    void FitPanel();

  signals:
    // After the window hid itself because it lost activation.
    void DeActivateHide();
    // Whenever it hides.
    void Hidden();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void HideTimer();

    QPointer<TFxCustomToolBar> toolBar_;
    TFTBPopupPanel* panel_;
    bool hideOnDeactivate_ = true;
    QTimer hideTimer_;
};

}  // namespace vx
