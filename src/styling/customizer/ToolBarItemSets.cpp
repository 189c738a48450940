#include "styling/customizer/ToolBarItemSets.h"

#include <algorithm>

#include "platform/Text.h"

namespace vx::customizer {

namespace {

std::optional<int> OptInt(const IniFile& ini, const std::string& s, const std::string& key) {
    if (!ini.ValueExists(s, key)) return std::nullopt;
    std::int32_t v = 0;
    if (!ParseProfileInteger(ini.ReadString(s, key, ""), v)) return std::nullopt;
    return v;
}

std::optional<std::string> OptStr(const IniFile& ini, const std::string& s,
                                  const std::string& key) {
    if (!ini.ValueExists(s, key)) return std::nullopt;
    return ini.ReadString(s, key, "");
}

// The button values of item i as the set holds them; `all` ignores the
// item options (the designed set).
void ReadButtonValues(const IniFile& ini, const std::string& s, const std::string& key,
                      const TItemOptions& o, bool all, TItemStep& step) {
    if (all || o.imageIndex) {
        step.imageIndex = OptInt(ini, s, key + ".ImageIndex");
        if (!all) {
            if (auto f = OptInt(ini, s, key + ".ForceImageIndex")) step.forceImageIndex = *f != 0;
        }
    }
    if (all || o.visible) {
        if (auto v = OptInt(ini, s, key + ".Visible")) step.visible = *v != 0;
    }
    if (all || o.showCaption) {
        if (auto v = OptInt(ini, s, key + ".ShowCaption")) step.showCaption = *v == 1;
    }
    if (all || o.caption) step.caption = OptStr(ini, s, key + ".Caption");
    if (all || o.hint) step.hint = OptStr(ini, s, key + ".Hint");
}

TItemSetPlan PlanItems(const IniFile& ini, const std::string& s, const TBarInfo& bar,
                       const TItemOptions& items, bool designed, int commandCount) {
    TItemSetPlan plan;
    // A damaged count is cut as a dock layout's is: no set holds more items.
    plan.count =
        std::min(ini.ReadInteger(s, "ToolBarItemCount", designed ? 0 : -1), kMaxStoredEntries);
    if (designed) plan.putBack = plan.count > 0;
    if (plan.count < 0 || (designed && plan.count == 0)) return plan;

    // Names already taken by this set, so that a control is listed once
    // and no two new controls share a name.
    std::vector<bool> listed(bar.controls.size(), false);
    std::vector<std::string> created;
    for (int i = 0; i < plan.count; ++i) {
        const std::string key = ItemKey(i);
        const std::string name = ini.ReadString(s, key, "");
        const std::string cls = AsciiUpper(ini.ReadString(s, key + ".ClassName", ""));
        if (cls.empty()) continue;
        TItemStep step;
        step.control = FindControl(bar.controls, name);
        if (step.control >= 0) {
            if (listed[step.control]) continue;
            listed[step.control] = true;
        } else {
            // The designed set names only the bar's own controls.
            if (designed || name.empty()) continue;
            const bool taken = std::any_of(created.begin(), created.end(),
                                           [&](const auto& c) { return EqualsNoCase(c, name); });
            if (taken) continue;
            if (cls == kButtonClass) {
                step.create = TItemClass::icButton;
                const int command = ini.ReadInteger(s, key + ".CommandID", -1);
                if (command >= 0 && command < commandCount) step.commandId = command;
            } else if (cls == kSeparatorClass) {
                step.create = TItemClass::icSeparator;
            } else {
                continue;
            }
            step.name = name;
            created.push_back(name);
        }
        if (step.IsButton(bar)) ReadButtonValues(ini, s, key, items, designed, step);
        plan.steps.push_back(std::move(step));
    }
    for (int c = 0; c < static_cast<int>(bar.controls.size()); ++c) {
        // Restoring puts every removed control back before it re-orders, so
        // those not listed leave the bar as well.
        const bool present = bar.controls[c].onBar || designed;
        if (present && !listed[c]) plan.leaving.push_back(c);
    }
    return plan;
}

}  // namespace

bool TItemStep::IsButton(const TBarInfo& bar) const {
    if (control < 0) return create == TItemClass::icButton;
    return bar.controls[control].kind == TItemClass::icButton;
}

std::string ItemKey(int index) {
    return "Name" + std::to_string(index);
}

const char* ClassNameOf(TItemClass kind) {
    switch (kind) {
        case TItemClass::icButton:
            return kButtonClass;
        case TItemClass::icSeparator:
            return kSeparatorClass;
        case TItemClass::icOther:
            break;
    }
    return kOtherClass;
}

int FindControl(const std::vector<TBarControlInfo>& controls, const std::string& name) {
    if (name.empty()) return -1;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i)
        if (EqualsNoCase(controls[i].name, name)) return i;
    return -1;
}

std::string UniqueName(const std::string& base, const std::vector<std::string>& takenNames) {
    for (int n = 1;; ++n) {
        const std::string name = base + std::to_string(n);
        const bool taken = std::any_of(takenNames.begin(), takenNames.end(),
                                       [&](const std::string& t) { return EqualsNoCase(t, name); });
        if (!taken) return name;
    }
}

IoResult WriteOrgItems(IniFile& ini, const std::string& section, const TBarInfo& bar) {
    TSetWriter w{ini, section, {}};
    std::vector<const TBarControlInfo*> onBar;
    for (const auto& c : bar.controls)
        if (c.onBar) onBar.push_back(&c);
    int glyph = 0;
    for (const auto* c : onBar) {
        if (c->kind != TItemClass::icButton) continue;
        glyph = c->glyphPosition;
        break;
    }
    w.Str("FTBCaption", bar.caption);
    w.Int("GlyphPosition", glyph);
    w.Int("LargeIcon", bar.largeIcon ? 1 : 0);
    w.Int("ToolBarItemCount", static_cast<int>(onBar.size()));
    for (int i = 0; i < static_cast<int>(onBar.size()); ++i) {
        const TBarControlInfo& c = *onBar[i];
        const std::string key = ItemKey(i);
        w.Str(key, c.name);
        w.Str(key + ".ClassName", ClassNameOf(c.kind));
        if (c.kind != TItemClass::icButton) continue;
        w.Int(key + ".ImageIndex", c.imageIndex);
        w.Int(key + ".Visible", c.visible ? 1 : 0);
        w.Int(key + ".ShowCaption", c.showCaption ? 1 : 0);
        w.Str(key + ".Caption", c.caption);
        w.Str(key + ".Hint", c.hint);
    }
    return w.result;
}

TItemSetPlan PlanUserItems(const IniFile& ini, const std::string& section, const TBarInfo& bar,
                           const TItemOptions& items, const TToolBarOptions& options,
                           bool largeImagesSet, int commandCount) {
    TItemSetPlan plan = PlanItems(ini, section, bar, items, false, commandCount);
    if (options.caption) plan.caption = ini.ReadString(section, "FTBCaption", bar.caption);
    if (options.glyphPosition) plan.glyphPosition = ini.ReadInteger(section, "GlyphPosition", 0);
    plan.largeIcon =
        options.largeIcon && largeImagesSet ? ini.ReadInteger(section, "LargeIcon", 0) : 0;
    return plan;
}

TItemSetPlan PlanOrgItems(const IniFile& ini, const std::string& section, const TBarInfo& bar,
                          const TToolBarOptions& options) {
    TItemSetPlan plan = PlanItems(ini, section, bar, TItemOptions{}, true, 0);
    plan.caption = ini.ReadString(section, "FTBCaption", bar.caption);
    if (options.glyphPosition) plan.glyphPosition = ini.ReadInteger(section, "GlyphPosition", 0);
    plan.largeIcon = ini.ReadInteger(section, "LargeIcon", 0);
    return plan;
}

// The places and sizes below are worked out in 64 bits and held within int:
// no bar, dialog or work area a caller passes overflows them.
TPoint CustomizeDialogPlace(const TRect& bar, int dialogWidth, int dialogHeight,
                            const TRect& workArea, bool dockedRight) {
    using Wide = long long;
    Wide x = Wide{bar.right} - 12;
    Wide y = Wide{bar.bottom} + 1;
    const Wide below = y + dialogHeight - (Wide{workArea.bottom} - 2);
    if (below > 0) y -= below;
    const Wide past = x + dialogWidth - workArea.right;
    if (past > 0) {
        if (dockedRight)
            x = Wide{bar.left} - dialogWidth;
        else
            x -= past;
    }
    return {SaturateInt(x), SaturateInt(y)};
}

int CustomizeEntryWidth(int captionWidth, int margin) {
    return SaturateInt(captionWidth + 2LL * margin + 12);
}

TRect CustomizeEntryRect(int width, int height, int margin) {
    return {margin, margin, SaturateInt(static_cast<long long>(width) - margin),
            SaturateInt(static_cast<long long>(height) - margin)};
}

}  // namespace vx::customizer
