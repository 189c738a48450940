// The ladder converter: turns a saved project file into the three texts the
// C compile stage embeds, in the scratch folder it is given:
//   "LD.txt"    the instruction list shown in the main window's mnemonic pane
//               (LD, AND, OR, ANB, ORB, MPS/MRD/MPP, OUT and the instruction
//               texts, with a heading per block and per rung);
//   "Macro.txt" the body of LadderACT: one scan of the main program;
//   "Sub.txt"   the subroutines and CALL_Sub, which runs subroutine n
//               (30 is the external-interrupt and 31 the 1 ms routine, which
//               the run-time calls itself).
// All three are GBK text with CR LF line ends, C in the notation of "plc.h".
//
// Each cell's C code is derived afresh from its first text with the entry
// rules and the instruction compiler, so a second text cut short by the
// project file does no harm; a text those rules refuse, or one that makes
// another kind of element than the cell's kind ("END" in a compare contact),
// is refused with its block and line like any other fault. Program flow follows the usual PLC
// rules: a step contact STL opens a step whose rungs act only while the step is on, until the next
// STL or RET (a SET of another step inside it moves the step on); MC opens a master-control level
// whose rungs act only while MC's condition held, until the MCR of that level or a lower one; CJ
// jumps to its label P in the same block; END and FEND end the scan.
#pragma once

#include <string>
#include <string_view>

#include "model/LadderProgram.h"

namespace vx {

// The three texts of one program (UTF-8; the files hold them in GBK).
struct ConvertedProgram {
    std::string list;
    std::string macro;
    std::string sub;
};

// Converts the program. False when the program cannot be converted; then
// `message` names the block and line and says why.
bool ConvertLadder(const LadderProgram& program, ConvertedProgram& out, std::string& message);

// `argument` is the project file's path, "|" and the scratch folder (with or
// without a trailing separator); either may hold "|" itself. True when the three files were
// written; false when the argument has no "|", the project cannot be read as a project file, the
// program cannot be converted or a file cannot be written. The reason of the last refusal is kept
// for the message pane.
bool LadderConvert(std::string_view argument);

// Why the last call of LadderConvert returned false; empty after a success.
const std::string& LadderConvertMessage();

}  // namespace vx
