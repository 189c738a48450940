#include "editor/Settings.h"

#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(SettingsFile, LiesBesideTheProgramNamedAfterTheProduct) {
    test::ScopedEnv prog("VXTORVIN_PROGDIR", "/opt/kz6");
    EXPECT_EQ(SettingsFilePath(), "/opt/kz6/KZ6-Quillary.ini");
}

TEST(SettingsFile, FirstRunUsesTheDefaultsWithoutAutoSave) {
    TempFolder dir;
    const Settings s = LoadSettings(dir / "KZ6-Quillary.ini");
    EXPECT_FALSE(s.fileWasPresent);
    EXPECT_TRUE(s.rangeSelect);
    EXPECT_TRUE(s.proColumn);
    EXPECT_EQ(s.figureColor, 0);
    EXPECT_EQ(s.stakeoutColor, 0x00FF00);
    EXPECT_EQ(s.instructionColor, 0xFF0000);
    EXPECT_EQ(s.noteColor, 0xFF80FF);
    EXPECT_EQ(s.dollopNoteColor, 0x0080FF);
    EXPECT_EQ(s.dvalueColor, 0xFF0000);
    EXPECT_EQ(s.autoSavBakFun, 1);
    EXPECT_EQ(s.autoSavBakInterval, 5);
    EXPECT_EQ(s.autoTempBakFun, 0);
    EXPECT_TRUE(s.chinese);
    EXPECT_EQ(s.comPort, 0);
    EXPECT_EQ(s.baudRate, 3);
    EXPECT_EQ(s.ltcpip, "192.168.1.100");
    EXPECT_EQ(s.ltcpport, "502");
    EXPECT_EQ(s.lastFileOpenItem, "最近文件");
    EXPECT_FALSE(s.AutoSaveEnabled()) << "auto-save stays off for a run without the file";
}

TEST(SettingsFile, KeysMissingFromAnExistingFileReadAsTheProfileFallbacks) {
    TempFolder dir;
    WriteTestFile(dir / "s.ini", "[configure]\r\n");
    const Settings s = LoadSettings(dir / "s.ini");
    EXPECT_TRUE(s.fileWasPresent);
    EXPECT_TRUE(s.rangeSelect);
    EXPECT_TRUE(s.proColumn);
    // Colours read as black and auto-save as off.
    for (ColorValue c : {s.figureColor, s.stakeoutColor, s.instructionColor, s.noteColor,
                         s.dollopNoteColor, s.dvalueColor}) {
        EXPECT_EQ(c, 0);
    }
    EXPECT_EQ(s.autoSavBakFun, 0);
    EXPECT_EQ(s.autoSavBakInterval, 0);
    EXPECT_TRUE(s.chinese);
    EXPECT_EQ(s.comPort, 0);
    EXPECT_EQ(s.baudRate, 3);
    EXPECT_EQ(s.ltcpip, "");
    EXPECT_EQ(s.ltcpport, "");
    EXPECT_EQ(s.lastFileOpenItem, "");
    EXPECT_FALSE(s.AutoSaveEnabled());
}

TEST(SettingsFile, ReadsWhatTheOriginalWrote) {
    TempFolder dir;
    WriteTestFile(dir / "s.ini",
                  "[configure]\r\nRangeSelect=0\r\nProColumn=0\r\nFigureColor=255\r\n"
                  "AutoSavBakFun=1\r\nAutoSavBakInterval=10\r\nLanguage=0\r\nComPort=8\r\n"
                  "baud_rate=5\r\nLTCPIP=10.0.0.7\r\nLTCPport=1502\r\n"
                  "LastFileOpenItem=&1 D:\\\xB9\xA4\xB3\xCC\\a.PSP\r\n");
    const Settings s = LoadSettings(dir / "s.ini");
    EXPECT_FALSE(s.rangeSelect);
    EXPECT_FALSE(s.proColumn);
    EXPECT_EQ(s.figureColor, 255);
    EXPECT_FALSE(s.chinese);
    EXPECT_EQ(s.comPort, 8);
    EXPECT_EQ(s.baudRate, 5) << "Baud_rate matches without regard to case";
    EXPECT_EQ(s.ltcpip, "10.0.0.7");
    EXPECT_EQ(s.ltcpport, "1502");
    EXPECT_EQ(s.lastFileOpenItem, "&1 D:\\工程\\a.PSP");
    EXPECT_TRUE(s.AutoSaveEnabled());
    EXPECT_EQ(s.AutoSaveIntervalMs(), 600000);
}

TEST(SettingsFile, PortAndBaudAreKeptInAByte) {
    TempFolder dir;
    WriteTestFile(dir / "s.ini", "[configure]\r\nComPort=300\r\nBaud_Rate=-1\r\n");
    const Settings s = LoadSettings(dir / "s.ini");
    EXPECT_EQ(s.comPort, 300 & 0xFF);
    EXPECT_EQ(s.baudRate, 0xFF);
}

TEST(SettingsFile, WritingHoldsAllSeventeenKeysAndBaudAsOneKey) {
    TempFolder dir;
    const std::string path = dir / "KZ6-Quillary.ini";
    WriteTestFile(path, "[configure]\r\nBaud_rate=1\r\n[other]\r\nkept=yes\r\n");
    Settings s = LoadSettings(path);
    s.baudRate = 4;
    s.ltcpip = "192.168.0.9";
    ASSERT_TRUE(SaveSettings(path, s, "/home/u/泵站.PSP"));

    IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.Keys("configure").size(), 17u);
    EXPECT_EQ(ini.ReadInteger("configure", "BAUD_RATE", 0), 4);
    EXPECT_EQ(ini.ReadString("other", "kept", ""), "yes");
    EXPECT_EQ(ini.ReadString("configure", "LastFileOpenItem", ""), "&1 /home/u/泵站.PSP");

    const Settings again = LoadSettings(path);
    EXPECT_EQ(again.baudRate, 4);
    EXPECT_EQ(again.ltcpip, "192.168.0.9");
    EXPECT_EQ(again.autoSavBakFun, 0) << "missing in the old file, read as 0, written back as 0";
}

TEST(SettingsFile, FirstRunThenCloseWritesEveryKeyAndTheDefaults) {
    TempFolder dir;
    const std::string path = dir / "KZ6-Quillary.ini";
    ASSERT_TRUE(SaveSettings(path, LoadSettings(path), "Torvin0"));
    IniFile ini = IniFile::Load(path);
    const std::vector<std::string> expected = {
        "RangeSelect",    "ProColumn",       "FigureColor", "StakeoutColor", "InstructionColor",
        "NoteColor",      "DollopNoteColor", "DvalueColor", "AutoSavBakFun", "AutoSavBakInterval",
        "AutoTempBakFun", "Language",        "ComPort",     "Baud_Rate",     "LTCPIP",
        "LTCPport",       "LastFileOpenItem"};
    EXPECT_EQ(ini.Keys("configure"), expected);
    EXPECT_EQ(ini.ReadString("configure", "StakeoutColor", ""), "65280");
    EXPECT_EQ(ini.ReadString("configure", "RangeSelect", ""), "1");
    EXPECT_EQ(ini.ReadString("configure", "LastFileOpenItem", ""), "最近文件");
    EXPECT_NE(ReadTestFile(path).find("LastFileOpenItem=\xD7\xEE\xBD\xFC\xCE\xC4\xBC\xFE"),
              std::string::npos)
        << "stored in GBK";
    EXPECT_TRUE(LoadSettings(path).AutoSaveEnabled()) << "the next run auto-saves";
}

TEST(SettingsFile, UntitledProjectKeepsTheRememberedRecentFile) {
    TempFolder dir;
    const std::string path = dir / "s.ini";
    WriteTestFile(path, "[configure]\r\nLastFileOpenItem=&1 /p/old.PSP\r\n");
    ASSERT_TRUE(SaveSettings(path, LoadSettings(path), "Torvin0"));
    EXPECT_EQ(LoadSettings(path).lastFileOpenItem, "&1 /p/old.PSP");
}

// A project path with a line break cannot be kept as the recent file: the
// close says so, keeps the remembered one and writes every other key.
TEST(SettingsFile, RecentFileWithALineBreakIsRefusedAndTheRestWritten) {
    TempFolder dir;
    const std::string path = dir / "s.ini";
    WriteTestFile(path, "[configure]\r\nLastFileOpenItem=&1 /p/old.PSP\r\n");
    Settings s = LoadSettings(path);
    s.comPort = 4;
    const IoResult written = SaveSettings(path, s, "/p/two\nlines.PSP");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.error.find("LastFileOpenItem"), std::string::npos) << written.error;
    const IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.Keys("configure").size(), 17u) << "no stray lines";
    EXPECT_EQ(ini.ReadString("configure", "LastFileOpenItem", ""), "&1 /p/old.PSP");
    EXPECT_EQ(LoadSettings(path).comPort, 4);
}

TEST(SettingsFile, FailedWriteKeepsTheOldFile) {
    TempFolder dir;
    WriteTestFile(dir / "blocked", "");
    EXPECT_FALSE(SaveSettings(dir / "blocked/s.ini", Settings{}, "Torvin0").ok);
}

}  // namespace
}  // namespace vx
