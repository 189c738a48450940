// What the customise dialog does, apart from its window: the list of the
// bar's items with one properties object per button, separator or inserted
// command, the commands that can be inserted, the list commands (move,
// insert, delete, clear, drops), which buttons are enabled, and the user's
// set written on OK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "styling/customizer/ToolBarItemSets.h"

namespace vx::customizer {

// The properties of one entry of the item list.
class TFTBItemProp {
  public:
    int control = -1;  // index into the bar's controls, -1 for a new item
    bool isNew = false;
    int imageIndex = -1;
    std::string caption;
    bool showCaption = false;
    std::string hint;
    bool visible = true;
    // The name a new command button is saved under (unique on the bar).
    std::string name;
    int commandId = -1;
    bool forceImageIndex = false;

    bool IsSeparator() const { return separator_; }
    bool IsCommand() const { return command_; }
    void SetNewSeparator() {
        isNew = true;
        separator_ = true;
    }
    void SetNewCommand() {
        isNew = true;
        command_ = true;
    }

  private:
    bool separator_ = false;
    bool command_ = false;
};

struct TListEntry {
    std::string text;
    std::optional<TFTBItemProp> prop;  // none for a control that is neither
};

struct TCommandInfo {
    std::string caption;
    int tag = 0;  // the icon chosen with the command is tag - 1; 0: "None"
};

// Which list commands the user may give.
struct TListOptions {
    bool insert = true;
    bool reorder = true;
    bool remove = true;
    bool clear = true;
    bool separator = true;
};

struct TButtonStates {
    bool edit = false;
    bool top = false;
    bool up = false;
    bool down = false;
    bool bottom = false;
    bool add = false;
    bool remove = false;
    bool clear = false;
    bool operator==(const TButtonStates&) const = default;
};

// The bar values the dialog writes: each only when its editor is shown.
struct TUserHeader {
    std::optional<std::string> caption;
    std::optional<int> glyphPosition;
    std::optional<bool> largeIcon;
};

class TCustomizeModel {
  public:
    // Fills the lists from the bar; filling ends with Filled().
    void Fill(const TBarInfo& bar, std::vector<TCommandInfo> commands, const TItemOptions& items,
              const TListOptions& options);
    void Filled() { filling_ = false; }

    const std::vector<TListEntry>& Entries() const { return entries_; }
    const std::vector<TCommandInfo>& Commands() const { return commands_; }
    const TBarInfo& Bar() const { return bar_; }
    int Selected() const { return selected_; }
    void Select(int index);
    int SelectedCommand() const { return command_; }
    void SelectCommand(int index);
    bool Changed() const { return changed_; }
    // The icon entry a command picks (its tag - 1, or "None" = iconCount
    // without a tag), or -1 when that entry does not exist.
    int IconForCommand(int command, int iconCount) const;

    void MarkChanged() {
        if (!filling_) changed_ = true;
    }
    TButtonStates Buttons() const;

    void MoveTop();
    void MoveUp();
    void MoveDown();
    void MoveBottom();
    // Inserts the selected command with the icon entry chosen for it (-1
    // for none) after the selection, or at the end.
    void InsertCommand(int icon);
    void InsertSeparator();
    void DeleteSelected();
    // After the user confirmed.
    void Clear();
    // A drop within the list: the entry `from` moves to `to`.
    void MoveEntry(int from, int to);
    // The item dialog confirmed new values for the selected entry.
    bool StoreItemValues(const TFTBItemProp& values, bool iconChanged);

    // The user's set: every key of the section goes, then the header, the
    // count and the items. The first refused write is returned.
    IoResult WriteUserItems(IniFile& ini, const std::string& section, const TUserHeader& header,
                            const TItemOptions& items) const;

  private:
    void Insert(TListEntry entry);
    // Whether the entry stands for a button already on the bar.
    bool IsBarButton(const TFTBItemProp& p) const;
    std::vector<std::string> TakenNames() const;

    TBarInfo bar_;
    std::vector<TListEntry> entries_;
    std::vector<TCommandInfo> commands_;
    TItemOptions items_;
    TListOptions options_;
    int selected_ = -1;
    int command_ = -1;
    bool changed_ = false;
    bool filling_ = true;
    bool itemEditing_ = false;
};

}  // namespace vx::customizer
