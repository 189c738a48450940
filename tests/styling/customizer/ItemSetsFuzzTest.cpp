// Seeded random and damaged item sets, lists edited at random, and numbers
// from the edges of int into the customise dialog's place: a set is read in
// bounded time into a plan the component can carry out, an edited list reads
// back as it was written, and nothing overflows (the sanitizer build aborts
// on it).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/IniFile.h"
#include "platform/Text.h"
#include "styling/customizer/CustomizeModel.h"
#include "styling/customizer/ToolBarItemSets.h"
#include "support/FuzzInputs.h"

namespace vx::customizer {
namespace {

using test::ExtremeInt;

TBarControlInfo Control(std::string name, TItemClass kind) {
    TBarControlInfo c;
    c.name = std::move(name);
    c.kind = kind;
    c.caption = c.name;
    return c;
}

// Two buttons, a separator and a control that is neither.
TBarInfo Bar() {
    TBarInfo bar;
    bar.controls = {Control("BtnOpen", TItemClass::icButton),
                    Control("FxToolBarSeparator1", TItemClass::icSeparator),
                    Control("BtnSave", TItemClass::icButton),
                    Control("CmbZoom", TItemClass::icOther)};
    return bar;
}

// A plan the component can carry out: indices that exist, each control
// listed once and not also leaving, new controls of a class that can be made
// under names no control and no other new one has, commands that exist.
void ExpectSound(const TItemSetPlan& plan, const TBarInfo& bar, int commandCount) {
    const int controls = static_cast<int>(bar.controls.size());
    ASSERT_LE(plan.count, kMaxStoredEntries);
    ASSERT_LE(static_cast<int>(plan.steps.size()), std::max(plan.count, 0));
    std::vector<bool> listed(bar.controls.size(), false);
    std::vector<std::string> created;
    for (const TItemStep& step : plan.steps) {
        ASSERT_LT(step.control, controls);
        ASSERT_TRUE(step.commandId >= -1 && step.commandId < commandCount);
        if (step.control >= 0) {
            ASSERT_FALSE(listed[step.control]);
            listed[step.control] = true;
            continue;
        }
        ASSERT_TRUE(step.create == TItemClass::icButton || step.create == TItemClass::icSeparator);
        ASSERT_FALSE(step.name.empty());
        ASSERT_EQ(FindControl(bar.controls, step.name), -1) << step.name;
        for (const std::string& other : created)
            ASSERT_FALSE(EqualsNoCase(other, step.name)) << step.name;
        created.push_back(step.name);
    }
    for (int c : plan.leaving) {
        ASSERT_TRUE(c >= 0 && c < controls);
        ASSERT_FALSE(listed[c]);
    }
}

// 800 profile texts (a user's set and the designed one damaged, now and
// then one made of known names and edge values) planned as the user's set
// and as the designed one. About 1 s in the sanitizer build.
TEST(ItemSetsFuzz, DamagedSetsMakeSoundPlans) {
    std::mt19937 random(1311);
    const TBarInfo bar = Bar();
    std::string seed;
    {
        TCustomizeModel model;
        model.Fill(bar, {{"Print", 1}, {"Find", 0}}, {}, {});
        model.Filled();
        model.InsertCommand(0);
        model.InsertSeparator();
        IniFile ini;
        ASSERT_TRUE(model.WriteUserItems(ini, "Custom1", {"Mine", 1, true}, {}));
        ASSERT_TRUE(WriteOrgItems(ini, "Custom1Org", bar));
        seed = ini.Serialise();
    }
    std::vector<std::string> names = {"ToolBarItemCount", "GlyphPosition", "LargeIcon"};
    for (int k = 0; k < 6; ++k) {
        const std::string key = ItemKey(k);
        for (const char* value : {"", ".ClassName", ".ImageIndex", ".CommandID", ".Visible",
                                  ".ShowCaption", ".ForceImageIndex"})
            names.push_back(key + value);
    }
    const char* const kClasses[] = {"FXTOOLBARBUTTON", "FXTOOLBARSEPARATOR", "-1", ""};
    const char* const kNames[] = {"BtnOpen", "btnsave", "FxToolBarButton1", "FxToolBarSeparator1",
                                  "CmbZoom", ""};

    for (int i = 0; i < 800; ++i) {
        std::string text;
        if (i % 8 == 0) {
            text = "[Custom1]\r\nToolBarItemCount=" + std::to_string(ExtremeInt(random)) + "\r\n";
            for (int k = 0; k < 6; ++k) {
                const std::string key = ItemKey(static_cast<int>(random() % 8));
                text += key + "=" + kNames[random() % std::size(kNames)] + "\r\n";
                text += key + ".ClassName=" + kClasses[random() % std::size(kClasses)] + "\r\n";
                text += key + ".CommandID=" + std::to_string(ExtremeInt(random)) + "\r\n";
            }
            text += "[Custom1Org]\r\nToolBarItemCount=" + std::to_string(ExtremeInt(random)) +
                    "\r\nName0=BtnSave\r\nName0.ClassName=FXTOOLBARBUTTON\r\n";
        } else {
            text = test::DamageProfile(seed, random, names);
        }
        SCOPED_TRACE(text);
        const IniFile ini = IniFile::Parse(text);
        ASSERT_NO_FATAL_FAILURE(
            ExpectSound(PlanUserItems(ini, "Custom1", bar, {}, {}, true, 2), bar, 2));
        const TItemSetPlan designed = PlanOrgItems(ini, "Custom1Org", bar, {});
        ASSERT_NO_FATAL_FAILURE(ExpectSound(designed, bar, 1));
        for (const TItemStep& step : designed.steps)
            ASSERT_GE(step.control, 0);  // the designed set makes nothing
    }
}

// 400 lists, each edited by 12 random list commands (indices from the edges
// of int among them), written and read back: every entry comes back, in its
// place, and only the controls not listed leave. Under 1 s in the
// sanitizer build.
TEST(ItemSetsFuzz, EditedListsReadBackAsWritten) {
    std::mt19937 random(2718);
    const TBarInfo bar = Bar();
    for (int round = 0; round < 400; ++round) {
        TCustomizeModel model;
        model.Fill(bar, {{"Print", 1}, {"Find", 0}}, {}, {});
        model.Filled();
        for (int step = 0; step < 12; ++step) {
            const int count = static_cast<int>(model.Entries().size());
            const int any =
                random() % 2 ? ExtremeInt(random) : static_cast<int>(random() % (count + 1));
            switch (random() % 10) {
                case 0:
                    model.Select(any);
                    break;
                case 1:
                    model.SelectCommand(random() % 2 ? ExtremeInt(random) : any % 2);
                    break;
                case 2:
                    model.MoveUp();
                    break;
                case 3:
                    model.MoveDown();
                    break;
                case 4:
                    random() % 2 ? model.MoveTop() : model.MoveBottom();
                    break;
                case 5:
                    model.InsertCommand(model.IconForCommand(model.SelectedCommand(), any));
                    break;
                case 6:
                    model.InsertSeparator();
                    break;
                case 7:
                    model.DeleteSelected();
                    break;
                case 8:
                    model.MoveEntry(any, random() % 2 ? ExtremeInt(random) : any / 2);
                    break;
                default: {
                    TFTBItemProp values;
                    values.caption = "Item " + std::to_string(step);
                    values.imageIndex = ExtremeInt(random);
                    (void)model.StoreItemValues(values, random() % 2 == 0);
                    break;
                }
            }
            const int selected = model.Selected();
            ASSERT_TRUE(selected >= -1 && selected < static_cast<int>(model.Entries().size()));
        }
        IniFile ini;
        ASSERT_TRUE(model.WriteUserItems(ini, "Custom1", {}, {}));
        const TItemSetPlan plan = PlanUserItems(ini, "Custom1", bar, {}, {}, true, 2);
        ASSERT_NO_FATAL_FAILURE(ExpectSound(plan, bar, 2));
        const auto& entries = model.Entries();
        ASSERT_EQ(plan.steps.size(), entries.size());
        std::vector<bool> listed(bar.controls.size(), false);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const TItemStep& step = plan.steps[k];
            const TListEntry& e = entries[k];
            if (e.prop && e.prop->isNew) {
                ASSERT_EQ(step.name, e.prop->IsSeparator() ? e.prop->caption : e.prop->name);
                ASSERT_EQ(step.commandId, e.prop->commandId);
                continue;
            }
            ASSERT_GE(step.control, 0);
            listed[step.control] = true;
            if (!e.prop) continue;
            ASSERT_EQ(step.control, e.prop->control);
            if (bar.controls[step.control].kind == TItemClass::icButton) {
                ASSERT_EQ(step.caption.value_or("(none)"), e.prop->caption);
            }
        }
        for (int c : plan.leaving)
            ASSERT_FALSE(listed[c]);
        ASSERT_EQ(plan.leaving.size(),
                  bar.controls.size() -
                      static_cast<std::size_t>(std::count(listed.begin(), listed.end(), true)));
    }
}

// 50,000 places of the customise dialog and sizes of the customize entry
// from numbers at the edges of int. Well under 1 s in the sanitizer build.
TEST(ItemSetsFuzz, DialogPlaceTakesAnyNumbers) {
    std::mt19937 random(99);
    auto n = [&random] { return ExtremeInt(random); };
    for (int i = 0; i < 50000; ++i) {
        const TRect barOnScreen{n(), n(), n(), n()};
        const TRect workArea{n(), n(), n(), n()};
        (void)CustomizeDialogPlace(barOnScreen, n(), n(), workArea, random() % 2 == 0);
        (void)CustomizeEntryWidth(n(), n());
        (void)CustomizeEntryRect(n(), kCustomizeEntryHeight, n());
    }
}

}  // namespace
}  // namespace vx::customizer
