// The look of a component chosen by number: the office stylers of the menus
// and tool bars implement it, so another component can hand them a style
// code without knowing their class.
#pragma once

namespace vx {

class IComponentStyle {
  public:
    // A style code 0 to 9; each implementer maps it to a look of its own.
    virtual void SetComponentStyle(int style) = 0;

  protected:
    ~IComponentStyle() = default;
};

}  // namespace vx
