// The menu animation of the desktop is off while the program runs.
//
// On this desktop the menus' animation is the application's own: Qt's
// menu-animation and menu-fade effects. The first styled menu switches both
// off, and what was set is put back when the application object goes.
#pragma once

namespace vx {

// Reads the menu effects and switches them off; a second call before the
// restore keeps the first reading. Needs the application object.
void SwitchMenuAnimationOff();

// Puts back the effects read by SwitchMenuAnimationOff; nothing when they
// were not switched off.
void RestoreMenuAnimation();

}  // namespace vx
