// The scratch folder of the compile, WinDir + "/system32/systemtemp", and the
// file removals the compile does there. File names and extensions match
// without regard to case ("P.Txt" is a ".txt" file), as the tool's files
// were always found.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vx {

std::string ScratchFolder(const std::string& winDir);

// Removes the folder's files whose extension is one of `extensions` (".txt").
void DeleteFilesWithExtensions(const std::string& folder,
                               std::initializer_list<std::string_view> extensions);

// Removes the folder's files with one of the names.
void DeleteNamedFiles(const std::string& folder, std::initializer_list<std::string_view> names);

// The folder's file of that name, matched without case; empty when none.
std::string FindFileNoCase(const std::string& folder, std::string_view name);

// Deletes the file, trying again every 10 ms while it still exists, at most
// 1000 times. True when it is gone.
bool DeleteWithRetries(const std::string& path);

}  // namespace vx
