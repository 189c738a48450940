// Shows the system's messages as Qt message boxes.
#pragma once

#include "platform/MessageBox.h"

namespace vx {

// The presenter the programs install at start: a modal QMessageBox over the
// active window, with the message's caption, icon and buttons.
MsgAnswer PresentWithQMessageBox(const Message& message);

}  // namespace vx
