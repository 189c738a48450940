// The loading state of a component while its window sets it up.
//
// A window sets a control's properties one after another when it builds
// itself. Doing each property's work at once (repainting, laying the
// children out again, pushing settings into linked controls) would be wasted
// and could act on half-set values, so a component can be put in a loading
// state: its setters then only store values, and when loading ends it runs
// Loaded() once, which does the deferred work with everything in place.
//
// Loading is either begun and ended on the component itself (the brackets
// nest; Loaded() runs at the outermost end), or, for every component
// constructed while a TLoadingScope is open, by that scope.
#pragma once

namespace vx {

class TLoadingScope;

class TLoadable {
  public:
    TLoadable(const TLoadable&) = delete;
    TLoadable& operator=(const TLoadable&) = delete;

    bool IsLoading() const { return loading_ > 0; }
    void BeginLoading() { ++loading_; }
    // Ends one bracket; the outermost end runs Loaded().
    void EndLoading();

  protected:
    // Joins the innermost open loading scope, if any, and starts loading.
    TLoadable();
    virtual ~TLoadable();

    // Runs once when loading ends, no longer loading.
    virtual void Loaded() {}

  private:
    friend class TLoadingScope;

    int loading_ = 0;
    TLoadingScope* scope_ = nullptr;
};

}  // namespace vx
