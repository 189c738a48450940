// What the widgets read of the desktop's theme.
//
// The widget family was written for a desktop whose visual styles could be
// on or off, in one of three colour schemes. This desktop offers no such
// theme services: visual styles are reported off, so every widget takes its
// classic or own-gradient look; tests switch them on to reach the themed
// look. The colour scheme's name is looked up where that desktop kept it,
// the value "ColorName" of HKEY_CURRENT_USER
// "Software\Microsoft\Windows\CurrentVersion\ThemeManager", in the tool's
// registry store; nothing writes it there, so it is normally missing, which
// stands for the default scheme.
#pragma once

#include <optional>
#include <string>

namespace vx {

bool VisualStylesActive();
void SetVisualStylesActive(bool active);

// The theme manager's colour scheme name, or nothing when it is missing.
// Looks afresh at every call; writes nothing.
std::optional<std::string> ThemeColorName();

// The office stylers' number of the desktop's theme: 0 visual styles off or
// a scheme they do not know, 1 the blue "NormalColor", 2 the olive
// "HomeStead", 3 the silver "Metallic".
int OfficeThemeNumber();

}  // namespace vx
