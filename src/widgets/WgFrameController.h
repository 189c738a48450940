// `TWgFrameController`: one set of frame and colour settings pushed into
// every control linked to it, so that a family of controls is restyled in
// one place.
//
// Each setter stores a changed value and sends its setting's number to every
// linked control (WgFrameControlled.h), which takes it when it has such a
// property and wants it. A setting that changes along with another (the focus
// colour with an equal colour, the frame's visibility and sides with hot
// tracking) is sent after it. While an update bracket is open nothing is sent;
// closing it sends every setting (fcpAll). A control that is loading is left
// alone; the controller's own Loaded() sends every setting.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Colors.h"
#include "platform/Loadable.h"
#include "widgets/WgCommon.h"
#include "widgets/WgFrameControlled.h"

namespace vx {

class TWgRegIniFile;

enum class TFramingPreference : std::uint8_t { fpCustomFraming, fpXPThemes };

class TWgFrameController : public TLoadable {
  public:
    TWgFrameController();
    ~TWgFrameController() override;

    // Called by a control's FrameController setter: links the control once,
    // then sends every setting to all linked controls.
    void Link(TWgFrameControlled& control);
    // Called by the control's setter or destructor.
    void Unlink(TWgFrameControlled& control);
    bool IsLinked(const TWgFrameControlled& control) const;
    std::size_t LinkedCount() const { return controls_.size(); }

    // Sends the setting to every linked control, in the order they were
    // linked; nothing while an update bracket is open.
    void Notify(TWgFrameControllerNotification setting);
    // Sends the setting to one control (every setting for fcpAll), as far as
    // the control's notification set allows; nothing while it is loading.
    void Update(TWgFrameControlled& control, TWgFrameControllerNotification setting);

    void BeginUpdate() { ++updating_; }
    // The outermost end sends every setting.
    void EndUpdate();

    // Copies every setting of the other controller (not its links), then
    // sends every setting once.
    void Assign(const TWgFrameController& other);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor color);
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool flat);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor color);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool onFocus);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor color);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color);
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor color);
    bool FrameHotTrack() const { return frameHotTrack_; }
    void SetFrameHotTrack(bool hotTrack);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyle style);
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides sides);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle style);
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool visible);
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference preference);
    // The store for the settings; forgotten when it is destroyed.
    TWgRegIniFile* RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TWgRegIniFile* store);

  protected:
    void Loaded() override;

  private:
    template <typename T>
    bool Store(T& field, const T& value, TWgFrameControllerNotification setting) {
        if (field == value) return false;
        field = value;
        Notify(setting);
        return true;
    }

    std::vector<TWgFrameControlled*> controls_;
    int updating_ = 0;

    TColor color_ = clWindow;
    bool parentColor_ = false;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor focusColor_ = clWindow;
    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = TFrameStyle::fsFlatBold;
    TSides frameSides_ = TSides::All();
    TFrameStyle frameStyle_ = TFrameStyle::fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = TFramingPreference::fpXPThemes;
    TWgRegIniFile* regIniFile_ = nullptr;
};

}  // namespace vx
