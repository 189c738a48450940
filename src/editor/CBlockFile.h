// The project's C block: the one C function, function1, that the controller
// calls every cycle. Its source is the project's companion file with the
// extension ".PLCC", kept in GBK with CR LF line ends. While the tool runs the
// text lives in one buffer that starts as the template below; opening or
// copying a C block file loads it there.
#pragma once

#include <string>
#include <string_view>

#include "platform/FileIo.h"

namespace vx {

// The 13 lines a new C block starts with: a comment block naming the function
// and warning that its name must not change, then the empty function.
extern const char* const kCBlockTemplate;

// The process-wide C block buffer (UTF-8), the template until a file is loaded.
std::string& CBlockBuffer();

// The project's path with the extension ".PLCC".
std::string CBlockPath(std::string_view projectFile);

// Whether the parameters switch the C block on (bit 0 of the flag byte, the
// two digits from position 50 of SysParamString).
bool HasCBlock(std::string_view sysParamString);

enum class CBlockWrite { Written, AlreadyThere, Failed };

// Writes the buffer as the project's C block file when that file is missing.
CBlockWrite EnsureCBlockFile(const std::string& projectFile);

// Copies one project's C block file to another project, byte for byte; the
// buffer holds the copied text afterwards. A missing source or a failed write
// is a failure, with the reason, and leaves the buffer as it was.
IoResult CopyCBlockFile(const std::string& fromProject, const std::string& toProject);

}  // namespace vx
