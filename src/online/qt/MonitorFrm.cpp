#include "online/qt/MonitorFrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <exception>
#include <thread>

#include "model/LadderProgram.h"
#include "online/LinkSettings.h"
#include "online/LinkTexts.h"
#include "online/MemoryGrid.h"
#include "online/qt/MonitorDf.h"
#include "online/qt/MonitorGotoFrm.h"
#include "online/qt/MonitorGrid.h"
#include "online/qt/MonitorRSf.h"
#include "online/qt/MonitorTabImages.h"
#include "outside/ModbusLink.h"
#include "platform/LoadingScope.h"
#include "platform/MessageBox.h"
#include "platform/paint/Canvas.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

constexpr int kGroupBarWidth = 145;
constexpr int kOtherPlace = 10;  // Tag of "其它定位"
constexpr int kCloseTab = 8;
constexpr const char* kCaption = "软元件内存";
constexpr const char* kEnglishCaption = "Device Memory";

struct TabInfo {
    const char* sheet;
    const char* caption;
};

constexpr TabInfo kTabs[] = {
    {"TabSheet_X", "  X 接点  "},   {"TabSheet_Y", "  Y 接点  "},   {"TabSheet_M", "  M 接点  "},
    {"TabSheet_S", "  S 流程  "},   {"TabSheet_T", "  T 计时器  "}, {"TabSheet_C", "  C 计数器  "},
    {"TabSheet_D", "  D 寄存器  "}, {"TabSheet_SD", "D系统寄存器"}, {"TabSheet_GB", " 关 闭 "},
};

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// "M0300-M0599": the 300 devices of block n.
std::string BlockItem(char letter, int block) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%04d-%c%04d", letter, block * 300, letter,
                  block * 300 + 299);
    return text;
}

}  // namespace

TMonitorFrm::TMonitorFrm(QWidget* parent, DeviceImage& image, ModbusCalls& calls, PollState& state)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      image_(image),
      calls_(calls),
      state_(state) {
    setObjectName(QStringLiteral("MonitorFrm"));
    setWindowTitle(Q(kCaption));
    setFont(ToQFont(CanvasFont{}));

    hooks_.chinese = [] { return true; };
    hooks_.writeBit = [](int value, int number, int code) {
        return Modbus_Write_B_relay(value, number, code);
    };
    hooks_.writeWords = [](const std::uint16_t* words, int number, int count, int code) {
        return Modbus_Write_W_register(words, number, count, code);
    };

    BuildGroupBar();
    BuildPages();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(groupBar_);
    layout->addWidget(pageControl_);

    monitorRSf_ = new TMonitorRSf(*this);
    monitorDf_ = new TMonitorDf(*this);
    monitorGotoFrm_ = new TMonitorGotoFrm(this);

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(200);
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(10);
    timer3_.setObjectName(QStringLiteral("Timer3"));
    timer3_.setInterval(2000);
    connect(&timer1_, &QTimer::timeout, this, &TMonitorFrm::Timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &TMonitorFrm::Timer2Timer);
    connect(&timer3_, &QTimer::timeout, this, &TMonitorFrm::Timer3Timer);

    setFixedSize(sizeHint());
}

TMonitorFrm::~TMonitorFrm() {
    // A window destroyed while shown still gives its link back.
    const bool open = timer1_.isActive();
    timer1_.stop();
    timer2_.stop();
    timer3_.stop();
    if (open) calls_.Close();
}

void TMonitorFrm::BuildGroupBar() {
    // Built as a form loads: the bar lays its groups out once, at the end.
    TLoadingScope loading;
    groupBar_ = new TWgGroupBar(this);
    groupBar_->setObjectName(QStringLiteral("WgGroupBar1"));
    groupBar_->setFixedWidth(kGroupBarWidth);
    groupBar_->SetBorderShadow(clAqua);
    groupBar_->SetGradientColorStyle(TWgGradientColorStyle::gcsCustom);
    groupBar_->SetGradientColorStart(9229030);
    groupBar_->SetGradientColorStop(5607865);
    groupBar_->SetGroupBorderSize(8);
    groupBar_->SetUniqueItemSelection(true);
    groupBar_->SetVisualStyle(TWgVisualStyle::vsWinXP);
    groupBar_->SetColor(clBtnShadow);

    auto group = [this](MonitorTab tab, const char* name, const char* caption) {
        auto* g = new TWgGroup(groupBar_);
        g->setObjectName(QString::fromLatin1(name));
        g->SetCaption(Q(caption));
        g->SetShowItemSelection(true);
        groups_[static_cast<std::size_t>(tab)] = g;
        return g;
    };
    auto item = [this](MonitorTab tab, const std::string& caption, int tag) -> TWgGroupItem& {
        TWgGroupItem& i = WgGroup(tab)->Items().Add();
        i.SetCaption(caption);
        i.SetTag(tag);
        i.SetOnClick(TWgNotifyEvent([this, tab](TWgObject& sender) {
            GroupItemClicked(tab, static_cast<TWgGroupItem&>(sender));
        }));
        return i;
    };

    group(MonitorTab::X, "WgGroup_X", "X接点");
    item(MonitorTab::X, "X000-X357", 0);
    item(MonitorTab::X, "X020-X377", 1);
    group(MonitorTab::Y, "WgGroup_Y", "Y接点");
    item(MonitorTab::Y, "Y000-Y357", 0);
    item(MonitorTab::Y, "Y020-Y377", 1);
    group(MonitorTab::M, "WgGroup_M", "M接点");
    for (int block = 0; block < 10; ++block)
        item(MonitorTab::M, BlockItem('M', block), block);
    item(MonitorTab::M, "其它定位", kOtherPlace).SetFontColor(clRed);
    group(MonitorTab::T, "WgGroup_T", "T 计时器");
    item(MonitorTab::T, "T000-T299", 0);
    item(MonitorTab::T, "T100-T399", 1);
    group(MonitorTab::D, "WgGroup_D", "D寄存器")->SetOpened(false);
    for (int block = 0; block < 10; ++block)
        item(MonitorTab::D, BlockItem('D', block), block);
    item(MonitorTab::D, "其它定位", kOtherPlace);
}

void TMonitorFrm::BuildPages() {
    QSize largest;
    {
        // Set up as a stored window is read: the first page is shown when
        // loading ends, without a change event.
        TLoadingScope loading;
        pageControl_ = new TWgPageControl(this);
        pageControl_->setObjectName(QStringLiteral("PageControl1"));
        pageControl_->SetTabStyle(TWgTabStyle::tsSquareCorners);
        pageControl_->SetImagePosition(TWgImagePosition::ipTop);
        pageControl_->SetImages(MonitorTabImages(pageControl_));
        pageControl_->SetUseColoredTabs(true);
        pageControl_->SetBoldCurrentTab(true);
        pageControl_->SetFixedDimension(43);
        for (int i = 0; i <= kCloseTab; ++i) {
            auto* sheet = new TWgTabSheet(pageControl_);
            sheet->setObjectName(QString::fromLatin1(kTabs[i].sheet));
            sheet->SetCaption(Q(kTabs[i].caption));
            sheet->SetImageIndex(i);
            if (i < kMonitorGridTabs) {
                const auto tab = static_cast<MonitorTab>(i);
                auto* grid = new TMonitorGrid(tab, image_, windows_, sheet);
                grid->setFixedSize(grid->GridSize());
                largest = largest.expandedTo(grid->GridSize());
                grids_[static_cast<std::size_t>(i)] = grid;
                auto* layout = new QVBoxLayout(sheet);
                layout->setContentsMargins(0, 0, 0, 0);
                layout->addWidget(grid, 0, Qt::AlignLeft | Qt::AlignTop);
                connect(grid, &QAbstractItemView::doubleClicked, this,
                        [this, tab] { GridDblClick(tab); });
            }
        }
        pageControl_->SetActivePageIndex(0);
        pageControl_->OnChange = [this] {
            if (!settingTab_) PageControl1Change();
        };
    }

    dShowFormat_ = new QComboBox(pageControl_);
    dShowFormat_->setObjectName(QStringLiteral("DShow_Format"));
    for (int f = 0; f < kDFormatCount; ++f)
        dShowFormat_->addItem(Q(FormatCaption(static_cast<DFormat>(f))));
    dShowFormat_->setCurrentIndex(0);
    dShowFormat_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    dShowFormat_->hide();
    connect(dShowFormat_, &QComboBox::currentIndexChanged, this, [this] { DShow_FormatChange(); });

    // The page control as large as the largest grid and the tab strip need.
    pageControl_->resize(largest + QSize(200, 200));
    const TRect area = pageControl_->ChildArea();
    pageControl_->setFixedSize(largest.width() + pageControl_->width() - area.Width(),
                               largest.height() + pageControl_->height() - area.Height());
    PlacePages();
}

void TMonitorFrm::PlacePages() {
    // The format choice stands at the right end of the tab strip.
    const TRect card = pageControl_->CardRect(0);
    const QSize size = dShowFormat_->sizeHint();
    dShowFormat_->setGeometry(pageControl_->width() - size.width() - 4,
                              std::max(0, (card.top - size.height()) / 2), size.width(),
                              size.height());
    dShowFormat_->raise();
}

TWgGroup* TMonitorFrm::WgGroup(MonitorTab tab) const {
    const auto i = static_cast<std::size_t>(tab);
    return i < groups_.size() ? groups_[i] : nullptr;
}

DFormat TMonitorFrm::Format() const {
    const int index = dShowFormat_->currentIndex();
    return index >= 0 && index < kDFormatCount ? static_cast<DFormat>(index) : DFormat::U16;
}

void TMonitorFrm::PausePolling() {
    if (pauses_++ == 0) {
        pollingBeforePause_ = timer2_.isActive();
        timer2_.stop();
    }
}

void TMonitorFrm::ResumePolling() {
    if (pauses_ == 0) return;
    if (--pauses_ == 0 && pollingBeforePause_ && timer1_.isActive()) timer2_.start();
}

void TMonitorFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMonitorFrm::FormShow() {
    // Centred horizontally, 100 pixels from the top of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + std::max(0, (area.width() - width()) / 2), area.top() + 100);
    }
    setWindowTitle(Caption());
    for (TMonitorGrid* grid : grids_)
        grid->SetChinese(Chinese());
    const bool open =
        calls_.Open(LinkParametersFor(TheLinkSettings(), TheProgram().sysParamString));
    image_.Clear();
    // Whatever ladder monitoring left outstanding is not this window's read.
    state_.Reset();
    pauses_ = 0;
    windows_ = PollWindows{};
    if (open) {
        timer1_.start();
        timer2_.start();
        timer3_.start();
    } else {
        timer1_.stop();
        timer2_.stop();
        timer3_.stop();
        ShowLinkFailed();  // every cell stays grey: nothing is read
    }
    settingTab_ = true;
    pageControl_->SetActivePageIndex(static_cast<int>(lastTab_));
    settingTab_ = false;
    PageControl1Change();
}

void TMonitorFrm::closeEvent(QCloseEvent* event) {
    if (isVisible()) FormClose();
    event->accept();
}

void TMonitorFrm::FormClose() {
    const bool open = timer1_.isActive();
    timer1_.stop();
    timer2_.stop();
    timer3_.stop();
    pauses_ = 0;
    if (hooks_.monitorButtonUp) hooks_.monitorButtonUp();
    if (hooks_.repaintLadder) hooks_.repaintLadder();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    if (open) calls_.Close();
    if (tag_ == kFromLadderMonitoring) {
        tag_ = 0;
        if (hooks_.restartLadderMonitoring) hooks_.restartLadderMonitoring();
    }
}

void TMonitorFrm::PageControl1Change() {
    const int index = pageControl_->ActivePageIndex();
    if (index < 0 || index >= kCloseTab) {
        flags_ = PollFlags{};
        dShowFormat_->hide();
        if (index == kCloseTab) close();
        return;
    }
    const auto tab = static_cast<MonitorTab>(index);
    flags_ = FlagsOfTab(tab);
    shownTab_ = tab;
    lastTab_ = tab;
    Grid(tab)->setFocus();
    dShowFormat_->setVisible(tab == MonitorTab::D);
    if (tab == MonitorTab::M) windows_.mOffset = 0;
    if (tab == MonitorTab::D) windows_.dOffset = 0;
}

void TMonitorFrm::DShow_FormatChange() {
    Grid(MonitorTab::D)->SetFormat(Format());
}

void TMonitorFrm::GroupItemClicked(MonitorTab group, TWgGroupItem& item) {
    // The bar keeps one item selected across its groups.
    const int tag = item.Tag();
    GroupItemClick(group, tag);
    if (tag == kOtherPlace) item.SetSelected(false);
}

void TMonitorFrm::GroupItemClick(MonitorTab group, int tag) {
    pageControl_->SetActivePageIndex(static_cast<int>(group));
    TMonitorGrid* grid = Grid(group);
    switch (group) {
        case MonitorTab::X:
        case MonitorTab::Y:
            grid->SelectCell(1, tag == 1 ? 32 : 1);
            break;
        case MonitorTab::T:
            grid->SelectCell(1, tag == 1 ? 40 : 1);
            break;
        case MonitorTab::M:
        case MonitorTab::D:
            if (tag != kOtherPlace) {
                // From the top down, so that the item's 300 devices are in view.
                grid->SelectCell(1, 1);
                grid->SelectCell(1, (tag + 1) * 30);
                break;
            }
            monitorGotoFrm_->Label1()->setText(
                Q(Chinese() ? (group == MonitorTab::M ? "定位到M:" : "定位到D:")
                            : (group == MonitorTab::M ? "Go to M:" : "Go to D:")));
            if (monitorGotoFrm_->exec() == TMonitorGotoFrm::kResultYes) {
                pageControl_->SetActivePageIndex(static_cast<int>(group));
                const int value = monitorGotoFrm_->SpinEdit1()->value();
                if (auto cell = CellOfDevice(group, Format(), value))
                    grid->SelectCell(cell->first, cell->second);
            }
            break;
        default:
            break;
    }
    grid->setFocus();
}

void TMonitorFrm::GridDblClick(MonitorTab tab) {
    const int device = Grid(tab)->SelectedDevice();
    if (device < 0) return;
    switch (tab) {
        case MonitorTab::Y:
        case MonitorTab::M:
        case MonitorTab::S:
            monitorRSf_->setWindowTitle(QString::fromStdString(SetResetCaption(tab, device)));
            monitorRSf_->exec();
            break;
        case MonitorTab::D:
        case MonitorTab::SD: {
            // A system register is one unsigned word, whatever the D grid shows.
            const DFormat format = tab == MonitorTab::D ? Format() : DFormat::U16;
            monitorDf_->Edit2()->setText(QString::number(device));
            // A register not read from the controller offers no value.
            const bool read =
                image_.WasRead(DeviceKind::D, device) &&
                (FormatWords(format) == 1 || image_.WasRead(DeviceKind::D, device + 1));
            monitorDf_->Edit1()->setText(
                read ? QString::fromStdString(FormatRegister(format, image_, device)) : QString());
            monitorDf_->SetFormat(format);
            monitorDf_->exec();
            break;
        }
        default:
            break;
    }
}

void TMonitorFrm::Timer1Timer() {
    if (shownTab_ != MonitorTab::Close) Grid(shownTab_)->viewport()->update();
    if (hooks_.repaintLadder) hooks_.repaintLadder();
}

void TMonitorFrm::Timer2Timer() {
    TickResult result;
    try {
        result = MemoryMonitorTick(state_, flags_, windows_, image_, calls_);
    } catch (const std::exception&) {
        return;  // a failed step ends quietly; the next one goes on
    }
    if (result.answered)
        setWindowTitle(Caption() + Q(" ") + QString::fromStdString(state_.spinner));
    else if (result.gaveUp)
        ShowLinkFailed();  // the read's cells turn grey; an answer puts the spinner back
}

void TMonitorFrm::ShowLinkFailed() {
    setWindowTitle(Caption() + Q(" ") + Q(LinkFailedText(Chinese())));
}

void TMonitorFrm::Timer3Timer() {
    windows_.Follow(shownTab_);
}

void TMonitorFrm::LinkMessage(const char* text) const {
    ShowMessage({kProductTitle, text, MsgIcon::Information, MsgButtons::Ok});
}

void TMonitorFrm::Refuse(const char* chinese, const char* english) const {
    ShowMessage(
        {kProductTitle, Chinese() ? chinese : english, MsgIcon::Exclamation, MsgButtons::Ok});
}

bool TMonitorFrm::Chinese() const {
    return !hooks_.chinese || hooks_.chinese();
}

QString TMonitorFrm::Caption() const {
    return Q(Chinese() ? kCaption : kEnglishCaption);
}

}  // namespace vx
