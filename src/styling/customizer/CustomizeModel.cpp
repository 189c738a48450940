#include "styling/customizer/CustomizeModel.h"

#include <utility>

namespace vx::customizer {

void TCustomizeModel::Fill(const TBarInfo& bar, std::vector<TCommandInfo> commands,
                           const TItemOptions& items, const TListOptions& options) {
    bar_ = bar;
    commands_ = std::move(commands);
    items_ = items;
    options_ = options;
    entries_.clear();
    for (int i = 0; i < static_cast<int>(bar.controls.size()); ++i) {
        const TBarControlInfo& c = bar.controls[i];
        if (!c.onBar) continue;
        TListEntry entry;
        if (c.kind == TItemClass::icOther) {
            entry.text = c.name;
        } else {
            TFTBItemProp p;
            p.control = i;
            if (c.kind == TItemClass::icButton) {
                entry.text = c.caption;
                p.caption = c.caption;
                p.hint = c.hint;
                p.visible = c.visible;
                p.imageIndex = c.imageIndex;
                p.forceImageIndex = c.forceImageIndex;
                p.showCaption = c.showCaption;
            } else {
                entry.text = "Separator";
            }
            entry.prop = p;
        }
        entries_.push_back(std::move(entry));
    }
    command_ = commands_.empty() ? -1 : 0;
    selected_ = entries_.empty() ? -1 : 0;
    itemEditing_ = items.Any();
}

void TCustomizeModel::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

void TCustomizeModel::SelectCommand(int index) {
    command_ = index >= 0 && index < static_cast<int>(commands_.size()) ? index : -1;
}

int TCustomizeModel::IconForCommand(int command, int iconCount) const {
    if (command < 0 || command >= static_cast<int>(commands_.size())) return -1;
    const int tag = commands_[command].tag;
    const int icon = tag != 0 ? tag - 1 : iconCount;
    return icon >= 0 && icon <= iconCount ? icon : -1;
}

bool TCustomizeModel::IsBarButton(const TFTBItemProp& p) const {
    return p.control >= 0 && bar_.controls[p.control].kind == TItemClass::icButton;
}

TButtonStates TCustomizeModel::Buttons() const {
    TButtonStates b;
    const int count = static_cast<int>(entries_.size());
    const bool any = selected_ >= 0;
    if (any && itemEditing_ && entries_[selected_].prop) {
        const TFTBItemProp& p = *entries_[selected_].prop;
        b.edit = IsBarButton(p) || p.IsCommand();
    }
    b.top = b.up = options_.reorder && selected_ > 0;
    b.down = b.bottom = options_.reorder && any && selected_ < count - 1;
    b.add = options_.insert && command_ >= 0;
    b.remove = options_.remove && any;
    b.clear = options_.clear && count > 0;
    return b;
}

void TCustomizeModel::MoveTop() {
    if (selected_ < 0) return;
    MoveEntry(selected_, 0);
}

void TCustomizeModel::MoveBottom() {
    if (selected_ < 0) return;
    MoveEntry(selected_, static_cast<int>(entries_.size()) - 1);
}

void TCustomizeModel::MoveUp() {
    if (selected_ < 0) return;
    // The first item changes places with the last.
    const int other = selected_ > 0 ? selected_ - 1 : static_cast<int>(entries_.size()) - 1;
    std::swap(entries_[selected_], entries_[other]);
    selected_ = other;
    MarkChanged();
}

void TCustomizeModel::MoveDown() {
    if (selected_ < 0) return;
    const int last = static_cast<int>(entries_.size()) - 1;
    const int other = selected_ < last ? selected_ + 1 : 0;
    std::swap(entries_[selected_], entries_[other]);
    selected_ = other;
    MarkChanged();
}

void TCustomizeModel::MoveEntry(int from, int to) {
    const int count = static_cast<int>(entries_.size());
    if (from < 0 || from >= count || to < 0 || to >= count) return;
    TListEntry entry = std::move(entries_[from]);
    entries_.erase(entries_.begin() + from);
    entries_.insert(entries_.begin() + to, std::move(entry));
    selected_ = to;
    MarkChanged();
}

std::vector<std::string> TCustomizeModel::TakenNames() const {
    std::vector<std::string> names;
    for (const auto& c : bar_.controls)
        names.push_back(c.name);
    // New items of this session count too, so two of them never share one.
    for (const auto& e : entries_) {
        if (!e.prop || !e.prop->isNew) continue;
        names.push_back(e.prop->IsSeparator() ? e.prop->caption : e.prop->name);
    }
    return names;
}

void TCustomizeModel::Insert(TListEntry entry) {
    const int count = static_cast<int>(entries_.size());
    const int at = selected_ >= 0 && selected_ < count - 1 ? selected_ + 1 : count;
    entries_.insert(entries_.begin() + at, std::move(entry));
    selected_ = at;
    MarkChanged();
}

void TCustomizeModel::InsertCommand(int icon) {
    if (command_ < 0) return;
    const TCommandInfo& c = commands_[command_];
    TFTBItemProp p;
    p.SetNewCommand();
    p.imageIndex = icon;
    p.forceImageIndex = true;
    p.caption = c.caption;
    p.hint = c.caption;
    p.visible = true;
    p.commandId = command_;
    // Saved under a name of its own: the caption may be any text, and two
    // commands may share one.
    p.name = UniqueName(kButtonBaseName, TakenNames());
    Insert({c.caption, p});
}

void TCustomizeModel::InsertSeparator() {
    TFTBItemProp p;
    p.SetNewSeparator();
    p.caption = UniqueName(kSeparatorBaseName, TakenNames());
    Insert({"Separator", p});
}

void TCustomizeModel::DeleteSelected() {
    if (selected_ < 0) return;
    entries_.erase(entries_.begin() + selected_);
    const int count = static_cast<int>(entries_.size());
    if (selected_ >= count) selected_ = count - 1;
    MarkChanged();
}

void TCustomizeModel::Clear() {
    entries_.clear();
    selected_ = -1;
    MarkChanged();
}

bool TCustomizeModel::StoreItemValues(const TFTBItemProp& values, bool iconChanged) {
    if (selected_ < 0 || !entries_[selected_].prop) return false;
    TListEntry& entry = entries_[selected_];
    TFTBItemProp& p = *entry.prop;
    if (!IsBarButton(p) && !(p.isNew && p.IsCommand())) return false;
    p.caption = values.caption;
    p.hint = values.hint;
    p.visible = values.visible;
    p.showCaption = values.showCaption;
    if (items_.imageIndex && iconChanged) {
        p.forceImageIndex = true;
        p.imageIndex = values.imageIndex;
    }
    entry.text = p.caption;
    MarkChanged();
    return true;
}

IoResult TCustomizeModel::WriteUserItems(IniFile& ini, const std::string& section,
                                         const TUserHeader& header,
                                         const TItemOptions& items) const {
    for (const std::string& key : ini.Keys(section))
        ini.DeleteKey(section, key);
    ini.AddSection(section);
    TSetWriter w{ini, section, {}};
    if (header.caption) w.Str("FTBCaption", *header.caption);
    if (header.glyphPosition) w.Int("GlyphPosition", *header.glyphPosition);
    if (header.largeIcon) w.Int("LargeIcon", *header.largeIcon ? 1 : 0);
    w.Int("ToolBarItemCount", static_cast<int>(entries_.size()));
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const TListEntry& e = entries_[i];
        const std::string key = ItemKey(i);
        if (!e.prop) {
            w.Str(key, e.text);
            w.Str(key + ".ClassName", kOtherClass);
            continue;
        }
        const TFTBItemProp& p = *e.prop;
        bool options = false;
        if (p.control >= 0) {
            const TBarControlInfo& c = bar_.controls[p.control];
            w.Str(key, c.name);
            w.Str(key + ".ClassName", ClassNameOf(c.kind));
            options = c.kind == TItemClass::icButton;
        } else if (p.IsSeparator()) {
            w.Str(key, p.caption);
            w.Str(key + ".ClassName", kSeparatorClass);
        } else if (p.IsCommand()) {
            w.Str(key, p.name);
            w.Str(key + ".ClassName", kButtonClass);
            w.Int(key + ".CommandID", p.commandId);
            options = true;
        }
        if (!options) continue;
        if (items.imageIndex) {
            w.Int(key + ".ImageIndex", p.imageIndex);
            w.Int(key + ".ForceImageIndex", p.forceImageIndex ? 1 : 0);
        }
        if (items.visible) w.Int(key + ".Visible", p.visible ? 1 : 0);
        if (items.showCaption) w.Int(key + ".ShowCaption", p.showCaption ? 1 : 0);
        if (items.caption) w.Str(key + ".Caption", p.caption);
        if (items.hint) w.Str(key + ".Hint", p.hint);
    }
    return w.result;
}

}  // namespace vx::customizer
