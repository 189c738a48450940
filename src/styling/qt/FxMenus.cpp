#include "styling/qt/FxMenus.h"

#include "styling/qt/FxMenuStylers.h"

namespace vx {

void TFxMainMenu::SetMenuStyler(TFxMenuOfficeStyler* styler) {
    if (styler) styler->Register(this);
}

void TFxPopupMenu::SetMenuStyler(TFxMenuOfficeStyler* styler) {
    if (styler) styler->Register(this);
}

}  // namespace vx
