#include "widgets/WgFrameController.h"

#include <algorithm>

#include "widgets/WgRegIniFile.h"

namespace vx {

using N = TWgFrameControllerNotification;

TWgFrameController::TWgFrameController() = default;

TWgFrameController::~TWgFrameController() {
    if (regIniFile_) regIniFile_->RemoveFreeNotification(this);
    const std::vector<TWgFrameControlled*> linked = std::move(controls_);
    controls_.clear();
    for (TWgFrameControlled* control : linked)
        control->FrameControllerRemoved(*this);
}

void TWgFrameController::Link(TWgFrameControlled& control) {
    if (!IsLinked(control)) controls_.push_back(&control);
    Notify(N::fcpAll);
}

void TWgFrameController::Unlink(TWgFrameControlled& control) {
    std::erase(controls_, &control);
}

bool TWgFrameController::IsLinked(const TWgFrameControlled& control) const {
    return std::find(controls_.begin(), controls_.end(), &control) != controls_.end();
}

void TWgFrameController::Notify(TWgFrameControllerNotification setting) {
    if (updating_ > 0) return;
    // A control may unlink itself (or another) while it takes a setting.
    const std::vector<TWgFrameControlled*> linked = controls_;
    for (TWgFrameControlled* control : linked) {
        if (IsLinked(*control)) Update(*control, setting);
    }
}

void TWgFrameController::Update(TWgFrameControlled& control,
                                TWgFrameControllerNotification setting) {
    if (const auto* loadable = dynamic_cast<const TLoadable*>(&control);
        loadable && loadable->IsLoading())
        return;
    const TWgFrameControllerNotifications wanted =
        control.FrameControllerNotifications().value_or(kAllFrameControllerNotifications);
    if (setting != N::fcpAll) {
        if (wanted & FcpBit(setting)) control.TakeFrameSetting(setting, *this);
        return;
    }
    for (int i = 0; i < kFrameSettingCount; ++i) {
        const auto each = static_cast<N>(i);
        if (wanted & FcpBit(each)) control.TakeFrameSetting(each, *this);
    }
}

void TWgFrameController::EndUpdate() {
    if (updating_ == 0) return;
    if (--updating_ == 0) Notify(N::fcpAll);
}

void TWgFrameController::Assign(const TWgFrameController& other) {
    if (&other == this) return;
    BeginUpdate();
    SetColor(other.color_);
    SetParentColor(other.parentColor_);
    SetFlatButtonColor(other.flatButtonColor_);
    SetFlatButtons(other.flatButtons_);
    SetDisabledColor(other.disabledColor_);
    SetReadOnlyColor(other.readOnlyColor_);
    SetReadOnlyColorOnFocus(other.readOnlyColorOnFocus_);
    SetFocusColor(other.focusColor_);
    SetFrameColor(other.frameColor_);
    SetFrameHotColor(other.frameHotColor_);
    SetFrameHotTrack(other.frameHotTrack_);
    SetFrameHotStyle(other.frameHotStyle_);
    SetFrameSides(other.frameSides_);
    SetFrameStyle(other.frameStyle_);
    SetFrameVisible(other.frameVisible_);
    SetFramingPreference(other.framingPreference_);
    SetRegIniFile(other.regIniFile_);
    EndUpdate();
}

void TWgFrameController::Loaded() {
    Notify(N::fcpAll);
}

void TWgFrameController::SetColor(TColor color) {
    if (color_ == color) return;
    const bool focusAlong = focusColor_ == color_;  // the focus colour moves along
    if (focusAlong) focusColor_ = color;
    color_ = color;
    parentColor_ = false;
    Notify(N::fcpColor);
    // The controls would otherwise keep the old focus colour.
    if (focusAlong) Notify(N::fcpFocusColor);
}

void TWgFrameController::SetParentColor(bool parentColor) {
    if (!Store(parentColor_, parentColor, N::fcpParentColor)) return;
    if (!parentColor_) Notify(N::fcpColor);
}

void TWgFrameController::SetFlatButtonColor(TColor color) {
    Store(flatButtonColor_, color, N::fcpFlatButtonColor);
}

void TWgFrameController::SetFlatButtons(bool flat) {
    Store(flatButtons_, flat, N::fcpFlatButtons);
}

void TWgFrameController::SetDisabledColor(TColor color) {
    Store(disabledColor_, color, N::fcpDisabledColor);
}

void TWgFrameController::SetReadOnlyColor(TColor color) {
    Store(readOnlyColor_, color, N::fcpReadOnlyColor);
}

void TWgFrameController::SetReadOnlyColorOnFocus(bool onFocus) {
    Store(readOnlyColorOnFocus_, onFocus, N::fcpReadOnlyColorOnFocus);
}

void TWgFrameController::SetFocusColor(TColor color) {
    Store(focusColor_, color, N::fcpFocusColor);
}

void TWgFrameController::SetFrameColor(TColor color) {
    Store(frameColor_, color, N::fcpFrameColor);
}

void TWgFrameController::SetFrameHotColor(TColor color) {
    Store(frameHotColor_, color, N::fcpFrameHotColor);
}

void TWgFrameController::SetFrameHotTrack(bool hotTrack) {
    if (frameHotTrack_ == hotTrack) return;
    frameHotTrack_ = hotTrack;
    bool visibleAlong = false, sidesAlong = false;
    if (frameHotTrack_) {
        visibleAlong = !frameVisible_;
        frameVisible_ = true;
        if (!IsLoading()) {
            sidesAlong = frameSides_ != TSides::All();
            frameSides_ = TSides::All();
        }
    }
    Notify(N::fcpFrameHotTrack);
    // Settings changed along with it reach the controls too.
    if (visibleAlong) Notify(N::fcpFrameVisible);
    if (sidesAlong) Notify(N::fcpFrameSides);
}

void TWgFrameController::SetFrameHotStyle(TFrameStyle style) {
    Store(frameHotStyle_, style, N::fcpFrameHotStyle);
}

void TWgFrameController::SetFrameSides(TSides sides) {
    Store(frameSides_, sides, N::fcpFrameSides);
}

void TWgFrameController::SetFrameStyle(TFrameStyle style) {
    Store(frameStyle_, style, N::fcpFrameStyle);
}

void TWgFrameController::SetFrameVisible(bool visible) {
    Store(frameVisible_, visible, N::fcpFrameVisible);
}

void TWgFrameController::SetFramingPreference(TFramingPreference preference) {
    Store(framingPreference_, preference, N::fcpFramingPreference);
}

void TWgFrameController::SetRegIniFile(TWgRegIniFile* store) {
    if (regIniFile_ == store) return;
    if (regIniFile_) regIniFile_->RemoveFreeNotification(this);
    regIniFile_ = store;
    if (regIniFile_) regIniFile_->FreeNotification(this, [this] { regIniFile_ = nullptr; });
}

}  // namespace vx
