// What a control linked to a frame controller offers it.
//
// A frame controller (WgFrameController.h) pushes its settings into every
// control linked to it, one setting at a time, by the setting's number. A
// control takes the settings it has a property for and ignores the others;
// its notification set says which of them it wants at all.
#pragma once

#include <cstdint>
#include <optional>

namespace vx {

class TWgFrameController;

// The controller's settings in their numbered order; fcpAll stands for all.
enum class TWgFrameControllerNotification : std::uint8_t {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll,
};
inline constexpr int kFrameSettingCount = 16;  // fcpColor .. fcpFramingPreference

// A set of notifications, bit n for the notification numbered n.
using TWgFrameControllerNotifications = std::uint32_t;
constexpr TWgFrameControllerNotifications FcpBit(TWgFrameControllerNotification n) {
    return TWgFrameControllerNotifications{1} << static_cast<unsigned>(n);
}
inline constexpr TWgFrameControllerNotifications kAllFrameControllerNotifications = 0x1FFFF;

class TWgFrameControlled {
  public:
    // The settings the control takes, when it publishes such a set; a
    // control without one takes every setting it has a property for.
    virtual std::optional<TWgFrameControllerNotifications> FrameControllerNotifications() const {
        return std::nullopt;
    }
    // Sets the control's property of the setting's name from the controller,
    // when the control has one (never called with fcpAll).
    virtual void TakeFrameSetting(TWgFrameControllerNotification setting,
                                  const TWgFrameController& controller) = 0;
    // The controller is being destroyed: the control forgets it.
    virtual void FrameControllerRemoved(TWgFrameController& controller) = 0;

  protected:
    ~TWgFrameControlled() = default;
};

}  // namespace vx
