// How a component takes a look by number: the office stylers and the glow
// button take a style code, and a tool bar hands its styler's code on to
// those of its controls that take one.
#pragma once

#include <cstdint>

namespace vx {

class IComponentStyle {
  public:
    // A style code, 0 to 9 (the styler's ComponentStyleCode).
    virtual void SetComponentStyle(std::uint8_t code) = 0;

  protected:
    ~IComponentStyle() = default;
};

}  // namespace vx
