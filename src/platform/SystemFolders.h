// The folders the tool works in.
//
// The "Windows directory" is where the tool keeps its machine-wide files:
// "system32/Clipboard.dat", the scratch folder "system32/systemtemp", the
// compiled image "Torvin.pin", the tool chain and the registry store. It is
// $VXTORVIN_WINDIR when set, else $XDG_DATA_HOME/vxTorvin, else
// ~/.local/share/vxTorvin. The program folder holds the programs and what ships
// beside them (settings file, language files, Examples, Plugins); it is
// $VXTORVIN_PROGDIR when set, else the folder of the running executable.
// A folder set relative to the current folder is taken as the absolute path
// it names when the tool asks for it.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// The Windows directory, without a trailing "/"; created with its "system32"
// folder when missing.
std::string WindowsDirectory();

// The program folder, without a trailing "/".
std::string ProgramFolder();

// Joins path pieces with "/". A piece may be written the Windows way
// ("\system32\systemtemp"): backslashes become "/" and doubled separators fold.
std::string JoinPath(std::string_view base, std::string_view rest);

// Creates the folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

}  // namespace vx
