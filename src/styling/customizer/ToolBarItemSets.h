// The item sets of a customised tool bar, kept in an INI file: the designed
// set under the customizer's name + "Org", the user's set under the name
// alone. Each set holds the bar's caption, the buttons' glyph position, the
// icon size and the bar's controls in order ("Name0", "Name0.ClassName",
// "Name0.Caption", ...).
//
// The bar is seen here as plain data; applying a set to a bar is a plan
// (which controls to create, which values to set, the order, which controls
// leave the bar) that the component carries out on the real controls.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileIo.h"
#include "platform/Geometry.h"
#include "platform/IniFile.h"

namespace vx::customizer {

inline constexpr const char* kButtonClass = "FXTOOLBARBUTTON";
inline constexpr const char* kSeparatorClass = "FXTOOLBARSEPARATOR";
inline constexpr const char* kOtherClass = "-1";
// The base of the names given to new separators and new command buttons.
inline constexpr const char* kSeparatorBaseName = "FxToolBarSeparator";
inline constexpr const char* kButtonBaseName = "FxToolBarButton";

enum class TItemClass { icButton, icSeparator, icOther };

// One control of the bar as the item sets see it; the values after the
// kind are a button's.
struct TBarControlInfo {
    std::string name;
    TItemClass kind = TItemClass::icOther;
    int imageIndex = -1;
    bool forceImageIndex = false;
    bool visible = true;
    bool showCaption = false;
    std::string caption;
    std::string hint;
    int glyphPosition = 0;
    // False for a control an earlier user set took off the bar.
    bool onBar = true;
};

struct TBarInfo {
    std::string caption;
    bool largeIcon = false;  // the bar shows the customizer's large images
    // The controls on the bar in order, then those taken off it.
    std::vector<TBarControlInfo> controls;
};

// Which button values the user may change and which are read back.
struct TItemOptions {
    bool caption = true;
    bool showCaption = true;
    bool visible = true;
    bool hint = true;
    bool imageIndex = true;
    bool Any() const { return caption || showCaption || visible || hint || imageIndex; }
};

// What the user may change of the bar itself.
struct TToolBarOptions {
    bool caption = true;
    bool largeIcon = true;
    bool glyphPosition = true;
};

// "Name" + i: the key of item i.
std::string ItemKey(int index);
// The class name an item is written with.
const char* ClassNameOf(TItemClass kind);
// The index of the control of that name (without regard to case), or -1;
// an empty name finds nothing.
int FindControl(const std::vector<TBarControlInfo>& controls, const std::string& name);
// base + the smallest number from 1 up that is none of the names (compared
// without regard to case).
std::string UniqueName(const std::string& base, const std::vector<std::string>& takenNames);

// A run of writes into one section of a set; the first refusal is the one
// reported in `result`.
struct TSetWriter {
    IniFile& ini;
    const std::string& section;
    IoResult result;
    void Keep(IoResult r) {
        if (result.ok && !r.ok) result = std::move(r);
    }
    void Str(const std::string& key, const std::string& value) {
        Keep(ini.WriteString(section, key, value));
    }
    void Int(const std::string& key, int value) { Keep(ini.WriteInteger(section, key, value)); }
};

// Writes the designed set of the bar (its controls on the bar) into the
// section. The first refused write is returned; the profile is not saved.
IoResult WriteOrgItems(IniFile& ini, const std::string& section, const TBarInfo& bar);

// One item of a set applied to the bar, in the set's order.
struct TItemStep {
    int control = -1;  // index into TBarInfo::controls, or -1: create one
    TItemClass create = TItemClass::icOther;
    std::string name;    // the new control's name
    int commandId = -1;  // a new button takes this command's click (-1: none)
    // Values for a button; empty ones stay as they are.
    std::optional<int> imageIndex;
    std::optional<bool> forceImageIndex;
    std::optional<bool> visible;
    std::optional<bool> showCaption;
    std::optional<std::string> caption;
    std::optional<std::string> hint;
    bool IsButton(const TBarInfo& bar) const;
};

struct TItemSetPlan {
    std::optional<std::string> caption;
    // Given to every button of the set, when set.
    std::optional<int> glyphPosition;
    int largeIcon = 0;
    int count = -1;  // "ToolBarItemCount"; -1 when missing
    std::vector<TItemStep> steps;
    // Controls (indices into TBarInfo::controls) that leave the bar: taken
    // off by the user's set, freed when the designed set is restored.
    std::vector<int> leaving;
    // Restoring: the controls taken off are put back first.
    bool putBack = false;
};

// The user's set (section = the customizer's name) as a plan for the bar.
// A missing count leaves the controls as they are; a count of 0 takes every
// control off; a count past kMaxStoredEntries is cut to it. Items naming
// neither a control nor a class that can be made are skipped, as are items
// naming a control a second time.
TItemSetPlan PlanUserItems(const IniFile& ini, const std::string& section, const TBarInfo& bar,
                           const TItemOptions& items, const TToolBarOptions& options,
                           bool largeImagesSet, int commandCount);
// The designed set (section = name + "Org") as a plan: values regardless of
// the item options, nothing created, the controls the set does not name
// freed. Does nothing to the controls when the set lists none.
TItemSetPlan PlanOrgItems(const IniFile& ini, const std::string& section, const TBarInfo& bar,
                          const TToolBarOptions& options);

// Where the customise dialog opens: under the bar's option button, (left +
// width - 12, bottom + 1) of the bar in screen coordinates, moved up by its
// overflow past the work area's bottom (2 pixels to spare); past the right
// edge it goes left of the bar when the bar is docked at the right, else
// it moves left by the overflow.
TPoint CustomizeDialogPlace(const TRect& barOnScreen, int dialogWidth, int dialogHeight,
                            const TRect& workArea, bool dockedRight);

// The customize entry of the option window: 25 high, as wide as its
// caption plus the margins on both sides and 12 to spare; the entry drawn
// within its client area less the margins.
inline constexpr int kCustomizeEntryHeight = 25;
int CustomizeEntryWidth(int captionWidth, int margin);
TRect CustomizeEntryRect(int width, int height, int margin);

}  // namespace vx::customizer
