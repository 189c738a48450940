#include "widgets/WgGroupItem.h"

#include "widgets/WgAction.h"
#include "widgets/WgGroupItemActionLink.h"
#include "widgets/WgGroupItems.h"
#include "widgets/WgGroupModel.h"

namespace vx {

TWgGroupItem::TWgGroupItem(TWgGroupItems& collection) : collection_(collection) {}

TWgGroupItem::~TWgGroupItem() {
    if (actionLink_) {
        actionLink_.reset();
        Group().ActionDetached();
    }
}

TWgGroupModel& TWgGroupItem::Group() const {
    return collection_.Group();
}

int TWgGroupItem::Index() const {
    return collection_.IndexOf(this);
}

TWgAction* TWgGroupItem::Action() const {
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TWgGroupItem::SetAction(TWgAction* value) {
    if (value == Action()) return;
    if (value == nullptr) {
        actionLink_.reset();
        Group().ActionDetached();
        return;
    }
    if (!actionLink_) {
        Group().ActionAttached();
        actionLink_ = std::make_unique<TWgGroupItemActionLink>(*this);
    }
    actionLink_->SetAction(value);
    actionLink_->OnChange = [this](TWgObject& sender) { LinkChanged(sender); };
    ActionChange(*value, value->Loading());
    Group().WatchAction(*value);
}

void TWgGroupItem::SetCaption(const std::string& value) {
    captionSet_ = true;
    if (value == caption_) return;
    caption_ = value;
    Changed(true);
}

void TWgGroupItem::SetDisabledIndex(int value) {
    if (value == disabledIndex_) return;
    disabledIndex_ = value;
    Changed(true);
}

void TWgGroupItem::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Changed(false);
}

void TWgGroupItem::SetFontColor(TColor value) {
    if (value == fontColor_) return;
    fontColor_ = value;
    Changed(false);
}

void TWgGroupItem::SetFontStyle(TWgFontStyles value) {
    if (value == fontStyle_) return;
    fontStyle_ = value;
    Changed(true);
}

void TWgGroupItem::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    Changed(true);
}

void TWgGroupItem::SetIndentLevel(std::uint8_t value) {
    if (value == indentLevel_) return;
    indentLevel_ = value;
    Changed(true);
}

void TWgGroupItem::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    Changed(true);
}

void TWgGroupItem::SetSelected(bool value) {
    selected_ = value;
    TWgGroupModel& group = Group();
    if (value) {
        for (int i = 0; i < collection_.Count(); ++i)
            collection_.Items(i).DeselectNotice(*this);
        group.StoreSelectedIndex(Index());
        group.SelectionBroadcast(*this);
    } else {
        // The group's selection is the item shown selected: clearing another
        // item leaves it.
        int still = -1;
        for (int i = 0; i < collection_.Count() && still < 0; ++i) {
            if (collection_.Items(i).Selected()) still = i;
        }
        group.StoreSelectedIndex(still);
    }
    Changed(false);
}

void TWgGroupItem::DeselectNotice(const TWgGroupItem& selected) {
    if (&selected != this && selected_ && selected.Selected()) SetSelected(false);
}

bool TWgGroupItem::Clickable() const {
    return static_cast<bool>(onClick_) || Action() != nullptr;
}

bool TWgGroupItem::HitTest(TPoint p) const {
    return textRect_.Contains(p) || imageRect_.Contains(p);
}

void TWgGroupItem::Assign(const TWgGroupItem& source) {
    if (&source == this) return;
    SetAction(source.Action());
    SetCaption(source.Caption());
    SetDisabledIndex(source.DisabledIndex());
    SetEnabled(source.Enabled());
    SetFontColor(source.FontColor());
    SetFontStyle(source.FontStyle());
    SetHint(source.Hint());
    SetImageIndex(source.ImageIndex());
    SetVisible(source.Visible());
    SetOnClick(source.OnClick());
}

void TWgGroupItem::AssignTo(TWgAction& action) const {
    action.SetCaption(caption_);
    action.SetEnabled(enabled_);
    action.SetHint(hint_);
    action.SetImageIndex(imageIndex_);
    action.SetVisible(visible_);
    action.SetOnExecute(onClick_);
}

std::string TWgGroupItem::DisplayName() const {
    return caption_.empty() ? std::string("TWgGroupItem") : caption_;
}

void TWgGroupItem::Click() {
    TWgAction* const action = Action();
    if (onClick_ && action && !(action->OnExecute() == onClick_)) {
        const TWgNotifyEvent handler = onClick_;
        handler(*this);
    } else if (actionLink_) {
        actionLink_->Execute(&Group());
    } else if (onClick_) {
        const TWgNotifyEvent handler = onClick_;
        handler(*this);
    }
}

void TWgGroupItem::InitiateAction() {
    if (actionLink_) actionLink_->Update();
}

void TWgGroupItem::ActionChange(TWgObject& sender, bool checkDefaults) {
    auto* action = dynamic_cast<TWgAction*>(&sender);
    if (action == nullptr) return;
    if (!checkDefaults || caption_.empty() || !captionSet_) SetCaption(action->Caption());
    if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
    if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
    if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
    if (!checkDefaults || visible_) SetVisible(action->Visible());
    if (!checkDefaults || !onClick_) SetOnClick(action->OnExecute());
}

void TWgGroupItem::LinkChanged(TWgObject& sender) {
    if (&sender == Action()) ActionChange(sender, false);
}

void TWgGroupItem::Changed(bool all) {
    collection_.Update(all ? nullptr : this);
}

}  // namespace vx
