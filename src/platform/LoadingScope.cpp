#include "platform/LoadingScope.h"

#include <algorithm>

#include "platform/Loadable.h"

namespace vx {
namespace {
thread_local TLoadingScope* innermost = nullptr;
}  // namespace

TLoadingScope::TLoadingScope() : outer_(innermost) {
    innermost = this;
}

TLoadingScope::~TLoadingScope() {
    innermost = outer_;
    // A Loaded() may destroy other members (which then leave the list) or
    // build new components (which join an outer scope, if any).
    while (!members_.empty()) {
        TLoadable* member = members_.front();
        members_.erase(members_.begin());
        member->scope_ = nullptr;
        member->EndLoading();
    }
}

TLoadingScope* TLoadingScope::Current() {
    return innermost;
}

void TLoadingScope::Add(TLoadable& component) {
    if (component.scope_ == this) return;
    if (component.scope_)
        component.scope_->Remove(component);
    else
        component.BeginLoading();
    component.scope_ = this;
    members_.push_back(&component);
}

void TLoadingScope::Remove(TLoadable& component) {
    members_.erase(std::remove(members_.begin(), members_.end(), &component), members_.end());
    component.scope_ = nullptr;
}

}  // namespace vx
