// The downloader (`vx_Downloads`): writes a controller image into the
// controller through its ROM boot loader, with a modal progress window owned
// by the caller, and tells every outcome itself in a message box.
//
// The transfer (BootDownload) runs on a thread of its own while the window
// keeps the tool's event loop going; its cancel button (and Esc, and the close
// box) asks the transfer to stop, and the window closes once it has.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "outside/BootDownload.h"

namespace vx {

class TDownloadsFrm : public QDialog {
    Q_OBJECT
  public:
    TDownloadsFrm(int port, std::vector<std::uint8_t> image, bool chinese, QWidget* owner,
                  DownloadTimes times = {});
    ~TDownloadsFrm() override;

    // Starts the transfer and shows the window until it has ended.
    int exec() override;
    // The outcome, once exec has returned.
    const DownloadOutcome& Outcome() const { return outcome_; }

    QLabel* Label1() const { return label1_; }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    bool CancelAsked() const { return cancel_; }

    // Esc and the close box cancel, as the button does.
    void reject() override;

  private:
    class Observer;
    void Cancel();
    void ShowStage(DownloadStage stage);
    void ShowProgress(std::size_t done, std::size_t total);
    void Finished(const DownloadOutcome& outcome);

    int port_;
    std::vector<std::uint8_t> image_;
    bool chinese_;
    DownloadTimes times_;
    DownloadStage stage_ = DownloadStage::Connecting;
    DownloadOutcome outcome_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
    QLabel* label1_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// The language of the downloader's window and messages; the tool sets it
// from its language item before each call.
void SetDownloadsChinese(bool chinese);

// Downloads the image file into the controller on the word's port (see
// DownloadRequest.h), modal over owner. 0 when the program is in the
// controller and verified; otherwise the DownloadError, already told.
int vx_Downloads(QWidget* owner, const char* imagePath, std::uint32_t word);

// Replaces what vx_Downloads does (tests install their own); returns the one
// before. An empty function restores the downloader.
using DownloadsPresenter =
    std::function<int(QWidget* owner, const std::string& imagePath, std::uint32_t word)>;
DownloadsPresenter SetDownloadsPresenter(DownloadsPresenter presenter);

}  // namespace vx
