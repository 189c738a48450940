// The base of the tool-bar family's value objects (appearances, colour sets):
// an assignment that copies what each class lists, and a change notice.
//
// Assigning from an object of a class that the target cannot copy reports
// the assignment error, "Cannot assign a <source class> to a <target class>.",
// as the window framework does.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace vx {

class EToolBarAssignError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TToolBarPersistent;
// Called with the object that changed.
using TToolBarNotifyEvent = std::function<void(TToolBarPersistent* sender)>;

class TToolBarPersistent {
  public:
    TToolBarPersistent() = default;
    TToolBarPersistent(const TToolBarPersistent&) = delete;
    TToolBarPersistent& operator=(const TToolBarPersistent&) = delete;
    virtual ~TToolBarPersistent() = default;

    virtual const char* ClassName() const = 0;

    // Copies what the class lists from a source it knows; this base reports
    // the assignment error.
    virtual void Assign(const TToolBarPersistent& source);

    const TToolBarNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TToolBarNotifyEvent handler) { onChange_ = std::move(handler); }

  protected:
    // Calls OnChange when one is set.
    void Changed();

    // Stores a different value and reports the change; an equal one does
    // nothing.
    template <typename T>
    void Update(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

  private:
    TToolBarNotifyEvent onChange_;
};

}  // namespace vx
