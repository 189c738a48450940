// The check the compile command runs first: every conditional jump has its label.
//
// A jump is a function box in the output column whose first text begins with
// "CJ " (shown as CJ  P5); its label is a function box "P " (shown as P   5)
// with the same number in the same block: the main program or one subroutine.
// The label may stand before or after the jump; several jumps may share one.
#pragma once

#include "model/LadderCells.h"

namespace vx {

// True when every jump of every block has its label. Otherwise the first
// fault, in block and row order, is told to the user (caption "Error",
// exclamation icon) and the result is false: a jump without a label, or a
// jump or label box whose number cannot be read.
bool CheckJumpLabels(const LadderCells& cells);

// The same for the program being edited.
bool CheckJumpLabels();

}  // namespace vx
