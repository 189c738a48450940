// Stand-ins for the GNU ARM tools, so the stages' handling of logs, attempts
// and stops is tested without compiling anything. The stand-in compiler
// behaves as $VX_FAKE_GCC says (see FakeTools.cpp); every call is noted in
// "calls.log" beside the tool-chain folder's scratch folder.
#pragma once

#include <string>

namespace vx::test {

// Writes "arm-eabi-gcc" and "arm-eabi-objcopy" stand-ins into the folder.
void InstallFakeTools(const std::string& toolFolder);

// Writes an executable shell script.
void WriteScript(const std::string& path, const std::string& body);

}  // namespace vx::test
