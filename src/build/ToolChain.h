// The GNU ARM tool chain and the controller run-time kit beside it.
//
// The compile runs "arm-eabi-gcc" and "arm-eabi-objcopy" from the tool-chain
// folder, the Windows directory's "system32". There they are small wrappers
// that start Debian's arm-none-eabi- tools. The run-time kit the images are
// linked against (linker scripts, run-time variants, libraries, per-model
// objects) ships in the program folder's "Runtime" folder and is copied into
// the tool-chain folder, where the compile's relative paths ("../ST.ld" from
// the scratch folder) find it.
#pragma once

#include <string>
#include <vector>

#include "build/CompileValues.h"

namespace vx {

// WinDir + "/system32".
std::string ToolChainFolder(const std::string& winDir);

// The shipped kit: program folder + "/Runtime".
std::string RuntimeKitFolder(const std::string& programFolder);

// The kit's file names (linker scripts, variants, libraries, model objects,
// the table of empty images).
const std::vector<std::string>& RuntimeKitFiles();

// The kit's table of its own share of an image, measured when the kit was
// built: one line per model object and run-time variant, "MOD061.d STFUN2.d
// 5464", the bytes of the image of a program with nothing in it.
inline constexpr const char* kEmptyImageTable = "EmptyImage.txt";

// The kit's share of an image for the project's model and run-time variant,
// from the table in the tool-chain folder; 0 when the table does not say.
int EmptyImageSize(const std::string& winDir, const CompileValues& values);

// Debian's tool a wrapper starts, e.g. "arm-none-eabi-gcc" for "arm-eabi-gcc".
std::string DebianToolOf(const std::string& tool);

// Places the wrappers that are missing and copies every kit file that is
// missing or differs from the shipped one. Returns what could not be placed
// (empty when all is there).
std::string InstallToolChain(const std::string& winDir, const std::string& programFolder);

// Whether the compiler and every kit file lie in the tool-chain folder.
bool ToolChainPresent(const std::string& winDir);

// What the user is told when a tool of the chain cannot be run.
std::string ToolChainMissingText(bool chinese);

}  // namespace vx
