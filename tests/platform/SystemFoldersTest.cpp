#include "platform/SystemFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ScopedEnv;
using test::TempFolder;

TEST(WindowsDirectory, TakenFromTheEnvironmentAndCreated) {
    TempFolder dir;
    ScopedEnv win("VXTORVIN_WINDIR", (dir / "win/").c_str());
    EXPECT_EQ(WindowsDirectory(), dir / "win");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "win/system32"));
}

TEST(WindowsDirectory, FallsBackToTheUsersDataFolder) {
    TempFolder dir;
    ScopedEnv win("VXTORVIN_WINDIR", nullptr);
    {
        ScopedEnv data("XDG_DATA_HOME", dir.Path().c_str());
        EXPECT_EQ(WindowsDirectory(), dir / "vxTorvin");
    }
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", dir.Path().c_str());
    EXPECT_EQ(WindowsDirectory(), dir / ".local/share/vxTorvin");
    EXPECT_TRUE(std::filesystem::is_directory(dir / ".local/share/vxTorvin/system32"));
}

TEST(ProgramFolder, EnvironmentOrTheExecutablesFolder) {
    {
        ScopedEnv prog("VXTORVIN_PROGDIR", "/opt/kz6/");
        EXPECT_EQ(ProgramFolder(), "/opt/kz6");
    }
    ScopedEnv prog("VXTORVIN_PROGDIR", nullptr);
    EXPECT_EQ(ProgramFolder(),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

// The tool chain runs in the scratch folder and launched programs in folders
// of their own: a folder set relative to the current one is made absolute, so
// "-w" never becomes "-w/Torvin.pin", an option of the program it is given to.
TEST(SystemFolders, RelativeFoldersBecomeAbsolute) {
    TempFolder dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const struct {
        const char* set;
        const char* inside;  // what it names in dir
    } rows[] = {
        {"-w", "-w"},
        {"a b/中文;&|$(x)`%V%'/", "a b/中文;&|$(x)`%V%'"},
        {"w/", "w"},
    };
    for (const auto& row : rows) {
        ScopedEnv win("VXTORVIN_WINDIR", row.set);
        ScopedEnv prog("VXTORVIN_PROGDIR", row.set);
        EXPECT_EQ(WindowsDirectory(), dir / row.inside) << row.set;
        EXPECT_EQ(ProgramFolder(), dir / row.inside) << row.set;
    }
    ScopedEnv win("VXTORVIN_WINDIR", nullptr);
    ScopedEnv data("XDG_DATA_HOME", "data");
    EXPECT_EQ(WindowsDirectory(), dir / "data/vxTorvin");
    std::filesystem::current_path(before);
}

TEST(Paths, WindowsStylePiecesJoinWithSlashes) {
    EXPECT_EQ(JoinPath("/w", "\\system32\\systemtemp"), "/w/system32/systemtemp");
    EXPECT_EQ(JoinPath("/w/", "Torvin.pin"), "/w/Torvin.pin");
    EXPECT_EQ(JoinPath("/w", "system32\\\\Clipboard.dat"), "/w/system32/Clipboard.dat");
}

}  // namespace
}  // namespace vx
