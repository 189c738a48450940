// The office tool-bar styler: the styler the main window holds, its look
// filled from one of eleven colour sets, and the desktop's theme as a way to
// choose one. It hears of theme changes through a hidden window of its own,
// so it stands with the windows.
#pragma once

#include <QPointer>
#include <cstdint>
#include <functional>

#include "styling/toolbar/FxStyleIF.h"
#include "styling/toolbar/FxToolBarStylers.h"

namespace vx {

enum class TToolBarStyle : std::uint8_t {
    bsOffice2003Blue,
    bsOffice2003Silver,
    bsOffice2003Olive,
    bsOffice2003Classic,
    bsOffice2007Luna,
    bsOffice2007Obsidian,
    bsWindowsXP,
    bsWhidbeyStyle,
    bsCustom,
    bsOfficeXP,
    bsOffice2007Silver,
};
inline constexpr int kToolBarStyleCount = 11;

// The desktop's visual-style colour scheme as the office styler reads it:
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic", 0 for any other scheme or
// when visual styles are off.
using TXPThemeQuery = std::function<int()>;

// The styler the main window holds: the base's look filled from one of
// eleven colour sets by Style. A set writes only what it names, so what it
// leaves keeps the previous style's value; a new styler holds the blue set
// laid over the Windows XP one.
class TFxToolBarOfficeStyler : public TCustomFxToolBarStyler, public IComponentStyle {
    Q_OBJECT
  public:
    // With a notifier window of its own.
    explicit TFxToolBarOfficeStyler(QObject* owner = nullptr);
    ~TFxToolBarOfficeStyler() override;

    TToolBarStyle Style() const { return style_; }
    // Writing the style in force does nothing; any other writes its set
    // through the setters (each sending its code) and then sends code 2.
    void SetStyle(TToolBarStyle style);

    // With AutoThemeAdapt, picks the office style of the desktop's colour
    // scheme (Classic for an unknown scheme or none); without, nothing.
    // Runs at Loaded and whenever the desktop's theme changes.
    void ThemeAdapt();
    // The desktop reports a theme change.
    void ThemeChanged() { ThemeAdapt(); }
    // Replaces the desktop's answer (tests, other desktops).
    void SetThemeQuery(TXPThemeQuery query) { themeQuery_ = std::move(query); }
    // The hidden window that hears of theme changes (NotifierWindow.h), or
    // null when none could be made.
    QObject* NotifierWindow() const { return notifier_; }

    // Takes the style whose number is the code; other codes are ignored.
    void SetComponentStyle(std::uint8_t code) override;

    // The desktop's answer (DesktopTheme): visual styles are off here, so 0.
    static int CurrentXPTheme();

  protected:
    void Loaded() override;

  private:
    TToolBarStyle style_ = TToolBarStyle::bsCustom;
    TXPThemeQuery themeQuery_;
    QPointer<QObject> notifier_;
};

}  // namespace vx
