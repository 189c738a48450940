// The flat menu items the dialog skin gives a dialog's own menu bar and
// pop-up menus: an icon column, a filled and framed selection, check and
// radio marks, separators, a raised top-level item with a shadow and a
// flat border around the pop-up window, with its shadow strips along the
// bottom and the right in the window's border (three pixels wide, as the
// desktop's menu windows have it). Installed as the menus' style.
#pragma once

#include <QProxyStyle>

namespace vx {

class TFlatSkin;

class TFlatMenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit TFlatMenuStyle(TFlatSkin& skin);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

  private:
    void DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget,
                      bool topLevel) const;
    void DrawTopMenuItem(QPainter& painter, const QRect& rect) const;
    void DrawCheckedItem(QPainter& painter, const QRect& cr, bool selected, bool hasIcon,
                         bool enabled, bool radio) const;
    // Column by column from the icon edge, lightening as it goes.
    void DrawGradient(QPainter& painter, const QRect& area, bool rightToLeft) const;
    // The pop-up window's border over its whole rectangle: the outline, the
    // bands that carry on the menu and its icon column, and the shadow.
    void DrawWindowBorder(QPainter& painter, const QRect& window, bool rightToLeft) const;

    TFlatSkin& skin_;
};

}  // namespace vx
