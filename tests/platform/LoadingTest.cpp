#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Loadable.h"
#include "platform/LoadingScope.h"

namespace vx {
namespace {

// Records each Loaded() and whether it still counted as loading then.
class Component : public TLoadable {
  public:
    Component(std::vector<std::string>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    std::function<void()> onLoaded;

  protected:
    void Loaded() override {
        log_.push_back(name_ + (IsLoading() ? " loading" : ""));
        if (onLoaded) onLoaded();
    }

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(LoadingTest, BracketsNestAndLoadedRunsOnceAtTheOutermostEnd) {
    std::vector<std::string> log;
    Component c(log, "c");
    EXPECT_FALSE(c.IsLoading());
    c.EndLoading();  // an end without a begin does nothing
    c.BeginLoading();
    c.BeginLoading();
    c.EndLoading();
    EXPECT_TRUE(c.IsLoading());
    EXPECT_TRUE(log.empty());
    c.EndLoading();
    EXPECT_FALSE(c.IsLoading());
    EXPECT_EQ(log, (std::vector<std::string>{"c"}));
}

TEST(LoadingTest, ScopeLoadsWhatWasBuiltInItInCreationOrder) {
    std::vector<std::string> log;
    Component before(log, "before");
    std::unique_ptr<Component> a, b, gone;
    {
        TLoadingScope scope;
        a = std::make_unique<Component>(log, "a");
        gone = std::make_unique<Component>(log, "gone");
        b = std::make_unique<Component>(log, "b");
        EXPECT_TRUE(a->IsLoading());
        EXPECT_FALSE(before.IsLoading());
        gone.reset();  // destroyed inside the bracket: never loaded
        EXPECT_TRUE(log.empty());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(b->IsLoading());
    Component after(log, "after");
    EXPECT_FALSE(after.IsLoading());
}

TEST(LoadingTest, LoadedMayDestroyALaterMemberAndTheOthersStillLoad) {
    std::vector<std::string> log;
    std::unique_ptr<Component> first, second, third;
    {
        TLoadingScope scope;
        first = std::make_unique<Component>(log, "first");
        second = std::make_unique<Component>(log, "second");
        third = std::make_unique<Component>(log, "third");
        first->onLoaded = [&] { second.reset(); };
    }
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third"}));
}

TEST(LoadingTest, InnerScopeLoadsItsOwnAndAddedComponentsJoin) {
    std::vector<std::string> log;
    Component outside(log, "outside");
    std::unique_ptr<Component> o, i;
    {
        TLoadingScope outer;
        o = std::make_unique<Component>(log, "o");
        {
            TLoadingScope inner;
            i = std::make_unique<Component>(log, "i");
            inner.Add(outside);
            EXPECT_TRUE(outside.IsLoading());
            EXPECT_TRUE(o->IsLoading());
        }
        EXPECT_EQ(log, (std::vector<std::string>{"i", "outside"}));
        EXPECT_TRUE(o->IsLoading());
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"o"}));
}

}  // namespace
}  // namespace vx
