#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "styling/customizer/CustomizeModel.h"
#include "styling/customizer/ToolBarItemSets.h"

namespace vx::customizer {
namespace {

using K = TItemClass;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

TBarControlInfo Button(std::string name, std::string caption, int image) {
    TBarControlInfo c;
    c.name = std::move(name);
    c.kind = K::icButton;
    c.caption = std::move(caption);
    c.hint = c.caption + " hint";
    c.imageIndex = image;
    return c;
}

TBarControlInfo Control(std::string name, K kind) {
    TBarControlInfo c;
    c.name = std::move(name);
    c.kind = kind;
    return c;
}

// Open, a separator, Save (hidden, caption shown, glyph on top) and a combo
// box that is neither button nor separator.
TBarInfo Bar() {
    TBarInfo bar;
    bar.caption = "Standard";
    bar.controls.push_back(Button("BtnOpen", "Open", 0));
    bar.controls.push_back(Control("FxToolBarSeparator1", K::icSeparator));
    TBarControlInfo save = Button("BtnSave", "Save", 1);
    save.visible = false;
    save.showCaption = true;
    bar.controls.push_back(save);
    bar.controls.push_back(Control("CmbZoom", K::icOther));
    bar.controls[0].glyphPosition = 1;
    return bar;
}

TEST(ToolBarItemSetsTest, DesignedSetIsWrittenInItsKeys) {
    IniFile ini;
    ASSERT_TRUE(WriteOrgItems(ini, "Custom1Org", Bar()));
    EXPECT_EQ(ini.Serialise(), Lines({"[Custom1Org]",
                                      "FTBCaption=Standard",
                                      "GlyphPosition=1",
                                      "LargeIcon=0",
                                      "ToolBarItemCount=4",
                                      "Name0=BtnOpen",
                                      "Name0.ClassName=FXTOOLBARBUTTON",
                                      "Name0.ImageIndex=0",
                                      "Name0.Visible=1",
                                      "Name0.ShowCaption=0",
                                      "Name0.Caption=Open",
                                      "Name0.Hint=Open hint",
                                      "Name1=FxToolBarSeparator1",
                                      "Name1.ClassName=FXTOOLBARSEPARATOR",
                                      "Name2=BtnSave",
                                      "Name2.ClassName=FXTOOLBARBUTTON",
                                      "Name2.ImageIndex=1",
                                      "Name2.Visible=0",
                                      "Name2.ShowCaption=1",
                                      "Name2.Caption=Save",
                                      "Name2.Hint=Save hint",
                                      "Name3=CmbZoom",
                                      "Name3.ClassName=-1"}));
    // A caption that would not read back is refused, and said so.
    TBarInfo bad = Bar();
    bad.caption = "two\nlines";
    IniFile other;
    EXPECT_FALSE(WriteOrgItems(other, "Custom1Org", bad));
}

TEST(ToolBarItemSetsTest, UserSetBecomesAPlan) {
    const TBarInfo bar = Bar();
    const IniFile ini = IniFile::Parse(Lines({
        "[Custom1]",
        "FTBCaption=Mine",
        "GlyphPosition=2",
        "LargeIcon=1",
        "ToolBarItemCount=6",
        "Name0=btnsave",  // names match without regard to case
        "Name0.ClassName=FXTOOLBARBUTTON",
        "Name0.Caption=Store",
        "Name0.Visible=5",      // any non-zero is visible
        "Name0.ShowCaption=2",  // only 1 shows the caption
        "Name1=FxToolBarButton1",
        "Name1.ClassName=fxtoolbarbutton",
        "Name1.CommandID=1",
        "Name1.ImageIndex=4",
        "Name1.ForceImageIndex=1",
        "Name2=Gone",
        "Name2.ClassName=-1",  // no such control, and none can be made
        "Name3=FxToolBarSeparator7",
        "Name3.ClassName=FXTOOLBARSEPARATOR",
        "Name4=BtnSave",  // named a second time: listed once
        "Name4.ClassName=FXTOOLBARBUTTON",
        "Name5=BtnOpen",  // no class name: skipped
    }));
    const TItemSetPlan plan = PlanUserItems(ini, "Custom1", bar, {}, {}, true, 2);
    EXPECT_EQ(plan.caption, "Mine");
    EXPECT_EQ(plan.glyphPosition, 2);
    EXPECT_EQ(plan.largeIcon, 1);
    EXPECT_EQ(plan.count, 6);
    ASSERT_EQ(plan.steps.size(), 3u);
    EXPECT_EQ(plan.steps[0].control, 2);
    EXPECT_EQ(plan.steps[0].caption, "Store");
    EXPECT_EQ(plan.steps[0].visible, true);
    EXPECT_EQ(plan.steps[0].showCaption, false);
    EXPECT_FALSE(plan.steps[0].hint);  // missing: stays as it is
    EXPECT_EQ(plan.steps[1].control, -1);
    EXPECT_EQ(plan.steps[1].create, K::icButton);
    EXPECT_EQ(plan.steps[1].name, "FxToolBarButton1");
    EXPECT_EQ(plan.steps[1].commandId, 1);
    EXPECT_EQ(plan.steps[1].imageIndex, 4);
    EXPECT_EQ(plan.steps[1].forceImageIndex, true);
    EXPECT_EQ(plan.steps[2].create, K::icSeparator);
    EXPECT_EQ(plan.leaving, (std::vector<int>{0, 1, 3}));

    // With every option off nothing of the bar or its buttons is read.
    TItemOptions none{false, false, false, false, false};
    const TItemSetPlan bare =
        PlanUserItems(ini, "Custom1", bar, none, {false, false, false}, true, 2);
    EXPECT_FALSE(bare.caption);
    EXPECT_FALSE(bare.glyphPosition);
    EXPECT_EQ(bare.largeIcon, 0);
    EXPECT_FALSE(bare.steps[0].caption || bare.steps[0].visible || bare.steps[1].imageIndex);
    // Without large images the large-icon key is not read.
    EXPECT_EQ(PlanUserItems(ini, "Custom1", bar, {}, {}, false, 2).largeIcon, 0);
    // A command index the customizer does not have makes a plain button.
    EXPECT_EQ(PlanUserItems(ini, "Custom1", bar, {}, {}, true, 1).steps[1].commandId, -1);
}

TEST(ToolBarItemSetsTest, CountsAndDamagedSets) {
    const TBarInfo bar = Bar();
    // No user section: the bar stays as designed.
    const TItemSetPlan missing = PlanUserItems(IniFile(), "Custom1", bar, {}, {}, false, 0);
    EXPECT_EQ(missing.count, -1);
    EXPECT_TRUE(missing.steps.empty() && missing.leaving.empty());
    // A count of 0 takes every control off.
    const IniFile empty = IniFile::Parse("[Custom1]\r\nToolBarItemCount=0\r\n");
    EXPECT_EQ(PlanUserItems(empty, "Custom1", bar, {}, {}, false, 0).leaving,
              (std::vector<int>{0, 1, 2, 3}));
    // A count past any set is cut, so the set is read without a pause.
    const IniFile huge = IniFile::Parse(
        "[Custom1]\r\nToolBarItemCount=2147483647\r\nName0=BtnOpen\r\n"
        "Name0.ClassName=FXTOOLBARBUTTON\r\n");
    const TItemSetPlan cut = PlanUserItems(huge, "Custom1", bar, {}, {}, false, 0);
    EXPECT_EQ(cut.count, kMaxStoredEntries);
    EXPECT_EQ(cut.steps.size(), 1u);
    // Damaged values read as missing ones, stray lines are ignored, and the
    // items that can be read are applied.
    const IniFile damaged = IniFile::Parse(Lines({
        "[Custom1]",
        "garbage without equals",
        "ToolBarItemCount=3",
        "Name0=BtnOpen",
        "Name0.ClassName=FXTOOLBARBUTTON",
        "Name0.ImageIndex=abc",
        "Name0.Visible=",
        "Name1.ClassName=FXTOOLBARBUTTON",  // no name
        "Name2=BtnSave",
        "Name2.ClassName=FXTOOLBARBUTTON",
        "Name2.Caption=Save all",
    }));
    const TItemSetPlan plan = PlanUserItems(damaged, "Custom1", bar, {}, {}, false, 0);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_FALSE(plan.steps[0].imageIndex);
    EXPECT_FALSE(plan.steps[0].visible);
    EXPECT_EQ(plan.steps[1].caption, "Save all");
    EXPECT_EQ(plan.leaving, (std::vector<int>{1, 3}));
}

TEST(ToolBarItemSetsTest, DesignedSetRestoresAndFrees) {
    TBarInfo bar = Bar();
    bar.controls[1].onBar = false;                                 // taken off by the user's set
    bar.controls.push_back(Button("FxToolBarButton1", "New", 3));  // made by it
    IniFile ini;
    TBarInfo designed = Bar();
    ASSERT_TRUE(WriteOrgItems(ini, "Custom1Org", designed));
    ASSERT_TRUE(ini.WriteString("Custom1Org", "Name2.Caption", "Save").ok);

    TToolBarOptions noGlyph;
    noGlyph.glyphPosition = false;
    const TItemSetPlan plan = PlanOrgItems(ini, "Custom1Org", bar, noGlyph);
    EXPECT_TRUE(plan.putBack);
    EXPECT_EQ(plan.caption, "Standard");
    EXPECT_FALSE(plan.glyphPosition);
    ASSERT_EQ(plan.steps.size(), 4u);
    EXPECT_EQ(plan.steps[1].control, 1);  // the separator comes back
    EXPECT_EQ(plan.steps[2].visible, false);
    EXPECT_EQ(plan.steps[2].showCaption, true);
    EXPECT_FALSE(plan.steps[2].forceImageIndex);
    EXPECT_EQ(plan.leaving, (std::vector<int>{4}));
    // An empty designed set leaves the controls alone.
    const TItemSetPlan none = PlanOrgItems(IniFile(), "Custom1Org", bar, {});
    EXPECT_FALSE(none.putBack);
    EXPECT_TRUE(none.steps.empty() && none.leaving.empty());
}

TEST(ToolBarItemSetsTest, DialogPlaceAsData) {
    struct Row {
        TRect bar;
        int w, h;
        bool right;
        TPoint at;
    };
    const TRect work{0, 0, 1024, 738};
    const Row rows[] = {
        {Bounds(10, 40, 200, 26), 387, 363, false, {198, 67}},    // under the option button
        {Bounds(10, 500, 200, 26), 387, 363, false, {198, 373}},  // up by its overflow past 736
        {Bounds(800, 40, 200, 26), 387, 363, false, {637, 67}},   // left by the overflow
        {Bounds(990, 40, 34, 300), 387, 363, true, {603, 341}},   // docked right: left of it
    };
    for (const Row& r : rows)
        EXPECT_EQ(CustomizeDialogPlace(r.bar, r.w, r.h, work, r.right), r.at) << r.bar.left;
}

TEST(CustomizeModelTest, ListCommandsAndButtons) {
    TCustomizeModel m;
    TBarInfo bar = Bar();
    bar.controls.push_back(Control("fxtoolbarseparator2", K::icSeparator));
    m.Fill(bar, {{"Print", 3}, {"Print", 0}}, {}, {});
    ASSERT_EQ(m.Entries().size(), 5u);
    EXPECT_EQ(m.Entries()[0].text, "Open");
    EXPECT_EQ(m.Entries()[1].text, "Separator");
    EXPECT_EQ(m.Entries()[3].text, "CmbZoom");
    EXPECT_FALSE(m.Entries()[3].prop);
    EXPECT_EQ(m.Selected(), 0);
    EXPECT_EQ(m.SelectedCommand(), 0);
    EXPECT_EQ(m.IconForCommand(0, 5), 2);
    EXPECT_EQ(m.IconForCommand(1, 5), 5);  // "None"
    EXPECT_EQ(m.IconForCommand(0, 1), -1);
    m.MarkChanged();  // while filling
    EXPECT_FALSE(m.Changed());
    m.Filled();

    TButtonStates first;
    first.edit = first.down = first.bottom = first.add = first.remove = first.clear = true;
    EXPECT_EQ(m.Buttons(), first);
    m.Select(3);  // a control that is neither: no editing
    EXPECT_FALSE(m.Buttons().edit);

    // Up from the first item changes places with the last.
    m.Select(0);
    m.MoveUp();
    EXPECT_EQ(m.Selected(), 4);
    EXPECT_EQ(m.Entries()[4].text, "Open");
    EXPECT_TRUE(m.Changed());
    m.MoveDown();  // and back
    EXPECT_EQ(m.Selected(), 0);
    EXPECT_EQ(m.Entries()[0].text, "Open");
    m.MoveBottom();
    EXPECT_EQ(m.Entries()[4].text, "Open");
    m.MoveTop();
    EXPECT_EQ(m.Entries()[0].text, "Open");

    // Separators take the first number no control and no new item has.
    m.Select(4);
    m.InsertSeparator();
    m.InsertSeparator();
    EXPECT_EQ(m.Entries()[5].prop->caption, "FxToolBarSeparator3");
    EXPECT_EQ(m.Entries()[6].prop->caption, "FxToolBarSeparator4");
    EXPECT_EQ(m.Selected(), 6);
    // Two commands of one caption are saved under names of their own.
    m.Select(0);
    m.InsertCommand(2);
    m.SelectCommand(1);
    m.InsertCommand(-1);
    EXPECT_EQ(m.Entries()[1].text, "Print");
    EXPECT_EQ(m.Entries()[2].text, "Print");
    EXPECT_EQ(m.Entries()[1].prop->name, "FxToolBarButton1");
    EXPECT_EQ(m.Entries()[2].prop->name, "FxToolBarButton2");
    EXPECT_EQ(m.Entries()[2].prop->commandId, 1);
    EXPECT_TRUE(m.Entries()[2].prop->forceImageIndex);

    // The item dialog's values reach a button or a new command only.
    TFTBItemProp v;
    v.caption = "Print all";
    v.imageIndex = -1;
    EXPECT_TRUE(m.StoreItemValues(v, true));
    EXPECT_EQ(m.Entries()[2].text, "Print all");
    EXPECT_EQ(m.Entries()[2].prop->imageIndex, -1);
    m.Select(3);  // a separator of the bar
    EXPECT_FALSE(m.StoreItemValues(v, true));

    m.Select(8);
    m.DeleteSelected();  // the last one: the one before it is selected
    EXPECT_EQ(m.Selected(), 7);
    m.MoveEntry(7, 0);
    EXPECT_EQ(m.Entries()[0].text, "Separator");
    m.Clear();
    EXPECT_TRUE(m.Entries().empty());
    TButtonStates cleared;
    cleared.add = true;  // a command is still selected
    EXPECT_EQ(m.Buttons(), cleared);
}

TEST(CustomizeModelTest, UserSetIsWrittenWhole) {
    TCustomizeModel m;
    m.Fill(Bar(), {{"Print", 1}}, {}, {});
    m.Filled();
    m.Select(1);
    m.InsertCommand(0);
    m.InsertSeparator();
    IniFile ini =
        IniFile::Parse(Lines({"[Custom1]", "FTBCaption=Old", "Name9=Stale", "[Other]", "Keep=1"}));
    TItemOptions noGlyph;
    noGlyph.imageIndex = false;
    noGlyph.hint = false;
    TUserHeader header;  // the caption pair hidden
    header.glyphPosition = 3;
    ASSERT_TRUE(m.WriteUserItems(ini, "Custom1", header, noGlyph));
    EXPECT_EQ(ini.Serialise(), Lines({"[Custom1]",
                                      "GlyphPosition=3",
                                      "ToolBarItemCount=6",
                                      "Name0=BtnOpen",
                                      "Name0.ClassName=FXTOOLBARBUTTON",
                                      "Name0.Visible=1",
                                      "Name0.ShowCaption=0",
                                      "Name0.Caption=Open",
                                      "Name1=FxToolBarSeparator1",
                                      "Name1.ClassName=FXTOOLBARSEPARATOR",
                                      "Name2=FxToolBarButton1",
                                      "Name2.ClassName=FXTOOLBARBUTTON",
                                      "Name2.CommandID=0",
                                      "Name2.Visible=1",
                                      "Name2.ShowCaption=0",
                                      "Name2.Caption=Print",
                                      "Name3=FxToolBarSeparator2",
                                      "Name3.ClassName=FXTOOLBARSEPARATOR",
                                      "Name4=BtnSave",
                                      "Name4.ClassName=FXTOOLBARBUTTON",
                                      "Name4.Visible=0",
                                      "Name4.ShowCaption=1",
                                      "Name4.Caption=Save",
                                      "Name5=CmbZoom",
                                      "Name5.ClassName=-1",
                                      "[Other]",
                                      "Keep=1"}));
    // The user's set, read back, makes the new controls under those names.
    const TItemSetPlan plan = PlanUserItems(ini, "Custom1", Bar(), {}, {}, false, 1);
    ASSERT_EQ(plan.steps.size(), 6u);
    EXPECT_EQ(plan.steps[2].name, "FxToolBarButton1");
    EXPECT_EQ(plan.steps[2].commandId, 0);
    EXPECT_EQ(plan.steps[3].name, "FxToolBarSeparator2");
    EXPECT_TRUE(plan.leaving.empty());
}

}  // namespace
}  // namespace vx::customizer
