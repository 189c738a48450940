// The look of the menus and tool bars: the main window offers three looks,
// "风格一", "风格二" and "风格三", written as Style 0, 1 and 2 to both stylers.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace vx {

enum class TOfficeStyle {
    osOffice2003Blue = 0,
    osOffice2003Silver = 1,
    osOffice2003Olive = 2,
    osOfficeXP = 3,
    osOffice2007Luna = 4,
    osOffice2007Obsidian = 5,
    osCustom = 6,
    osOffice2007Silver = 7,
};

// The menu styler's base: stores the style and recolours every widget
// registered with it when the style changes.
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

class TFxMenuOfficeStyler : public TOfficeStylerBase {
    Q_OBJECT
  public:
    using TOfficeStylerBase::TOfficeStylerBase;
};

}  // namespace vx
