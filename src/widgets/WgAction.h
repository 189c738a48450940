// `TWgAction`: a command with its caption, check mark, enabled and visible
// state, hint, image and handler, shared by the controls bound to it.
//
// A control binds to an action through a link (a TWgActionClient). When a
// property of the action changes, each link hears the new value before the
// action stores it, so that it can tell whether its control was in step with
// the old one; then every link hears that the action changed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/WgNotifyEvent.h"

namespace vx {

class TWgAction;

// The link of one control to its action.
class TWgActionClient {
  public:
    virtual void SetCaption(const std::string& value) = 0;
    virtual void SetChecked(bool value) = 0;
    virtual void SetEnabled(bool value) = 0;
    virtual void SetHint(const std::string& value) = 0;
    virtual void SetImageIndex(int value) = 0;
    virtual void SetVisible(bool value) = 0;
    virtual void SetOnExecute(const TWgNotifyEvent& value) = 0;
    // After any change of the action.
    virtual void Change() = 0;

  protected:
    ~TWgActionClient() = default;
};

// A component that wants to hear when an action goes away.
class TWgActionObserver {
  public:
    virtual void ActionFreed(TWgAction& action) = 0;

  protected:
    ~TWgActionObserver() = default;
};

class TWgAction : public TWgObject {
  public:
    TWgAction() = default;
    ~TWgAction() override;
    TWgAction(const TWgAction&) = delete;
    TWgAction& operator=(const TWgAction&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // The shortcut's text ("Ctrl+F"), empty for none.
    const std::string& ShortCut() const { return shortCut_; }
    void SetShortCut(const std::string& value) { shortCut_ = value; }
    const TWgNotifyEvent& OnExecute() const { return onExecute_; }
    void SetOnExecute(const TWgNotifyEvent& value);

    // The action's own hint handler: may change the text, and says whether
    // the hint shows.
    std::function<void(std::string& hint, bool& canShow)> OnHint;
    // Asked to bring the action's state up to date.
    std::function<void(TWgAction& action)> OnUpdate;

    // While a form is still reading the action.
    bool Loading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    // Runs OnExecute with the action as sender; `component` is the control
    // that executes it (ActionComponent meanwhile). False without a handler.
    bool Execute(TWgObject* component);
    TWgObject* ActionComponent() const { return component_; }
    // Runs OnUpdate; false without a handler.
    bool Update();
    // The hint handler's verdict on a hint text (true without a handler).
    bool DoHint(std::string& hint) const;

    // Whether the application shows shortcuts in hints (it does by default).
    static bool HintShortCuts();
    static void SetHintShortCuts(bool value);

    void AddClient(TWgActionClient* client);
    void RemoveClient(TWgActionClient* client);
    void FreeNotification(TWgActionObserver* observer);
    void RemoveFreeNotification(TWgActionObserver* observer);

  private:
    template <typename Tell>
    void TellClients(Tell tell);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    std::string hint_;
    int imageIndex_ = -1;
    bool visible_ = true;
    std::string shortCut_;
    TWgNotifyEvent onExecute_;
    bool loading_ = false;
    TWgObject* component_ = nullptr;
    std::vector<TWgActionClient*> clients_;
    std::vector<TWgActionObserver*> observers_;
};

}  // namespace vx
