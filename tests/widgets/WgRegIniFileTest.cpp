#include "widgets/WgRegIniFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;

TEST(WgRegIniFileTest, DefaultsAsStored) {
    TWgRegIniFile store;
    EXPECT_EQ(store.Path(), "");
    EXPECT_EQ(store.PathType(), TWgPathType::ptIniFile);
    EXPECT_EQ(store.RegKey(), TWgRegKey::hkeyCurrentUser);
    EXPECT_EQ(store.RegAccess(), RegAccessBit(TWgRegAccessKind::keyAllAccess));
    EXPECT_EQ(store.SpecialFolder(), TWgSpecialFolder::sfNone);
}

TEST(WgRegIniFileTest, IniFileInTheWindowsDirectoryInGbk) {
    TWgRegIniFile store;
    store.SetPath("Frames.ini");
    EXPECT_EQ(store.FilePath(), JoinPath(WindowsDirectory(), "Frames.ini"));
    ASSERT_TRUE(store.WriteString("面板", "标题", "边框"));
    ASSERT_TRUE(store.WriteInteger("面板", "Width", -12));
    ASSERT_TRUE(store.WriteBool("面板", "Visible", true));
    const std::string disk = ReadTestFile(store.FilePath());
    EXPECT_NE(disk.find(Utf8ToGbk("[面板]")), std::string::npos);
    EXPECT_NE(disk.find(Utf8ToGbk("标题=边框")), std::string::npos);

    TWgRegIniFile again;  // another store reads what the first wrote
    again.SetPath("Frames.ini");
    EXPECT_EQ(again.ReadString("面板", "标题", ""), "边框");
    EXPECT_EQ(again.ReadInteger("面板", "width", 0), -12);
    EXPECT_TRUE(again.ReadBool("面板", "Visible", false));
    EXPECT_EQ(again.ReadString("面板", "Missing", "none"), "none");
    EXPECT_EQ(again.ReadInteger("面板", "标题", 7), 7);  // not a number
}

TEST(WgRegIniFileTest, RefusedOrFailedWriteLeavesFileAndStoreAsTheyWere) {
    TempFolder folder;
    TWgRegIniFile store;
    store.SetPath(folder / "keep.ini");
    ASSERT_TRUE(store.WriteString("S", "A", "1"));
    const std::string before = ReadTestFile(folder / "keep.ini");
    EXPECT_FALSE(store.WriteString("S", "B", "two\nlines"));
    EXPECT_EQ(ReadTestFile(folder / "keep.ini"), before);
    EXPECT_EQ(store.ReadString("S", "B", "none"), "none");

    // A file that cannot be replaced: the write fails and is not kept in
    // memory either.
    std::filesystem::create_directories(folder / "blocked.ini");
    store.SetPath(folder / "blocked.ini");
    EXPECT_FALSE(store.WriteString("S", "A", "2"));
    EXPECT_EQ(store.ReadString("S", "A", "none"), "none");
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_TRUE(entry.path().filename() == "keep.ini" ||
                    entry.path().filename() == "blocked.ini")
            << entry.path();
}

TEST(WgRegIniFileTest, SpecialFolderAndPropertyChangesReopenTheStore) {
    TempFolder home;
    ScopedEnv config("XDG_CONFIG_HOME", (home / "config").c_str());
    ScopedEnv data("XDG_DATA_HOME", (home / "data").c_str());
    TWgRegIniFile store;
    store.SetPath("Maker/App.ini");
    store.SetSpecialFolder(TWgSpecialFolder::sfUserAppDataRoaming);
    EXPECT_EQ(store.FilePath(), home / "config/Maker/App.ini");
    ASSERT_TRUE(store.WriteInteger("Bar", "Height", 16));  // the folders are made
    EXPECT_TRUE(std::filesystem::exists(home / "config/Maker/App.ini"));
    EXPECT_EQ(store.ReadInteger("Bar", "Height", 0), 16);

    store.SetSpecialFolder(TWgSpecialFolder::sfUserAppDataLocal);
    EXPECT_EQ(store.FilePath(), home / "data/Maker/App.ini");
    EXPECT_EQ(store.ReadInteger("Bar", "Height", 0), 0);  // another file now
    store.SetSpecialFolder(TWgSpecialFolder::sfProgramData);
    EXPECT_EQ(store.FilePath(), JoinPath(WindowsDirectory(), "Maker/App.ini"));
}

TEST(WgRegIniFileTest, RegistrySectionsAreKeysBelowThePath) {
    TWgRegIniFile store;
    store.SetPathType(TWgPathType::ptRegistry);
    store.SetPath("Software\\Maker\\App");
    ASSERT_TRUE(store.WriteInteger("Frames", "Style", 4));
    ASSERT_TRUE(store.WriteString("Frames", "Name", "凹陷"));
    ASSERT_TRUE(store.WriteString("", "Count", "12"));

    Registry registry(RootKey::CurrentUser);
    ASSERT_EQ(registry.OpenKey("Software\\Maker\\App\\Frames", false), RegOutcome::Ok);
    EXPECT_EQ(registry.ReadInteger("Style"), 4);
    EXPECT_EQ(store.ReadString("Frames", "Name", ""), "凹陷");
    EXPECT_EQ(store.ReadInteger("", "Count", 0), 12);  // a number kept as text
    EXPECT_EQ(store.ReadInteger("Other", "Style", -1), -1);
    EXPECT_FALSE(registry.KeyExists("Software\\Maker\\App\\Other"));  // reading creates nothing

    store.SetRegKey(TWgRegKey::hkeyLocalMachine);
    EXPECT_EQ(store.ReadInteger("Frames", "Style", -1), -1);  // another hive
    store.SetRegKey(TWgRegKey::hkeyDynData);
    EXPECT_FALSE(store.WriteInteger("Frames", "Style", 5));
    EXPECT_EQ(store.ReadInteger("Frames", "Style", -1), -1);
}

TEST(WgRegIniFileTest, RegistryAccessRightsAreHonoured) {
    TWgRegIniFile store;
    store.SetPathType(TWgPathType::ptRegistry);
    store.SetPath("Software\\Maker");
    ASSERT_TRUE(store.WriteInteger("S", "V", 1));

    store.SetRegAccess(RegAccessBit(TWgRegAccessKind::keyRead));
    EXPECT_EQ(store.ReadInteger("S", "V", 0), 1);
    EXPECT_FALSE(store.WriteInteger("S", "V", 2));
    EXPECT_EQ(store.ReadInteger("S", "V", 0), 1);

    store.SetRegAccess(RegAccessBit(TWgRegAccessKind::keySetValue));
    EXPECT_EQ(store.ReadInteger("S", "V", 0), 0);  // no read access
    EXPECT_TRUE(store.WriteInteger("S", "V", 3));
    EXPECT_FALSE(store.WriteInteger("New", "V", 3));  // creating a key needs more
    store.SetRegAccess(RegAccessBit(TWgRegAccessKind::keyQueryValue) |
                       RegAccessBit(TWgRegAccessKind::keyWrite));
    EXPECT_EQ(store.ReadInteger("S", "V", 0), 3);
    EXPECT_TRUE(store.WriteInteger("New", "V", 3));
}

}  // namespace
}  // namespace vx
