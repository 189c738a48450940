#include "widgets/WgGroupItemActionLink.h"

#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupModel.h"

namespace vx {

TWgGroupItemActionLink::TWgGroupItemActionLink(TWgGroupItem& client) : client_(client) {}

TWgGroupItemActionLink::~TWgGroupItemActionLink() {
    if (action_) action_->RemoveClient(this);
}

void TWgGroupItemActionLink::SetAction(TWgAction* action) {
    if (action == action_) return;
    if (action_) action_->RemoveClient(this);
    action_ = action;
    if (action_) action_->AddClient(this);
}

bool TWgGroupItemActionLink::IsCaptionLinked() const {
    return action_ && client_.Caption() == action_->Caption();
}

bool TWgGroupItemActionLink::IsCheckedLinked() const {
    return action_ && client_.Group().ShowItemSelection() &&
           client_.Selected() == action_->Checked();
}

bool TWgGroupItemActionLink::IsEnabledLinked() const {
    return action_ && client_.Enabled() == action_->Enabled();
}

bool TWgGroupItemActionLink::IsHintLinked() const {
    return action_ && client_.Hint() == action_->Hint();
}

bool TWgGroupItemActionLink::IsImageIndexLinked() const {
    return action_ && client_.ImageIndex() == action_->ImageIndex();
}

bool TWgGroupItemActionLink::IsVisibleLinked() const {
    return action_ && client_.Visible() == action_->Visible();
}

bool TWgGroupItemActionLink::IsOnExecuteLinked() const {
    return action_ && client_.OnClick() == action_->OnExecute();
}

void TWgGroupItemActionLink::SetCaption(const std::string& value) {
    if (IsCaptionLinked()) client_.SetCaption(value);
}

void TWgGroupItemActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) client_.SetSelected(value);
}

void TWgGroupItemActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) client_.SetEnabled(value);
}

void TWgGroupItemActionLink::SetHint(const std::string& value) {
    if (IsHintLinked()) client_.SetHint(value);
}

void TWgGroupItemActionLink::SetImageIndex(int value) {
    if (IsImageIndexLinked()) client_.SetImageIndex(value);
}

void TWgGroupItemActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) client_.SetVisible(value);
}

void TWgGroupItemActionLink::SetOnExecute(const TWgNotifyEvent& value) {
    if (IsOnExecuteLinked()) client_.SetOnClick(value);
}

void TWgGroupItemActionLink::Change() {
    if (OnChange && action_) OnChange(*action_);
}

bool TWgGroupItemActionLink::DoShowHint(std::string& hint) const {
    if (action_ && action_->DoHint(hint) && TWgAction::HintShortCuts() &&
        !action_->ShortCut().empty() && !hint.empty())
        hint = hint + " (" + action_->ShortCut() + ")";
    return true;
}

bool TWgGroupItemActionLink::Execute(TWgObject* component) const {
    return action_ && action_->Execute(component);
}

bool TWgGroupItemActionLink::Update() const {
    return action_ && action_->Update();
}

}  // namespace vx
