#include "platform/DesktopTheme.h"

#include <atomic>

#include "platform/Registry.h"

namespace vx {
namespace {
std::atomic<bool> visualStyles{false};
}  // namespace

bool VisualStylesActive() {
    return visualStyles.load();
}

void SetVisualStylesActive(bool active) {
    visualStyles.store(active);
}

std::optional<std::string> ThemeColorName() {
    Registry registry(RootKey::CurrentUser);
    if (registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", false) !=
        RegOutcome::Ok)
        return std::nullopt;
    return registry.ReadString("ColorName");
}

int OfficeThemeNumber() {
    if (!VisualStylesActive()) return 0;
    const std::optional<std::string> name = ThemeColorName();
    if (!name) return 0;
    if (*name == "NormalColor") return 1;
    if (*name == "HomeStead") return 2;
    if (*name == "Metallic") return 3;
    return 0;
}

}  // namespace vx
