// The updater's main window, without the window: its two modes, the registry
// hand-off, the download button and the loading of the image.
//
// Started by the programming tool's firmware-update command (registry value
// "Flag" = 1 under HKEY_LOCAL_MACHINE "Software\vxTorvin"), the updater sends
// one of the firmware images it carries; otherwise it sends "Update.Da2" from
// its own folder, which a customer update package puts there. The built-in
// images are resources "FILE1".."FILE3" named "SRC1".."SRC3", one for each of
// the first three rows of the model list; the window layer supplies the
// reader for them (Qt resources). A row without an image (rows 4 and 5, or
// every row of a build without the ARM tool chain) is reported when the load
// is tried.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "updater/STM.h"

namespace vx {

enum class UpdateMode { File, Resource };

// The controls of the main window the logic drives.
class UpdaterView {
  public:
    virtual ~UpdaterView() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // The model list "PLC_Type": enabled or not, and its selection (-1: none).
    virtual void SetModelList(bool enabled, int index) = 0;
    virtual int ModelIndex() const = 0;
    // The port list "Serial_Port": 0 = COM1.
    virtual int PortIndex() const = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowProgress(int percent) = 0;
    virtual void ShowProgressHint(const std::string& hint) = 0;
    virtual void ShowLamp(bool portOpen) = 0;
    virtual void CloseWindow() = 0;
};

// A built-in image by resource type and name; nothing when there is none.
using ResourceReader =
    std::function<std::optional<std::string>(const std::string& type, const std::string& name)>;

// The rows of the model list: the controller families of the built-in images
// "SRC1".."SRC3" (the standard and the larger memory map, the pulse
// controllers), then two rows without an image.
const std::vector<std::string>& ModelNames();
// The port list: "COM1" to "COM8".
std::vector<std::string> PortNames();
// The window's caption in each mode.
std::string CaptionFor(UpdateMode mode);

class UpdaterMain final : public SessionHost {
  public:
    // The view, link and timers must outlive this object. "Update.Da2" is
    // looked for in packageFolder, the updater's own folder (a customer
    // update package); empty: the program folder.
    UpdaterMain(UpdaterView& view, SerialLink& link, TimerSet& timers, ResourceReader resources,
                std::string packageFolder = {});

    // The show handler: reads and resets "Flag", sets caption and model list.
    void FormShow();
    // The "下载" button.
    void BitBtn2Click();
    // Loads the image afresh into the buffer, at the start of each attempt.
    // The status line says "下载目标代码" only once a chip has answered and
    // been identified (the session writes it).
    ImageLoad RenewedlyLoadFile(std::vector<std::uint8_t>& imageBuffer);
    // The window is about to close: while the flash is being written the
    // user is asked first, as closing leaves the controller with part of its
    // firmware. True: close (the transfer is stopped and the port closed).
    bool CloseQuery();

    UpdateMode Mode() const { return mode_; }
    const std::string& PackageImagePath() const { return packageImagePath_; }
    TSTMForm& Session() { return stm_; }

    // SessionHost
    int SelectedPort() const override { return view_.PortIndex(); }
    ImageLoad LoadImage(std::vector<std::uint8_t>& imageBuffer) override {
        return RenewedlyLoadFile(imageBuffer);
    }
    void ShowStatus(const std::string& text) override { view_.ShowStatus(text); }
    void ShowProgress(int percent) override { view_.ShowProgress(percent); }
    void ShowProgressHint(const std::string& hint) override { view_.ShowProgressHint(hint); }
    void ShowLamp(bool portOpen) override { view_.ShowLamp(portOpen); }
    void CloseMainWindow() override { view_.CloseWindow(); }

  private:
    UpdaterView& view_;
    ResourceReader resources_;
    std::string packageFolder_;
    UpdateMode mode_ = UpdateMode::File;
    std::string packageImagePath_;
    TSTMForm stm_;
};

}  // namespace vx
