#include "widgets/WgAction.h"

#include <algorithm>

namespace vx {
namespace {
bool hintShortCuts = true;
}  // namespace

TWgAction::~TWgAction() {
    // Observers drop their references; each may remove itself meanwhile.
    const auto observers = observers_;
    for (TWgActionObserver* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->ActionFreed(*this);
    }
}

template <typename Tell>
void TWgAction::TellClients(Tell tell) {
    const auto clients = clients_;
    for (TWgActionClient* client : clients) {
        if (std::find(clients_.begin(), clients_.end(), client) != clients_.end()) tell(*client);
    }
}

void TWgAction::SetCaption(const std::string& value) {
    if (value == caption_) return;
    TellClients([&](TWgActionClient& c) { c.SetCaption(value); });
    caption_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetChecked(bool value) {
    if (value == checked_) return;
    TellClients([&](TWgActionClient& c) { c.SetChecked(value); });
    checked_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetEnabled(bool value) {
    if (value == enabled_) return;
    TellClients([&](TWgActionClient& c) { c.SetEnabled(value); });
    enabled_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetHint(const std::string& value) {
    if (value == hint_) return;
    TellClients([&](TWgActionClient& c) { c.SetHint(value); });
    hint_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    TellClients([&](TWgActionClient& c) { c.SetImageIndex(value); });
    imageIndex_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetVisible(bool value) {
    if (value == visible_) return;
    TellClients([&](TWgActionClient& c) { c.SetVisible(value); });
    visible_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

void TWgAction::SetOnExecute(const TWgNotifyEvent& value) {
    if (value == onExecute_) return;
    TellClients([&](TWgActionClient& c) { c.SetOnExecute(value); });
    onExecute_ = value;
    TellClients([](TWgActionClient& c) { c.Change(); });
}

bool TWgAction::Execute(TWgObject* component) {
    if (!onExecute_) return false;
    TWgObject* const previous = component_;
    component_ = component;
    const TWgNotifyEvent handler = onExecute_;
    handler(*this);
    component_ = previous;
    return true;
}

bool TWgAction::Update() {
    if (!OnUpdate) return false;
    const auto handler = OnUpdate;
    handler(*this);
    return true;
}

bool TWgAction::DoHint(std::string& hint) const {
    bool canShow = true;
    if (OnHint) OnHint(hint, canShow);
    return canShow;
}

bool TWgAction::HintShortCuts() {
    return hintShortCuts;
}

void TWgAction::SetHintShortCuts(bool value) {
    hintShortCuts = value;
}

void TWgAction::AddClient(TWgActionClient* client) {
    if (client && std::find(clients_.begin(), clients_.end(), client) == clients_.end())
        clients_.push_back(client);
}

void TWgAction::RemoveClient(TWgActionClient* client) {
    std::erase(clients_, client);
}

void TWgAction::FreeNotification(TWgActionObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TWgAction::RemoveFreeNotification(TWgActionObserver* observer) {
    std::erase(observers_, observer);
}

}  // namespace vx
