// The look of the tool bars: the main window offers three looks, "风格一",
// "风格二" and "风格三", written as Style 0, 1 and 2 to this styler and to
// the menu styler (styling/menus).
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "styling/menus/FxMenuStylers.h"

namespace vx {

// The tool-bar styler's base: stores the style and recolours
// every widget registered with it when the style changes.
class TOfficeStylerBase : public QObject {
    Q_OBJECT
  public:
    explicit TOfficeStylerBase(QObject* parent = nullptr) : QObject(parent) {}

    TOfficeStyle Style() const { return style_; }
    void SetStyle(TOfficeStyle style);
    void SetStyle(int style) { SetStyle(static_cast<TOfficeStyle>(style)); }

    // Widgets that take this styler's colours.
    void Register(QWidget* widget);

    // The background colours of the current look, light to dark.
    QColor BarColor() const;
    QColor BarColorTo() const;

  signals:
    void StyleChanged(TOfficeStyle style);

  private:
    void Recolour(QWidget* widget) const;

    TOfficeStyle style_ = TOfficeStyle::osOffice2003Blue;
    std::vector<QPointer<QWidget>> widgets_;
};

class TFxToolBarOfficeStyler : public TOfficeStylerBase {
    Q_OBJECT
  public:
    using TOfficeStylerBase::TOfficeStylerBase;
};

}  // namespace vx
