#include "build/CompileState.h"

#include <sys/stat.h>

namespace vx {

CompileState& TheCompileState() {
    static CompileState state;
    return state;
}

std::string FileStampText(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return {};
    return std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace vx
