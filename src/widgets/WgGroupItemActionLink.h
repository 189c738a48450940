// `TWgGroupItemActionLink`: binds one group item to its action. A property
// of the item follows the action only while the two are in step (the item's
// value equals the action's old one); the item's selection follows the
// action's check mark only in a group that shows its selection.
#pragma once

#include <functional>
#include <string>

#include "widgets/WgAction.h"

namespace vx {

class TWgGroupItem;

class TWgGroupItemActionLink final : public TWgActionClient {
  public:
    explicit TWgGroupItemActionLink(TWgGroupItem& client);
    ~TWgGroupItemActionLink();
    TWgGroupItemActionLink(const TWgGroupItemActionLink&) = delete;
    TWgGroupItemActionLink& operator=(const TWgGroupItemActionLink&) = delete;

    TWgGroupItem& Client() const { return client_; }
    TWgAction* Action() const { return action_; }
    void SetAction(TWgAction* action);
    // Heard after every change of the action, with the action as sender.
    std::function<void(TWgObject& action)> OnChange;

    bool IsCaptionLinked() const;
    bool IsCheckedLinked() const;
    bool IsEnabledLinked() const;
    bool IsHintLinked() const;
    bool IsImageIndexLinked() const;
    bool IsVisibleLinked() const;
    bool IsOnExecuteLinked() const;

    void SetCaption(const std::string& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHint(const std::string& value) override;
    void SetImageIndex(int value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TWgNotifyEvent& value) override;
    void Change() override;

    // The hint of the item as it shows: "hint (shortcut)" when the action
    // has a shortcut and the application shows shortcuts in hints.
    // Always true: the hint may show.
    bool DoShowHint(std::string& hint) const;
    bool Execute(TWgObject* component) const;
    bool Update() const;

  private:
    TWgGroupItem& client_;
    TWgAction* action_ = nullptr;
};

}  // namespace vx
