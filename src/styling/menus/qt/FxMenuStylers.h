// The office menu styler: the menu styler the main window holds, with eight
// whole colour sets chosen by Style, and the desktop's theme as a way to
// choose one.
#pragma once

#include <QPointer>
#include <cstdint>
#include <functional>

#include "styling/menus/FxMenuAppearance.h"
#include "styling/toolbar/FxStyleIF.h"

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

// The desktop's visual theme as the office stylers read it: 0 no theme (or
// one they do not know), 1 the blue "NormalColor", 2 the olive "HomeStead",
// 3 the silver "Metallic".
int DetectDesktopTheme();
// Replaces the answer of DetectDesktopTheme (an empty function restores the
// desktop's own answer).
void SetDesktopThemeAnswer(std::function<int()> answer);

class TFxMenuOfficeStyler : public TCustomFxMenuStyler, public IComponentStyle {
    Q_OBJECT

  public:
    // Starts with the blue set, with a notifier window of its own.
    explicit TFxMenuOfficeStyler(QObject* owner = nullptr);
    ~TFxMenuOfficeStyler() override;
    const char* ClassName() const override { return "TFxMenuOfficeStyler"; }

    TOfficeStyle Style() const { return style_; }
    // Writes the style's colour set (osCustom keeps every colour), then the
    // main menus served redraw their menu bars.
    void SetStyle(TOfficeStyle value);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool value) { autoThemeAdapt_ = value; }

    // With AutoThemeAdapt, the set of the desktop's theme: blue, olive or
    // silver for the three known themes, the XP set for any other or none.
    void ThemeAdapt();
    // The desktop's theme changed.
    void ThemeChanged() { ThemeAdapt(); }
    // The hidden window that hears of theme changes (NotifierWindow.h), or
    // null when none could be made.
    QObject* NotifierWindow() const { return notifier_; }

    // Only the low 7 bits count: 0-5 the sets of those numbers, 6 and 7 the
    // XP set, 9 the 2007 silver set, anything else nothing.
    void SetComponentStyle(std::uint8_t style) override;

  protected:
    void Loaded() override;

  private:
    void ApplyColorSet(TOfficeStyle style);

    TOfficeStyle style_ = TOfficeStyle::osOffice2003Blue;
    bool autoThemeAdapt_ = false;
    QPointer<QObject> notifier_;
};

}  // namespace vx
