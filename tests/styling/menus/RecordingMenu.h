// A menu that records what its styler asks of it.
#pragma once

#include <string>
#include <vector>

#include "styling/menus/FxMenuAppearance.h"

namespace vx::test {

class RecordingMenu final : public IMenuStyleLink {
  public:
    explicit RecordingMenu(bool mainMenu) : mainMenu(mainMenu) {}
    // As a real menu does, it leaves its styler when it goes.
    ~RecordingMenu() {
        if (styler) styler->DetachMenu(this);
    }
    void Attach(TCustomFxMenuStyler& s) {
        styler = &s;
        s.AttachMenu(this);
    }

    void UpdateItems() override { calls.push_back("update items"); }
    TCustomFxMenuStyler* GetMenuStyler() const override { return styler; }
    TCustomFxMenuStyler* GetCurrentStyler() const override { return styler; }
    void SetMenuStyler(TCustomFxMenuStyler* s) override { styler = s; }
    void MenuStyleChanged(bool rebuild) override {
        calls.push_back(rebuild ? "changed+rebuild" : "changed");
    }
    bool IsMainMenu() const override { return mainMenu; }
    bool HasWindowHandle() const override { return mainMenu && hasWindow; }
    void DrawMenuBar() override { calls.push_back("draw menu bar"); }
    void StylerDestroyed(TCustomFxMenuStyler* s) override {
        if (s == styler) styler = nullptr;
        calls.push_back("styler destroyed");
    }

    bool mainMenu;
    bool hasWindow = true;
    TCustomFxMenuStyler* styler = nullptr;
    std::vector<std::string> calls;
};

}  // namespace vx::test
