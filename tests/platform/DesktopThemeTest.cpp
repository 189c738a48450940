#include "platform/DesktopTheme.h"

#include <gtest/gtest.h>

#include "platform/FileIo.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

TEST(DesktopThemeTest, VisualStylesAreOffUntilSwitchedOn) {
    EXPECT_FALSE(VisualStylesActive());
    SetVisualStylesActive(true);
    EXPECT_TRUE(VisualStylesActive());
    SetVisualStylesActive(false);
    EXPECT_FALSE(VisualStylesActive());
}

TEST(DesktopThemeTest, ColourSchemeNameIsMissingUnlessTheStoreHoldsIt) {
    EXPECT_EQ(ThemeColorName(), std::nullopt);
    EXPECT_FALSE(FileExists(JoinPath(WindowsDirectory(), "registry.ini")));  // nothing written

    Registry other(RootKey::LocalMachine);  // another hive does not count
    ASSERT_EQ(other.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true),
              RegOutcome::Ok);
    ASSERT_TRUE(other.WriteString("ColorName", "Metallic"));
    EXPECT_EQ(ThemeColorName(), std::nullopt);

    Registry user(RootKey::CurrentUser);
    ASSERT_EQ(user.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true),
              RegOutcome::Ok);
    EXPECT_EQ(ThemeColorName(), std::nullopt);  // the key alone
    ASSERT_TRUE(user.WriteString("ColorName", "HomeStead"));
    EXPECT_EQ(ThemeColorName(), "HomeStead");
}

}  // namespace
}  // namespace vx
