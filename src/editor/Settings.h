// The tool's settings file.
//
// One INI file beside the program, named after the product ("KZ6-Quillary.ini"),
// all keys in section "configure". The main window reads it once when it is
// first shown and writes it whole when it closes; the dialogs change the values
// in memory in between.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FileIo.h"

namespace vx {

// Colours are Windows colour values, $00BBGGRR.
using ColorValue = std::int32_t;

struct Settings {
    bool rangeSelect = true;                 // "范围选择": range selection in the grid
    bool proColumn = true;                   // "工程栏": project tree panel shown
    ColorValue figureColor = 0;              // ladder lines
    ColorValue stakeoutColor = 0x00FF00;     // energised elements while monitoring
    ColorValue instructionColor = 0xFF0000;  // element texts
    ColorValue noteColor = 0xFF80FF;         // device comments
    ColorValue dollopNoteColor = 0x0080FF;   // block comments
    ColorValue dvalueColor = 0xFF0000;       // live values
    std::int32_t autoSavBakFun = 1;          // 1: auto-save on
    std::int32_t autoSavBakInterval = 5;     // minutes
    std::int32_t autoTempBakFun = 0;         // 1: keep a ".BAK" copy on save
    bool chinese = true;                     // language: Chinese, else English
    std::uint8_t comPort = 0;                // 0 = COM1; above 7 means Modbus TCP
    std::uint8_t baudRate = 3;               // baud-rate index of the link
    std::string ltcpip = "192.168.1.100";
    std::string ltcpport = "502";
    std::string lastFileOpenItem = "最近文件";  // caption of the recent-file item: "&1 " + path

    // Whether the file existed when it was read. Auto-save runs only then.
    bool fileWasPresent = false;

    // The auto-save timer of this run: on only when the file was present and
    // asks for it.
    bool AutoSaveEnabled() const { return fileWasPresent && autoSavBakFun == 1; }
    std::int64_t AutoSaveIntervalMs() const {
        return static_cast<std::int64_t>(autoSavBakInterval) * 60000;
    }
};

// Program folder + "KZ6-Quillary.ini".
std::string SettingsFilePath();

// Reads the file. A missing file gives the defaults above; a key missing from
// an existing file reads as the profile's fallback: true for the check marks,
// 0 for colours and numbers, 3 for the baud index, empty for texts.
Settings LoadSettings(const std::string& path);

// Writes every key; other sections and keys of the file are kept.
// "LastFileOpenItem" becomes "&1 " + the project's path, except while the
// project is untitled ("Torvin0"), when the remembered caption is kept.
// A value the file cannot keep (a text with a line break) is refused: the
// key keeps what the file held, the others are written, and the refusal is
// returned. A failed save is returned before a refusal.
IoResult SaveSettings(const std::string& path, const Settings& settings,
                      const std::string& projectFile);

}  // namespace vx
