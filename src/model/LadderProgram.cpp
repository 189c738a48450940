#include "model/LadderProgram.h"

namespace vx {

void LadderProgram::Clear() {
    cells.Clear();
    for (std::string& name : subroutineNames)
        name.clear();
    sysParamString.clear();
    holdParamString.clear();
    passwordText.clear();
    passwordFlag = 0;
    usePlugin = 0;
    pluginName.clear();
}

LadderProgram& TheProgram() {
    // Made on first use, so tests that never touch it do not pay for its cells.
    static LadderProgram program;
    return program;
}

}  // namespace vx
