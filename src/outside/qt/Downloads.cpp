#include "outside/qt/Downloads.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/LadderProgram.h"
#include "outside/DownloadRequest.h"
#include "platform/MessageBox.h"
#include "updater/PosixSerialLink.h"

namespace vx {
namespace {

bool& DownloadsChinese() {
    static bool chinese = true;
    return chinese;
}

DownloadsPresenter& Presenter() {
    static DownloadsPresenter presenter;
    return presenter;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

// Hands the transfer's news to the window's thread.
class TDownloadsFrm::Observer final : public DownloadObserver {
  public:
    explicit Observer(TDownloadsFrm* frm) : frm_(frm) {}
    void Stage(DownloadStage stage) override {
        QMetaObject::invokeMethod(
            frm_, [f = frm_, stage] { f->ShowStage(stage); }, Qt::QueuedConnection);
    }
    void Progress(std::size_t done, std::size_t total) override {
        QMetaObject::invokeMethod(
            frm_, [f = frm_, done, total] { f->ShowProgress(done, total); }, Qt::QueuedConnection);
    }
    bool CancelRequested() override { return frm_->cancel_; }

  private:
    TDownloadsFrm* frm_;
};

TDownloadsFrm::TDownloadsFrm(int port, std::vector<std::uint8_t> image, bool chinese,
                             QWidget* owner, DownloadTimes times)
    : QDialog(owner), port_(port), image_(std::move(image)), chinese_(chinese), times_(times) {
    setObjectName(QStringLiteral("DownloadsFrm"));
    setWindowTitle(chinese_ ? QStringLiteral("下载") : QStringLiteral("Download"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setMinimumWidth(320);
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);  // the line above says how far the stage is
    cancelButton_ =
        new QPushButton(chinese_ ? QStringLiteral("取消(&C)") : QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(progressBar1_);
    layout->addLayout(buttons);
    connect(cancelButton_, &QPushButton::clicked, this, &TDownloadsFrm::Cancel);
    ShowStage(DownloadStage::Connecting);
}

TDownloadsFrm::~TDownloadsFrm() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

int TDownloadsFrm::exec() {
    if (!worker_.joinable()) {
        worker_ = std::thread([this] {
            PosixSerialLink link;
            BootDownload download(link, TheSystemClock(), times_);
            Observer observer(this);
            DownloadOutcome outcome = download.Run(port_, image_, &observer);
            QMetaObject::invokeMethod(
                this, [this, outcome] { Finished(outcome); }, Qt::QueuedConnection);
        });
    }
    return QDialog::exec();
}

void TDownloadsFrm::reject() {
    Cancel();
}

void TDownloadsFrm::Cancel() {
    cancel_ = true;
    cancelButton_->setEnabled(false);
    label1_->setText(chinese_ ? QStringLiteral("正在取消。。。") : QStringLiteral("Cancelling..."));
}

void TDownloadsFrm::ShowStage(DownloadStage stage) {
    stage_ = stage;
    if (cancel_) return;
    label1_->setText(Q(DownloadStageText(stage, port_, 0, chinese_)));
    // The bar measures what the line above it says: each stage from 0.
    if (stage != DownloadStage::Starting) progressBar1_->setValue(0);
}

void TDownloadsFrm::ShowProgress(std::size_t done, std::size_t total) {
    if (cancel_ || total == 0) return;
    const int percent = static_cast<int>(done * 100 / total);
    label1_->setText(Q(DownloadStageText(stage_, port_, percent, chinese_)));
    progressBar1_->setValue(percent);
}

void TDownloadsFrm::Finished(const DownloadOutcome& outcome) {
    outcome_ = outcome;
    if (worker_.joinable()) worker_.join();
    done(outcome_.Ok() ? QDialog::Accepted : QDialog::Rejected);
}

void SetDownloadsChinese(bool chinese) {
    DownloadsChinese() = chinese;
}

DownloadsPresenter SetDownloadsPresenter(DownloadsPresenter presenter) {
    DownloadsPresenter before = std::move(Presenter());
    Presenter() = std::move(presenter);
    return before;
}

int vx_Downloads(QWidget* owner, const char* imagePath, std::uint32_t word) {
    const std::string path = imagePath ? imagePath : "";
    if (Presenter()) return Presenter()(owner, path, word);
    const bool chinese = DownloadsChinese();
    const DownloadRequest request = UnpackDownloadWord(word);
    DownloadOutcome outcome;
    outcome.port = request.port;
    if (std::optional<std::vector<std::uint8_t>> image = ReadDownloadImage(path)) {
        TDownloadsFrm frm(request.port, std::move(*image), chinese, owner);
        frm.exec();
        outcome = frm.Outcome();
    } else {
        outcome.error = DownloadError::ImageUnreadable;
    }
    ShowMessage({kProductTitle, DownloadMessage(outcome, chinese, path),
                 outcome.Ok() ? MsgIcon::Information : MsgIcon::Exclamation, MsgButtons::Ok});
    return static_cast<int>(outcome.error);
}

}  // namespace vx
