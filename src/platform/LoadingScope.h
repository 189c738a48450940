// A loading bracket around the building of a window.
//
// Every component constructed while the scope is open (on this thread; the
// innermost of nested scopes) starts in the loading state. When the scope
// closes, each one that still exists ends loading and runs its Loaded(), in
// the order they were constructed: a parent before its children, as they
// were created.
#pragma once

#include <vector>

namespace vx {

class TLoadable;

class TLoadingScope {
  public:
    TLoadingScope();
    ~TLoadingScope();
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

    // Puts an existing component into the bracket as well.
    void Add(TLoadable& component);

    // The innermost open scope of this thread, or none.
    static TLoadingScope* Current();

  private:
    friend class TLoadable;
    void Remove(TLoadable& component);

    std::vector<TLoadable*> members_;
    TLoadingScope* outer_ = nullptr;
};

}  // namespace vx
