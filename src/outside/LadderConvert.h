// The ladder converter: turns a saved project file into the three texts the
// C compile stage embeds, in the scratch folder it is given:
//   "LD.txt"    the instruction list shown in the main window's mnemonic pane;
//   "Macro.txt" the body of LadderACT (the main program, one scan);
//   "Sub.txt"   the subroutines and CALL_Sub, which runs subroutine n.
// All three are GBK text with CR LF line ends, C in the notation of "plc.h".
//
// This version checks the project and writes the smallest valid texts: an
// empty scan and a CALL_Sub that calls nothing.
#pragma once

#include <string_view>

namespace vx {

// `argument` is the project file's path, "|" and the scratch folder (with or
// without a trailing separator). True when the three files were written;
// false when the argument has no "|", the project cannot be read as a project
// file, or a file cannot be written.
bool LadderConvert(std::string_view argument);

}  // namespace vx
