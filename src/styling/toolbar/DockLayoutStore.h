// Where a dock panel keeps the places of its tool bars between runs, and the
// saving and reading back of those places. The store is the registry (a key
// under the current user, each section a subkey) or an INI file; it is opened
// for one save or load and closed at its end. Nothing here needs a window:
// the panel's rows are reached through TDockPanelModel, and the few things
// only the window knows (a bar's name, showing or hiding it) through
// IDockLayoutHost.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/ToolBarPersistent.h"

namespace vx {

enum class TPersistenceLocation : std::uint8_t { plRegistry, plIniFile };

// The settings of a dock panel's (or a tool bar's) store: where, and whether
// at all. A write that changes a value calls OnChange.
class TPersistence : public TToolBarPersistent {
  public:
    explicit TPersistence(void* owner = nullptr) : owner_(owner) {}

    const char* ClassName() const override { return "TPersistence"; }
    // Copies Location, Key, Section and Enabled from another settings object.
    void Assign(const TToolBarPersistent& source) override;

    void* Owner() const { return owner_; }
    TPersistenceLocation Location() const { return location_; }
    void SetLocation(TPersistenceLocation location) { Update(location_, location); }
    // The registry key path, or the INI file's name.
    const std::string& Key() const { return key_; }
    void SetKey(const std::string& key) { Update(key_, key); }
    const std::string& Section() const { return section_; }
    void SetSection(const std::string& section) { Update(section_, section); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Update(enabled_, enabled); }

    // Copies Enabled, Key and Location (not Section) to a tool bar's
    // settings, as a dock panel does for the bars it holds.
    void GiveTo(TPersistence& bar) const {
        bar.SetEnabled(enabled_);
        bar.SetKey(key_);
        bar.SetLocation(location_);
    }

    // Storing and restoring happen: enabled, with a key and a section.
    bool Active() const { return enabled_ && !key_.empty() && !section_.empty(); }

  private:
    void* owner_;
    TPersistenceLocation location_ = TPersistenceLocation::plRegistry;
    std::string key_;
    std::string section_;
    bool enabled_ = false;
};

// A store that cannot be read or written; the message says what failed.
class ELayoutStoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One opened store. Missing values and values of the wrong kind give the
// fallback; a failed write raises ELayoutStoreError (an INI file is written
// once, whole and atomically, by Close).
class TLayoutStore {
  public:
    virtual ~TLayoutStore() = default;
    static std::unique_ptr<TLayoutStore> Open(TPersistenceLocation location,
                                              const std::string& key);

    virtual std::int32_t ReadInteger(std::string_view section, std::string_view name,
                                     std::int32_t fallback) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view name,
                                   std::string_view fallback) = 0;
    virtual void WriteInteger(std::string_view section, std::string_view name,
                              std::int32_t value) = 0;
    virtual void WriteString(std::string_view section, std::string_view name,
                             std::string_view value) = 0;
    virtual void Close() {}
};

// What the layout needs of the panel's window.
class IDockLayoutHost {
  public:
    virtual std::string BarName(const IDockBar* bar) const = 0;
    // Places a bar at its stored bounds without reporting back to the rows.
    virtual void SetStoredBounds(IDockBar* bar, const TRect& bounds) = 0;
    virtual void SetStoredVisible(IDockBar* bar, bool visible) = 0;
    // A bar of that name (any case) held by another dock panel of the same
    // form, moved into this panel; null when there is none.
    virtual IDockBar* AdoptBar(const std::string& name) {
        (void)name;
        return nullptr;
    }

  protected:
    ~IDockLayoutHost() = default;
};

// Writes the panel's rows and hidden bars to the store. Does nothing unless
// the settings are active. Raises ELayoutStoreError when the store fails.
void SaveDockLayout(const TPersistence& settings, TDockPanelModel& panel, IDockLayoutHost& host);
// The same for a save that must not throw (from a destructor): the error's
// text, empty when it went well.
std::string SaveDockLayoutReporting(const TPersistence& settings, TDockPanelModel& panel,
                                    IDockLayoutHost& host) noexcept;

// Puts the panel's bars where the store has them (a bar the store names
// that another panel of the form holds moves here); bars the store does not
// name, or names with a row that cannot be, get rows of their own after the
// stored ones. An empty store leaves the rows as they are. Counts are cut to
// kMaxStoredEntries, places and sizes held to a screen layout's ranges
// (LayoutCoordinate, LayoutExtent).
void LoadDockLayout(const TPersistence& settings, TDockPanelModel& panel, IDockLayoutHost& host);

// The section that keeps the tool bars' own state, beside the panel's.
inline constexpr const char* kUndockedSection = "UnDockedFxToolBars";

// What the tool-bar state needs of a tool bar's window.
class IUndockedBar {
  public:
    virtual std::string BarName() const = 0;
    virtual bool Floating() const = 0;
    virtual int FloatingRows() const = 0;
    virtual void SetFloatingRows(int rows) = 0;
    // The floating window's screen position, and the bar's own bounds.
    virtual TPoint FloatingPosition() const = 0;
    virtual TRect BarBoundsNow() const = 0;
    virtual bool BarVisible() const = 0;
    virtual void SetBarVisible(bool visible) = 0;
    // Floats the bar with its floating window at the screen position.
    virtual void FloatAt(const TPoint& position) = 0;
    // The bar's controls that have a name.
    virtual int NamedControlCount() const = 0;
    virtual std::string ControlName(int i) const = 0;
    virtual bool ControlVisible(int i) const = 0;
    virtual void SetControlVisible(int i, bool visible) = 0;

  protected:
    ~IUndockedBar() = default;
};

// Writes whether the bar floats, where, and which controls are hidden; a
// docked bar only clears a stored floating state. Raises ELayoutStoreError.
void SaveUndockedState(const TPersistence& settings, IUndockedBar& bar);
// The error's text instead, empty when it went well (for destructors).
std::string SaveUndockedStateReporting(const TPersistence& settings, IUndockedBar& bar) noexcept;
// Floats the bar where it was stored floating (the place held to a screen
// layout's range) and shows or hides its controls as stored; missing values
// leave the bar as it is.
void LoadUndockedState(const TPersistence& settings, IUndockedBar& bar);

}  // namespace vx
