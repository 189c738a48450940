// What the compile takes from the project's parameter strings.
//
// Every field the compile needs is read here, by position, from
// SysParamString (series, version, CAN function, flag byte, ...) and
// HoldParamString (interrupt modes, retentive areas), so the rest of the
// compile never counts digits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct CompileValues {
    int series = 0;         // 1:2, capped at 10
    int version = 0;        // 3:2
    int canFunction = 0;    // 21:1: 0 off, 1 CANown, 2 CANopen
    bool cBlock = false;    // flag byte bit 0: the C block is compiled with the program
    bool cLibrary = false;  // flag byte bit 3: the compiled C library is linked
    bool plugin = false;    // the project uses its plug-in
};

CompileValues ReadCompileValues(std::string_view sysParamString, bool usePlugin);

// "2" for the controllers with the larger memory map (series 3 and 10 from
// version 2, series 6 from version 1), else empty.
std::string LinkerSuffix(const CompileValues& values);

// The run-time variant object of the CAN function, without suffix and
// extension: "../STFUN", "../STFUNC" or "../STFUNCO".
std::string RuntimeVariant(const CompileValues& values);

// The per-model object of a series and version: "../MOD" + two digits of
// series + one of version + ".d"; versions beyond the table's three take the
// last one.
std::string ModelObject(int series, int version);

// The 32 numbers of SysIni_TAB in table order, as they stand in PLC.c.
std::vector<std::string> SysIniTable(std::string_view sysParamString,
                                     std::string_view holdParamString);

}  // namespace vx
