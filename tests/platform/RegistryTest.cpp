#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(RegistryKeys, MissingKeyIsReportedAndNotCreatedUnlessAsked) {
    TempFolder dir;
    Registry reg(RootKey::LocalMachine, dir / "registry.ini");
    EXPECT_FALSE(reg.KeyExists("Software\\vxTorvin"));
    EXPECT_EQ(reg.OpenKey("Software\\vxTorvin", false), RegOutcome::KeyMissing);
    EXPECT_FALSE(reg.HasOpenKey());
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.ini"));

    EXPECT_EQ(reg.CreateKey("Software\\vxTorvin"), RegOutcome::Ok);
    EXPECT_TRUE(reg.KeyExists("Software\\vxTorvin"));
    EXPECT_TRUE(reg.KeyExists("\\software\\VXTORVIN\\")) << "key paths match without case";
    EXPECT_TRUE(reg.KeyExists("Software")) << "a parent of an existing key exists";
    EXPECT_FALSE(reg.KeyExists("Soft"));
}

TEST(RegistryKeys, HivesAreSeparate) {
    TempFolder dir;
    Registry machine(RootKey::LocalMachine, dir / "registry.ini");
    Registry user(RootKey::CurrentUser, dir / "registry.ini");
    ASSERT_EQ(machine.CreateKey("Software\\vxTorvin"), RegOutcome::Ok);
    EXPECT_FALSE(user.KeyExists("Software\\vxTorvin"));
}

TEST(RegistryKeys, CreateFailsWhenTheStoreCannotBeWritten) {
    TempFolder dir;
    WriteTestFile(dir / "notafolder", "");
    Registry reg(RootKey::LocalMachine, dir / "notafolder/registry.ini");
    EXPECT_EQ(reg.CreateKey("Software\\vxTorvin"), RegOutcome::CreateFailed);
    EXPECT_EQ(reg.OpenKey("Software\\vxTorvin", true), RegOutcome::CreateFailed);
    EXPECT_FALSE(reg.HasOpenKey());

    // The store's name taken by a folder: it can be neither read nor replaced.
    std::filesystem::create_directory(dir / "registry.ini");
    Registry blocked(RootKey::LocalMachine, dir / "registry.ini");
    EXPECT_EQ(blocked.OpenKey("Software\\vxTorvin", true), RegOutcome::CreateFailed);
}

TEST(RegistryValues, UpdaterHandOffRoundTrips) {
    TempFolder dir;
    Registry tool(RootKey::LocalMachine, dir / "registry.ini");
    ASSERT_EQ(tool.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    EXPECT_TRUE(tool.WriteInteger("Flag", 1));
    EXPECT_TRUE(tool.WriteBool("Chinese", true));
    tool.CloseKey();

    // The updater is another program with its own registry object.
    Registry updater(RootKey::LocalMachine, dir / "registry.ini");
    ASSERT_EQ(updater.OpenKey("Software\\vxTorvin", false), RegOutcome::Ok);
    EXPECT_EQ(updater.ReadInteger("Flag"), 1);
    EXPECT_EQ(updater.ReadBool("chinese"), true);
    EXPECT_TRUE(updater.WriteInteger("Flag", 0));
    EXPECT_EQ(
        Registry(RootKey::LocalMachine, dir / "registry.ini").OpenKey("Software\\vxTorvin", false),
        RegOutcome::Ok);
    EXPECT_EQ(updater.ReadInteger("Flag"), 0);
}

TEST(RegistryValues, MissingValuesAndWrongTypesReadAsNothing) {
    TempFolder dir;
    Registry reg(RootKey::LocalMachine, dir / "registry.ini");
    ASSERT_EQ(reg.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    EXPECT_FALSE(reg.ReadInteger("Flag").has_value());
    EXPECT_FALSE(reg.ValueExists("Flag"));
    ASSERT_TRUE(reg.WriteString("Name", "控制器 A"));
    EXPECT_EQ(reg.ReadString("Name"), "控制器 A");
    EXPECT_FALSE(reg.ReadInteger("Name").has_value()) << "a string is not an integer";
    ASSERT_TRUE(reg.WriteInteger("Flag", -5));
    EXPECT_FALSE(reg.ReadString("Flag").has_value());
    EXPECT_EQ(reg.ReadBool("Flag"), true) << "any non-zero integer is true";
}

TEST(RegistryValues, WritesNeedAnOpenKey) {
    TempFolder dir;
    Registry reg(RootKey::LocalMachine, dir / "registry.ini");
    EXPECT_FALSE(reg.WriteInteger("Flag", 1).ok);
    EXPECT_FALSE(reg.ReadInteger("Flag").has_value());
}

TEST(RegistryValues, WriteFailureIsReported) {
    TempFolder dir;
    Registry reg(RootKey::LocalMachine, dir / "registry.ini");
    ASSERT_EQ(reg.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    std::filesystem::remove(dir / "registry.ini");
    std::filesystem::create_directory(dir / "registry.ini");
    EXPECT_FALSE(reg.WriteInteger("Flag", 1).ok);
}

TEST(RegistryValues, ATextWithALineBreakIsRefusedAndTheStoreKept) {
    TempFolder dir;
    Registry reg(RootKey::LocalMachine, dir / "registry.ini");
    ASSERT_EQ(reg.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    ASSERT_TRUE(reg.WriteString("Chinese", "yes").ok);
    const std::string before = ReadTestFile(dir / "registry.ini");
    EXPECT_FALSE(reg.WriteString("Chinese", "no\r\n[HKEY_LOCAL_MACHINE\\x]").ok);
    EXPECT_EQ(ReadTestFile(dir / "registry.ini"), before);
    EXPECT_EQ(reg.ReadString("Chinese"), "yes");
}

TEST(RegistryStore, DesktopColourSchemeIsNeverSet) {
    TempFolder dir;
    Registry reg(RootKey::CurrentUser, dir / "registry.ini");
    EXPECT_EQ(reg.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", false),
              RegOutcome::KeyMissing);
    EXPECT_FALSE(reg.ReadString("ColorName").has_value());
}

TEST(RegistryStore, TruncatedOrBinaryStoreNeverCrashes) {
    TempFolder dir;
    const std::string path = dir / "registry.ini";
    const char binary[] =
        "[HKEY_LOCAL_MACHINE\\Software\\vxTorvin]\r\nFlag=dword:1\r\n\0\xFF\xFE[\x01=";
    WriteTestFile(path, std::string(binary, sizeof binary - 1));
    Registry reg(RootKey::LocalMachine, path);
    ASSERT_EQ(reg.OpenKey("Software\\vxTorvin", false), RegOutcome::Ok);
    EXPECT_EQ(reg.ReadInteger("Flag"), 1);

    WriteTestFile(path, "[HKEY_LOCAL_MACHINE\\Software\\vxTorvin]\r\nFlag=dword:");
    EXPECT_FALSE(reg.ReadInteger("Flag").has_value()) << "a value cut off is no value";
    EXPECT_TRUE(reg.WriteInteger("Flag", 0));
    EXPECT_EQ(reg.ReadInteger("Flag"), 0);
    EXPECT_NE(ReadTestFile(path).find("Flag=dword:0"), std::string::npos);
}

TEST(RegistryStore, DefaultStoreLiesInTheWindowsDirectory) {
    TempFolder dir;
    test::ScopedEnv win("VXTORVIN_WINDIR", dir.Path().c_str());
    Registry reg(RootKey::LocalMachine);
    EXPECT_EQ(reg.StorePath(), dir / "registry.ini");
}

}  // namespace
}  // namespace vx
