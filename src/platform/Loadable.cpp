#include "platform/Loadable.h"

#include "platform/LoadingScope.h"

namespace vx {

TLoadable::TLoadable() {
    if (TLoadingScope* scope = TLoadingScope::Current()) scope->Add(*this);
}

TLoadable::~TLoadable() {
    if (scope_) scope_->Remove(*this);
}

void TLoadable::EndLoading() {
    if (loading_ == 0) return;
    if (--loading_ == 0) Loaded();
}

}  // namespace vx
