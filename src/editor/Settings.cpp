#include "editor/Settings.h"

#include <utility>

#include "model/LadderProgram.h"
#include "platform/IniFile.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

constexpr const char* kSection = "configure";
constexpr const char* kUntitledProject = "Torvin0";

}  // namespace

std::string SettingsFilePath() {
    return JoinPath(ProgramFolder(), std::string(kProductTitle) + ".ini");
}

Settings LoadSettings(const std::string& path) {
    Settings s;
    IniFile ini = IniFile::Load(path);
    if (!ini.Existed()) return s;
    s.fileWasPresent = true;
    s.rangeSelect = ini.ReadBool(kSection, "RangeSelect", true);
    s.proColumn = ini.ReadBool(kSection, "ProColumn", true);
    s.figureColor = ini.ReadInteger(kSection, "FigureColor", 0);
    s.stakeoutColor = ini.ReadInteger(kSection, "StakeoutColor", 0);
    s.instructionColor = ini.ReadInteger(kSection, "InstructionColor", 0);
    s.noteColor = ini.ReadInteger(kSection, "NoteColor", 0);
    s.dollopNoteColor = ini.ReadInteger(kSection, "DollopNoteColor", 0);
    s.dvalueColor = ini.ReadInteger(kSection, "DvalueColor", 0);
    s.autoSavBakFun = ini.ReadInteger(kSection, "AutoSavBakFun", 0);
    s.autoSavBakInterval = ini.ReadInteger(kSection, "AutoSavBakInterval", 0);
    s.autoTempBakFun = ini.ReadInteger(kSection, "AutoTempBakFun", 0);
    s.chinese = ini.ReadBool(kSection, "Language", true);
    // Both are kept in a byte.
    s.comPort = static_cast<std::uint8_t>(ini.ReadInteger(kSection, "ComPort", 0));
    s.baudRate = static_cast<std::uint8_t>(ini.ReadInteger(kSection, "Baud_rate", 3));
    s.ltcpip = ini.ReadString(kSection, "LTCPIP", "");
    s.ltcpport = ini.ReadString(kSection, "LTCPport", "");
    s.lastFileOpenItem = ini.ReadString(kSection, "LastFileOpenItem", "");
    return s;
}

IoResult SaveSettings(const std::string& path, const Settings& s, const std::string& projectFile) {
    IniFile ini = IniFile::Load(path);
    // A refused value keeps what the file held; the others are still written.
    IoResult refused;
    auto keep = [&refused](IoResult written) {
        if (!written && refused) refused = std::move(written);
    };
    keep(ini.WriteBool(kSection, "RangeSelect", s.rangeSelect));
    keep(ini.WriteBool(kSection, "ProColumn", s.proColumn));
    keep(ini.WriteInteger(kSection, "FigureColor", s.figureColor));
    keep(ini.WriteInteger(kSection, "StakeoutColor", s.stakeoutColor));
    keep(ini.WriteInteger(kSection, "InstructionColor", s.instructionColor));
    keep(ini.WriteInteger(kSection, "NoteColor", s.noteColor));
    keep(ini.WriteInteger(kSection, "DollopNoteColor", s.dollopNoteColor));
    keep(ini.WriteInteger(kSection, "DvalueColor", s.dvalueColor));
    keep(ini.WriteInteger(kSection, "AutoSavBakFun", s.autoSavBakFun));
    keep(ini.WriteInteger(kSection, "AutoSavBakInterval", s.autoSavBakInterval));
    keep(ini.WriteInteger(kSection, "AutoTempBakFun", s.autoTempBakFun));
    keep(ini.WriteBool(kSection, "Language", s.chinese));
    keep(ini.WriteInteger(kSection, "ComPort", s.comPort));
    keep(ini.WriteInteger(kSection, "Baud_Rate", s.baudRate));
    keep(ini.WriteString(kSection, "LTCPIP", s.ltcpip));
    keep(ini.WriteString(kSection, "LTCPport", s.ltcpport));
    keep(ini.WriteString(
        kSection, "LastFileOpenItem",
        projectFile == kUntitledProject ? s.lastFileOpenItem : "&1 " + projectFile));
    IoResult saved = ini.Save();
    return saved ? refused : saved;
}

}  // namespace vx
