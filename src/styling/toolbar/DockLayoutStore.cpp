#include "styling/toolbar/DockLayoutStore.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/Text.h"

namespace vx {

void TPersistence::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TPersistence*>(&source);
    if (!other) {
        TToolBarPersistent::Assign(source);
        return;
    }
    SetLocation(other->location_);
    SetKey(other->key_);
    SetSection(other->section_);
    SetEnabled(other->enabled_);
}

namespace {

class IniLayoutStore : public TLayoutStore {
  public:
    explicit IniLayoutStore(const std::string& path) : file_(IniFile::Load(path)), path_(path) {}

    std::int32_t ReadInteger(std::string_view section, std::string_view name,
                             std::int32_t fallback) override {
        return file_.ReadInteger(section, name, fallback);
    }
    std::string ReadString(std::string_view section, std::string_view name,
                           std::string_view fallback) override {
        return file_.ReadString(section, name, fallback);
    }
    void WriteInteger(std::string_view section, std::string_view name,
                      std::int32_t value) override {
        Check(file_.WriteInteger(section, name, value));
        dirty_ = true;
    }
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        Check(file_.WriteString(section, name, value));
        dirty_ = true;
    }
    void Close() override {
        if (dirty_) Check(file_.SaveAs(path_));
        dirty_ = false;
    }

  private:
    static void Check(const IoResult& result) {
        if (!result) throw ELayoutStoreError(result.error);
    }
    IniFile file_;
    std::string path_;
    bool dirty_ = false;
};

// Each section is a subkey of the key.
class RegistryLayoutStore : public TLayoutStore {
  public:
    explicit RegistryLayoutStore(std::string key) : key_(std::move(key)) {}

    std::int32_t ReadInteger(std::string_view section, std::string_view name,
                             std::int32_t fallback) override {
        if (!Open(section, false)) return fallback;
        return registry_.ReadInteger(name).value_or(fallback);
    }
    std::string ReadString(std::string_view section, std::string_view name,
                           std::string_view fallback) override {
        if (!Open(section, false)) return std::string(fallback);
        return registry_.ReadString(name).value_or(std::string(fallback));
    }
    void WriteInteger(std::string_view section, std::string_view name,
                      std::int32_t value) override {
        OpenForWrite(section);
        Check(registry_.WriteInteger(name, value), name);
    }
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        OpenForWrite(section);
        Check(registry_.WriteString(name, value), name);
    }

  private:
    bool Open(std::string_view section, bool create) {
        const std::string path = key_ + "\\" + std::string(section);
        if (registry_.HasOpenKey() && openPath_ == path) return true;
        openPath_.clear();
        if (registry_.OpenKey(path, create) != RegOutcome::Ok) return false;
        openPath_ = path;
        return true;
    }
    void OpenForWrite(std::string_view section) {
        if (!Open(section, true))
            throw ELayoutStoreError("Cannot create the registry key " + key_ + "\\" +
                                    std::string(section));
    }
    static void Check(const IoResult& result, std::string_view name) {
        if (!result) throw ELayoutStoreError(std::string(name) + ": " + result.error);
    }
    Registry registry_{RootKey::CurrentUser};
    std::string key_;
    std::string openPath_;
};

}  // namespace

std::unique_ptr<TLayoutStore> TLayoutStore::Open(TPersistenceLocation location,
                                                 const std::string& key) {
    if (location == TPersistenceLocation::plIniFile) return std::make_unique<IniLayoutStore>(key);
    return std::make_unique<RegistryLayoutStore>(key);
}

void SaveDockLayout(const TPersistence& settings, TDockPanelModel& panel, IDockLayoutHost& host) {
    if (!settings.Active()) return;
    std::unique_ptr<TLayoutStore> store = TLayoutStore::Open(settings.Location(), settings.Key());
    const std::string& s = settings.Section();
    std::vector<IDockBar*> bars;
    TRowCollection& rows = panel.Rows();
    for (int r = 0; r < rows.Count(); ++r)
        for (IDockBar* bar : rows.Items(r).ToolBars())
            bars.push_back(bar);
    for (IDockBar* bar : panel.HiddenToolBars())
        bars.push_back(bar);
    store->WriteInteger(s, "ToolBarCount", static_cast<int>(bars.size()));
    store->WriteInteger(s, "RowCount", rows.Count());
    int k = 1;
    for (IDockBar* bar : bars) {
        const std::string name = host.BarName(bar);
        const TRect b = bar->DockBounds();
        store->WriteString(s, "Name" + std::to_string(k), name);
        store->WriteInteger(s, name + ".Row", bar->RowIndex());
        store->WriteInteger(s, name + ".Left", b.left);
        store->WriteInteger(s, name + ".Top", b.top);
        store->WriteInteger(s, name + ".Width", b.Width());
        store->WriteInteger(s, name + ".Height", b.Height());
        store->WriteInteger(s, name + ".Visible", bar->DockVisible() ? 1 : 0);
        ++k;
    }
    store->Close();
}

namespace {

// Runs a save and answers its failure as a message starting with failed
// (empty when it succeeded).
template <typename Save>
std::string Reporting(std::string_view failed, Save&& save) noexcept {
    try {
        save();
        return {};
    } catch (const std::exception& e) {
        return std::string(failed) + ": " + e.what();
    } catch (...) {
        return std::string(failed) + ".";
    }
}

}  // namespace

std::string SaveDockLayoutReporting(const TPersistence& settings, TDockPanelModel& panel,
                                    IDockLayoutHost& host) noexcept {
    return Reporting("The dock layout could not be saved",
                     [&] { SaveDockLayout(settings, panel, host); });
}

void LoadDockLayout(const TPersistence& settings, TDockPanelModel& panel, IDockLayoutHost& host) {
    if (!settings.Active()) return;
    std::unique_ptr<TLayoutStore> store = TLayoutStore::Open(settings.Location(), settings.Key());
    const std::string& s = settings.Section();
    TRowCollection& rows = panel.Rows();

    // The bars now in the rows, by name (matched without regard to case, as
    // the store's names are), in row order.
    std::vector<std::pair<std::string, IDockBar*>> unplaced;
    for (int r = 0; r < rows.Count(); ++r)
        for (IDockBar* bar : rows.Items(r).ToolBars())
            unplaced.emplace_back(host.BarName(bar), bar);

    const int n = std::min(store->ReadInteger(s, "ToolBarCount", 0), kMaxStoredEntries);
    if (n <= 0) return;
    const int rowCount =
        std::clamp(store->ReadInteger(s, "RowCount", rows.Count()), 0, kMaxStoredEntries);
    rows.Clear();
    for (int r = 0; r < rowCount; ++r)
        rows.Add();

    std::vector<IDockBar*> ownRows;  // stored with a row that cannot be
    std::vector<std::pair<IDockBar*, bool>> visibility;
    for (int i = 1; i <= n; ++i) {
        const std::string name = store->ReadString(s, "Name" + std::to_string(i), "");
        auto it = std::find_if(unplaced.begin(), unplaced.end(), [&](const auto& entry) {
            return !name.empty() && AsciiLower(entry.first) == AsciiLower(name);
        });
        IDockBar* bar = nullptr;
        if (it != unplaced.end()) {
            bar = it->second;
            unplaced.erase(it);
        } else if (!name.empty() && (bar = host.AdoptBar(name)) != nullptr) {
            // Joining the panel gave it a row; only the stored layout places it.
            const int r = rows.IndexOfToolBarRow(bar);
            if (r >= 0) rows.Items(r).RemoveToolBar(bar, r >= rowCount);
        }
        if (!bar) continue;
        const TRect now = bar->DockBounds();
        const int row = store->ReadInteger(s, name + ".Row", bar->RowIndex());
        // A damaged or hand-made place never reaches the rows' arithmetic.
        const int left = LayoutCoordinate(store->ReadInteger(s, name + ".Left", now.left));
        const int top = LayoutCoordinate(store->ReadInteger(s, name + ".Top", now.top));
        const int width = LayoutExtent(store->ReadInteger(s, name + ".Width", now.Width()));
        const int height = LayoutExtent(store->ReadInteger(s, name + ".Height", now.Height()));
        const bool visible =
            store->ReadInteger(s, name + ".Visible", bar->DockVisible() ? 1 : 0) != 0;
        const TRect stored = Bounds(left, top, width, height);
        const bool placed = row >= 0 && row < rowCount && rows.Items(row).AddToolBar(bar) >= 0;
        host.SetStoredBounds(bar, stored);
        if (!placed) ownRows.push_back(bar);
        // Hiding a bar may drop its row: done once the rows stand.
        if (visible != bar->DockVisible()) visibility.emplace_back(bar, visible);
    }
    // Rows the store made that hold nothing go.
    for (int r = rows.Count() - 1; r >= 0; --r)
        rows.RemoveRowIfEmpty(&rows.Items(r));
    for (IDockBar* bar : ownRows)
        if (rows.IndexOfToolBarRow(bar) < 0) rows.Add().AddToolBar(bar);
    for (const auto& entry : unplaced)
        rows.Add().AddToolBar(entry.second);
    rows.ArrangeRows();
    auto numberRows = [&rows] {
        for (int r = 0; r < rows.Count(); ++r)
            for (IDockBar* bar : rows.Items(r).ToolBars())
                bar->SetRowIndex(r);
    };
    numberRows();
    for (const auto& [bar, visible] : visibility)
        host.SetStoredVisible(bar, visible);
    if (!visibility.empty()) {
        rows.ArrangeRows();
        numberRows();
    }
}

namespace {

bool FloatingStored(TLayoutStore& store, const std::string& name) {
    const std::string stored = store.ReadString(kUndockedSection, name + ".Name", "");
    const int state = store.ReadInteger(kUndockedSection, name + ".State", 0);
    return AsciiLower(stored) == AsciiLower(name) && state == 1;
}

}  // namespace

void SaveUndockedState(const TPersistence& settings, IUndockedBar& bar) {
    if (!settings.Active()) return;
    std::unique_ptr<TLayoutStore> store = TLayoutStore::Open(settings.Location(), settings.Key());
    const std::string s = kUndockedSection;
    const std::string n = bar.BarName();
    if (bar.Floating()) {
        const TPoint at = bar.FloatingPosition();
        const TRect r = bar.BarBoundsNow();
        store->WriteString(s, n + ".Name", n);
        store->WriteInteger(s, n + ".State", 1);
        store->WriteInteger(s, n + ".FloatingRows", bar.FloatingRows());
        store->WriteInteger(s, n + ".Left", at.x);
        store->WriteInteger(s, n + ".Top", at.y);
        store->WriteInteger(s, n + ".Width", r.Width());
        store->WriteInteger(s, n + ".Height", r.Height());
        store->WriteInteger(s, n + ".Visible", bar.BarVisible() ? 1 : 0);
    } else if (FloatingStored(*store, n)) {
        store->WriteInteger(s, n + ".State", 0);
    }
    for (int i = 0; i < bar.NamedControlCount(); ++i)
        store->WriteInteger(s, n + "." + bar.ControlName(i), bar.ControlVisible(i) ? 1 : 0);
    store->Close();
}

std::string SaveUndockedStateReporting(const TPersistence& settings, IUndockedBar& bar) noexcept {
    return Reporting("The tool bar's state could not be saved",
                     [&] { SaveUndockedState(settings, bar); });
}

void LoadUndockedState(const TPersistence& settings, IUndockedBar& bar) {
    if (!settings.Active()) return;
    std::unique_ptr<TLayoutStore> store = TLayoutStore::Open(settings.Location(), settings.Key());
    const std::string s = kUndockedSection;
    const std::string n = bar.BarName();
    if (FloatingStored(*store, n)) {
        const TRect now = bar.BarBoundsNow();
        const int rows = store->ReadInteger(s, n + ".FloatingRows", bar.FloatingRows());
        const int x = LayoutCoordinate(store->ReadInteger(s, n + ".Left", now.left));
        const int y = LayoutCoordinate(store->ReadInteger(s, n + ".Top", now.top));
        bar.FloatAt(TPoint{x, y});
        // Never lowered here; a damaged count is not taken.
        if (rows > bar.FloatingRows() && rows <= kMaxStoredEntries) bar.SetFloatingRows(rows);
        const bool visible = store->ReadInteger(s, n + ".Visible", bar.BarVisible() ? 1 : 0) != 0;
        if (visible != bar.BarVisible()) bar.SetBarVisible(visible);
    }
    for (int i = 0; i < bar.NamedControlCount(); ++i) {
        const bool now = bar.ControlVisible(i);
        const bool stored = store->ReadInteger(s, n + "." + bar.ControlName(i), now ? 1 : 0) != 0;
        if (stored != now) bar.SetControlVisible(i, stored);
    }
}

}  // namespace vx
