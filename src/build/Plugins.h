// The plug-ins of the "Plugins" folder beside the program: object files
// "*.dll" that a project can link into its image, each described by a text
// file of the same name with the extension ".Txt". Names and extensions match
// without regard to case.
#pragma once

#include <string>
#include <vector>

namespace vx {

// Program folder + "/Plugins".
std::string PluginFolder(const std::string& programFolder);

// Whether a plug-in name, as a project file stores it, names a file in the
// "Plugins" folder itself: not empty, no "/" or "\\", not "." or "..". A
// received project must not make the compile read an object from anywhere
// else.
bool IsPluginFileName(const std::string& name);

// The plug-in files' names, sorted.
std::vector<std::string> ListPlugins(const std::string& programFolder);

// What the description memo shows for a plug-in name: its ".Txt" file (GBK)
// when there is one (none for a name IsPluginFileName refuses), else "说明信息不存在！" for a name
// or "请选择一个插件！" for none.
std::string PluginDescription(const std::string& programFolder, const std::string& name);

}  // namespace vx
