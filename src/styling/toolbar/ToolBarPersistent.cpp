#include "styling/toolbar/ToolBarPersistent.h"

namespace vx {

void TToolBarPersistent::Assign(const TToolBarPersistent& source) {
    throw EToolBarAssignError(std::string("Cannot assign a ") + source.ClassName() + " to a " +
                              ClassName() + ".");
}

void TToolBarPersistent::Changed() {
    if (onChange_) onChange_(this);
}

}  // namespace vx
