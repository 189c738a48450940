#include "styling/toolbar/DockLayoutStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/FileIo.h"
#include "platform/Registry.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

struct Bar : IDockBar {
    std::string name;
    TRect bounds;
    bool visible = true;
    int row = -1;
    TDockPanelModel* panel = nullptr;

    Bar(std::string n, int left, int top, int width)
        : name(std::move(n)), bounds(Bounds(left, top, width, 26)) {}
    TRect DockBounds() const override { return bounds; }
    void PlaceInRow(const TRect& r) override { bounds = Bounds(r.left, r.top, fixedWidth, 26); }
    int fixedWidth = bounds.Width();
    TSizeConstraints DockConstraints() const override { return {fixedWidth, fixedWidth, 26, 26}; }
    void SetDockConstraints(const TSizeConstraints&) override {}
    bool FullSize() const override { return false; }
    bool DockVisible() const override { return visible; }
    int RowIndex() const override { return row; }
    void SetRowIndex(int r) override { row = r; }
    void DockAlignChanged(TDockAlign) override {}
};

struct Panel : TDockPanelModel, IDockLayoutHost {
    TRect bounds = Bounds(0, 0, 800, 60);
    bool loading = false;
    TRect PanelBounds() const override { return bounds; }
    void SetPanelBounds(const TRect& b) override { bounds = b; }
    bool PanelLoading() const override { return loading; }

    std::string BarName(const IDockBar* bar) const override {
        return static_cast<const Bar*>(bar)->name;
    }
    void SetStoredBounds(IDockBar* bar, const TRect& b) override { bar->PlaceInRow(b); }
    void SetStoredVisible(IDockBar* bar, bool visible) override {
        static_cast<Bar*>(bar)->visible = visible;
        ToolBarVisibilityChanged(bar);
    }

    void Load(const std::vector<Bar*>& bars) {
        loading = true;
        for (Bar* bar : bars)
            AddToolBar(bar);
        loading = false;
        BuildRows();
    }
    // Each row's bar names, rows split by '|'.
    std::string Layout() const {
        std::string text;
        for (int r = 0; r < Rows().Count(); ++r) {
            if (r) text += "|";
            for (IDockBar* bar : Rows().Items(r).ToolBars()) {
                text += BarName(bar);
                if (bar->RowIndex() != r) text += "(row " + std::to_string(bar->RowIndex()) + ")";
            }
        }
        return text;
    }
};

// Settings of an INI store with the section "Dock".
struct IniSettings : TPersistence {
    explicit IniSettings(const std::string& path) { Configure(*this, path); }
    static void Configure(TPersistence& settings, const std::string& path) {
        settings.SetLocation(TPersistenceLocation::plIniFile);
        settings.SetKey(path);
        settings.SetSection("Dock");
        settings.SetEnabled(true);
    }
};

TEST(DockLayoutStoreTest, SettingsNotifyOnChangeOnlyAndAssignCopiesTheFour) {
    TPersistence a;
    int changes = 0;
    a.SetOnChange([&](TToolBarPersistent*) { ++changes; });
    a.SetKey("k");
    a.SetKey("k");
    a.SetEnabled(false);
    a.SetLocation(TPersistenceLocation::plIniFile);
    EXPECT_EQ(changes, 2);
    TPersistence b;
    b.SetSection("S");
    b.SetEnabled(true);
    a.Assign(b);
    EXPECT_EQ(a.Key(), "");
    EXPECT_EQ(a.Section(), "S");
    EXPECT_TRUE(a.Enabled());
    EXPECT_EQ(a.Location(), TPersistenceLocation::plRegistry);
    EXPECT_EQ(changes, 6);
    EXPECT_FALSE(a.Active());
}

TEST(DockLayoutStoreTest, SavesTheRowsAndHiddenBarsAsExactIniText) {
    test::TempFolder folder;
    Bar a("A", 0, 1, 100), b("B", 200, 1, 80), c("C", 0, 28, 60), d("D", 0, 0, 50);
    d.visible = false;
    Panel panel;
    panel.Load({&a, &b, &c, &d});
    ASSERT_EQ(panel.Layout(), "AB|C");

    // Switched off, or without a key or section: no store is opened.
    for (int i = 0; i < 3; ++i) {
        IniSettings off(folder / "off.ini");
        if (i == 0) off.SetEnabled(false);
        if (i == 1) off.SetSection("");
        if (i == 2) off.SetKey("");
        SaveDockLayout(off, panel, panel);
        LoadDockLayout(off, panel, panel);
    }
    EXPECT_FALSE(FileExists(folder / "off.ini"));

    test::WriteTestFile(folder / "layout.ini", "[Dock]\r\nName9=Old\r\n");
    SaveDockLayout(IniSettings(folder / "layout.ini"), panel, panel);
    // Earlier values stay; a bar's entries follow its name, hidden bars last.
    EXPECT_EQ(
        test::ReadTestFile(folder / "layout.ini"),
        "[Dock]\r\nName9=Old\r\nToolBarCount=4\r\nRowCount=2\r\n"
        "Name1=A\r\nA.Row=0\r\nA.Left=3\r\nA.Top=1\r\nA.Width=100\r\nA.Height=26\r\nA.Visible=1\r\n"
        "Name2=B\r\nB.Row=0\r\nB.Left=200\r\nB.Top=1\r\nB.Width=80\r\nB.Height=26\r\nB.Visible="
        "1\r\n"
        "Name3=C\r\nC.Row=1\r\nC.Left=3\r\nC.Top=28\r\nC.Width=60\r\nC.Height=26\r\nC.Visible=1\r\n"
        "Name4=D\r\nD.Row=-1\r\nD.Left=0\r\nD.Top=0\r\nD.Width=50\r\nD.Height=26\r\nD.Visible="
        "0\r\n");

    // A store that cannot be written raises; the reporting save gives the text.
    IniSettings bad(folder / "missing/folder/layout.ini");
    EXPECT_THROW(SaveDockLayout(bad, panel, panel), ELayoutStoreError);
    EXPECT_NE(SaveDockLayoutReporting(bad, panel, panel), "");
    EXPECT_EQ(SaveDockLayoutReporting(IniSettings(folder / "layout.ini"), panel, panel), "");
}

// Three bars streamed each in a row of its own; the store's text puts them
// back. Every visible bar must end in exactly one row, numbered right.
TEST(DockLayoutStoreTest, LoadsWhatTheStoreHoldsAndGivesTheRestRowsOfTheirOwn) {
    struct Case {
        const char* what;
        std::string store;
        const char* layout;
    };
    // A and B stored on row 0, C on row 1.
    const std::string abc =
        "Name1=A\r\nName2=B\r\nName3=C\r\nA.Row=0\r\nB.Row=0\r\nC.Row=1\r\n"
        "A.Left=3\r\nB.Left=200\r\n";
    const std::vector<Case> cases = {
        {"empty store", "", "A|B|C"},
        {"count 0", "ToolBarCount=0\r\nRowCount=2\r\n" + abc, "A|B|C"},
        {"full layout", "ToolBarCount=3\r\nRowCount=2\r\n" + abc, "AB|C"},
        {"unmentioned bar after the stored rows",
         "ToolBarCount=2\r\nRowCount=1\r\nName1=B\r\nName2=A\r\nA.Row=0\r\nB.Row=0\r\n", "BA|C"},
        {"row count damaged", "ToolBarCount=3\r\nRowCount=x\r\n" + abc, "AB|C"},
        {"huge counts", "ToolBarCount=2000000000\r\nRowCount=2000000000\r\n" + abc, "AB|C"},
        {"negative row count", "ToolBarCount=3\r\nRowCount=-4\r\n" + abc, "A|B|C"},
        {"row past the rows", "ToolBarCount=3\r\nRowCount=1\r\n" + abc, "AB|C"},
        {"unknown and repeated names",
         "ToolBarCount=4\r\nRowCount=2\r\nName4=A\r\nName2=Zed\r\n" + abc, "A|C|B"},
        {"hidden by the store", "ToolBarCount=3\r\nRowCount=2\r\nB.Visible=0\r\n" + abc, "A|C"},
        {"a place past any screen",
         "ToolBarCount=1\r\nName1=A\r\nA.Row=0\r\nA.Left=2147483647\r\nA.Width=100\r\n", "A|B|C"},
        {"names in another letter case",
         "ToolBarCount=3\r\nRowCount=2\r\nName1=a\r\nName2=b\r\nName3=c\r\n"
         "A.Row=0\r\nB.Row=0\r\nC.Row=1\r\nA.Left=3\r\nB.Left=200\r\n",
         "AB|C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        test::WriteTestFile(folder / "layout.ini", "[Dock]\r\n" + c.store);
        Bar a("A", 0, 1, 100), b("B", 0, 28, 80), cc("C", 0, 55, 60);
        Panel panel;
        panel.Load({&a, &b, &cc});
        ASSERT_EQ(panel.Layout(), "A|B|C");
        LoadDockLayout(IniSettings(folder / "layout.ini"), panel, panel);
        EXPECT_EQ(panel.Layout(), c.layout);
        // Whatever the store says, every bar stands within the panel.
        for (const Bar* bar : {&a, &b, &cc}) {
            EXPECT_GE(bar->bounds.left, 0) << bar->name;
            EXPECT_LE(bar->bounds.right, panel.bounds.right) << bar->name;
        }
    }
}

TEST(DockLayoutStoreTest, ABarWithAnImpossibleRowGetsARowOfItsOwn) {
    for (const char* row : {"-1", "7", "2147483647"}) {
        SCOPED_TRACE(row);
        test::TempFolder folder;
        test::WriteTestFile(
            folder / "layout.ini",
            std::string("[Dock]\r\nToolBarCount=3\r\nRowCount=1\r\nName1=A\r\nName2=B\r\n"
                        "Name3=C\r\nA.Row=0\r\nB.Row=") +
                row + "\r\nC.Row=0\r\nA.Left=3\r\nC.Left=300\r\n");
        Bar a("A", 0, 1, 100), b("B", 0, 28, 80), c("C", 0, 55, 60);
        Panel panel;
        panel.Load({&a, &b, &c});
        LoadDockLayout(IniSettings(folder / "layout.ini"), panel, panel);
        EXPECT_EQ(panel.Layout(), "AC|B");
    }
}

TEST(DockLayoutStoreTest, TheRegistryStoreKeepsEachSectionAsASubkey) {
    Bar a("A", 0, 1, 100), b("B", 200, 1, 80), c("C", 0, 28, 60);
    Panel panel;
    panel.Load({&a, &b, &c});
    TPersistence settings;
    settings.SetKey("Software\\vxTest\\Layout");
    settings.SetSection("Dock");
    settings.SetEnabled(true);
    SaveDockLayout(settings, panel, panel);

    Registry registry;
    ASSERT_EQ(registry.OpenKey("Software\\vxTest\\Layout\\Dock", false), RegOutcome::Ok);
    EXPECT_EQ(registry.ReadInteger("ToolBarCount"), 3);
    EXPECT_EQ(registry.ReadInteger("RowCount"), 2);
    EXPECT_EQ(registry.ReadString("Name2"), "B");
    EXPECT_EQ(registry.ReadInteger("B.Left"), 200);
    EXPECT_EQ(registry.ReadInteger("C.Row"), 1);

    Bar a2("A", 0, 1, 100), b2("B", 0, 28, 80), c2("C", 0, 55, 60);
    Panel other;
    other.Load({&a2, &b2, &c2});
    LoadDockLayout(settings, other, other);
    EXPECT_EQ(other.Layout(), "AB|C");
    EXPECT_EQ(b2.bounds.left, 200);
}

struct Undocked : IUndockedBar {
    bool floating = false;
    int rows = 1;
    TPoint at{};
    bool visible = true;
    std::vector<std::pair<std::string, bool>> controls = {{"Open", true}, {"Save", false}};
    std::string BarName() const override { return "Bar1"; }
    bool Floating() const override { return floating; }
    int FloatingRows() const override { return rows; }
    void SetFloatingRows(int r) override { rows = r; }
    TPoint FloatingPosition() const override { return at; }
    TRect BarBoundsNow() const override { return Bounds(5, 6, 120, 26); }
    bool BarVisible() const override { return visible; }
    void SetBarVisible(bool v) override { visible = v; }
    void FloatAt(const TPoint& p) override {
        floating = true;
        at = p;
    }
    int NamedControlCount() const override { return static_cast<int>(controls.size()); }
    std::string ControlName(int i) const override {
        return controls[static_cast<std::size_t>(i)].first;
    }
    bool ControlVisible(int i) const override {
        return controls[static_cast<std::size_t>(i)].second;
    }
    void SetControlVisible(int i, bool v) override {
        controls[static_cast<std::size_t>(i)].second = v;
    }
};

TEST(DockLayoutStoreTest, ToolBarStateFloatingDockedAndHiddenControls) {
    test::TempFolder folder;
    IniSettings settings(folder / "bars.ini");
    Undocked bar;
    bar.floating = true;
    bar.rows = 2;
    bar.at = {300, 200};
    SaveUndockedState(settings, bar);
    const std::string floating =
        "[UnDockedFxToolBars]\r\nBar1.Name=Bar1\r\nBar1.State=1\r\nBar1.FloatingRows=2\r\n"
        "Bar1.Left=300\r\nBar1.Top=200\r\nBar1.Width=120\r\nBar1.Height=26\r\nBar1.Visible=1\r\n"
        "Bar1.Open=1\r\nBar1.Save=0\r\n";
    EXPECT_EQ(test::ReadTestFile(folder / "bars.ini"), floating);

    Undocked fresh;
    LoadUndockedState(settings, fresh);
    EXPECT_TRUE(fresh.floating);
    EXPECT_EQ(fresh.at, (TPoint{300, 200}));
    EXPECT_EQ(fresh.rows, 2);
    EXPECT_FALSE(fresh.controls[1].second);

    // Docked again: only the state is cleared; a damaged row count is not taken.
    bar.floating = false;
    SaveUndockedState(settings, bar);
    std::string docked = floating;
    docked.replace(docked.find("State=1"), 7, "State=0");
    EXPECT_EQ(test::ReadTestFile(folder / "bars.ini"), docked);
    // The stored row count raises the bar's, never lowers it; a damaged
    // one is not taken.
    const struct {
        const char* stored;
        int rows, after;
    } counts[] = {{"2", 1, 2}, {"2", 2, 2}, {"2", 3, 3}, {"1", 3, 3}, {"99999", 1, 1}};
    for (const auto& c : counts) {
        test::WriteTestFile(folder / "bars.ini",
                            floating.substr(0, floating.find("Bar1.FloatingRows")) +
                                "Bar1.FloatingRows=" + c.stored + "\r\n");
        Undocked loaded;
        loaded.rows = c.rows;
        LoadUndockedState(settings, loaded);
        EXPECT_TRUE(loaded.floating);
        EXPECT_EQ(loaded.rows, c.after) << c.stored << " over " << c.rows;
        EXPECT_EQ(loaded.at, (TPoint{5, 6}));
    }

    IniSettings bad(folder / "missing/bars.ini");
    EXPECT_NE(SaveUndockedStateReporting(bad, bar), "");
}

}  // namespace
}  // namespace vx
