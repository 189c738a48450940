// What the compile takes from the project's parameter strings.
//
// Every field the compile needs is read here, by position, from
// SysParamString (series, version, CAN function, flag byte, ...) and
// HoldParamString (interrupt modes, retentive areas), so the rest of the
// compile never counts digits.
#pragma once

#include <array>
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

// The model link-library table: the per-model object given to the linker,
// relative to the scratch folder, for each of the 11 series and 3 versions,
// indexed by series x 3 + version ("../MOD" + two digits of series + one of
// version + ".d"). The about box shows this table; the compile and the kit
// list read it.
inline constexpr int kModelSeriesCount = 11;
inline constexpr int kModelVersionsPerSeries = 3;
const std::array<std::string, kModelSeriesCount * kModelVersionsPerSeries>& ModelLibraryTable();

// The table's entry of a series and version; a series or version outside the
// table takes the nearest row (versions beyond the three the last one).
std::string ModelObject(int series, int version);

// The 32 numbers of SysIni_TAB in table order, as they stand in PLC.c.
std::vector<std::string> SysIniTable(std::string_view sysParamString,
                                     std::string_view holdParamString);

}  // namespace vx
