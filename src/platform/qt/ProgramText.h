// A widget whose text the program writes (a value, a state, a path, a list
// it fills), though the form gives it a first text. The language files leave
// it alone, so that a change of language never replaces what it shows.
#pragma once

#include <QObject>

namespace vx {

inline constexpr const char* kProgramTextProperty = "vxProgramText";

inline void MarkProgramText(QObject* widget) {
    widget->setProperty(kProgramTextProperty, true);
}

}  // namespace vx
