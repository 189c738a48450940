// How the styled menus' windows measure and paint their items through the
// menu drawing (FxMenuDraw.h): an item described from its action, Qt's item
// sizes answered by our measuring, and the painting of a whole menu bar or
// drop-down window.
#pragma once

#include <QAction>
#include <QProxyStyle>

#include "styling/menus/FxMenuDraw.h"

class QMenu;
class QMenuBar;

namespace vx {

class IMenuStyleLink;
class TFxDropDownMenu;

// The item as the drawing sees it, in its menu bar or drop-down window
// (`level` is the window's: 1 for a first drop-down or a pop-up menu).
TMenuItemInfo MenuItemInfoOf(const QAction* action, const QWidget* window, int level,
                             const IMenuStyleLink& link);
// The height the styled window lays its item out with (the window styled
// by the menu it belongs to).
int MeasuredItemHeight(const QAction& action, const TFxDropDownMenu& menu);

// The style every styled menu window uses: the size of each item is our
// measure; the windows leave no margins of their own around the items.
class TFxMenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // The one shared by all styled menu windows.
    static TFxMenuStyle* Instance();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

  private:
    TFxMenuStyle();
};

// The width of the drop-down windows' border, in which the frame lies.
inline constexpr int kMenuBorderWidth = 3;

// Paints the items of a styled menu bar and their bar behind them.
void PaintMenuBar(QMenuBar& bar, const IMenuStyleLink& link);
// Paints the items and the frame of a styled drop-down window; only the
// items that meet `dirty` (the part of the window to paint) are drawn.
void PaintDropDown(QMenu& menu, const IMenuStyleLink& link, int level, const QRect& dirty);

}  // namespace vx
