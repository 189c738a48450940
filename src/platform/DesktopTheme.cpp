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

}  // namespace vx
