// The C sources the compile writes into the scratch folder: "PLC.c" (the
// parameter table SysIni_TAB, the converted ladder program LadderACT, the
// converted subroutines and the scan entry PLCact), "plc.h" and, for a
// project with a C block, "PLCC.c". Texts are kept as bytes: the converter's
// files go into PLC.c unchanged. Lines end in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "build/CompileValues.h"

namespace vx {

// The text of "plc.h": the types, instruction macros, device arrays and
// run-time routines the controller run-time library is built with.
extern const char* const kPlcHeaderText;

// The lines of a text file (CR LF, LF or CR line ends; no empty last line
// for a final line end).
std::vector<std::string> SplitLines(std::string_view text);

// "PLC.c": the fixed head, SysIni_TAB, LadderACT around the Macro text, the
// Sub text, and PLCact calling LadderACT, then function1 when the C block or
// the C library is in use and Plu_Handle with a plug-in.
std::string PlcSourceText(const CompileValues& values, const std::vector<std::string>& sysIniTable,
                          std::string_view macroText, std::string_view subText);

// "PLCC.c": the include line of "plc.h" and the C block.
std::string CBlockSourceText(std::string_view cBlock);

}  // namespace vx
