// The program being edited, as one store for the whole run.
//
// Beside the cells the program holds the 32 subroutine names, the two
// parameter strings (hexadecimal digits carrying the controller's system
// parameters, interrupt modes and retentive areas), the project password and
// the plug-in choice. All of it is saved in the project file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/LadderCells.h"

namespace vx {

struct LadderProgram {
    LadderCells cells;
    std::array<std::string, kSubroutineCount> subroutineNames;
    std::string sysParamString;
    std::string holdParamString;
    std::string passwordText;
    std::int32_t passwordFlag = 0;  // 1: the project asks for its password when opened
    std::uint8_t usePlugin = 0;
    std::string pluginName;

    // Everything back to an empty program (the parameter strings too).
    void Clear();
};

// The process-wide program that the windows edit.
LadderProgram& TheProgram();

// Caption of every message box and the name of the settings file.
inline constexpr const char* kProductTitle = "KZ6-Quillary";

}  // namespace vx
