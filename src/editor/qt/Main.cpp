#include "editor/qt/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QStackedLayout>
#include <QStatusBar>
#include <QVBoxLayout>

#include "editor/DeviceComments.h"
#include "editor/qt/DockStrip.h"
#include "editor/qt/MenuPictures.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/AlignHost.h"
#include "widgets/qt/WgSplit.h"

namespace vx {
namespace {

constexpr TColor kMainColor = 0xE0C7AD;
constexpr TColor kCoverColor = 0x919B9D;

void Paint(QWidget* widget, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

TMainFrm::TMainFrm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainFrm"));
    resize(1066, 650);
    setMinimumSize(600, 200);
    Paint(this, kMainColor);
    CanvasFont font;
    setFont(ToQFont(font));

    BuildMenus();
    BuildToolBars();
    BuildClientArea();
    BuildStatusBar();

    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, &TMainFrm::Timer1Timer);
    timer2_.setSingleShot(true);
    timer2_.setInterval(988);
    connect(&timer2_, &QTimer::timeout, this, &TMainFrm::Timer2Timer);
    timer3_.setInterval(60000);
    connect(&timer3_, &QTimer::timeout, this, &TMainFrm::Timer3Timer);

    connect(Item("N28"), &QAction::triggered, this, &TMainFrm::N28Click);
    connect(Button("OnTopToolButton"), &TFxCustomToolBarButton::Clicked, this,
            [this] { Item("N28")->trigger(); });
    connect(Item("N18"), &QAction::triggered, this,
            [this] { ToggleVisibility(Item("N18"), panel4_); });
    connect(Item("N19"), &QAction::triggered, this,
            [this] { ToggleVisibility(Item("N19"), standardBar_); });
    connect(Item("N20"), &QAction::triggered, this,
            [this] { ToggleVisibility(Item("N20"), functionBar_); });
    connect(Item("N21"), &QAction::triggered, this,
            [this] { ToggleVisibility(Item("N21"), auxiliaryBar_); });
    connect(Item("N22"), &QAction::triggered, this,
            [this] { ToggleVisibility(Item("N22"), statusBar()); });
    connect(Item("N54"), &QAction::triggered, this, [this] {
        settings_.proColumn = Item("N54")->isChecked();
        wgSizePanel2_->setVisible(settings_.proColumn && !panel5_->isVisible());
    });
    connect(Item("D5"), &QAction::triggered, this, [this] {
        settings_.rangeSelect = Item("D5")->isChecked();
        ladderEdit_->SetRangeSelect(settings_.rangeSelect);
    });
    const char* looks[] = {"N56", "N57", "N58"};
    for (int i = 0; i < 3; ++i) {
        connect(Item(looks[i]), &QAction::triggered, this, [this, i] { SetLook(i); });
    }
    ConnectLanguage();
    connect(Item("FileExitItem"), &QAction::triggered, this, &QWidget::close);
    ConnectCommands();
    ConnectEditing();
    ConnectBuildWindows();
    ConnectUpdateCommands();
    SetProjectCommandsEnabled(false);
    SetSaveEnabled(false);
    RefreshUndoButtons();

    FormCreate();
    ConnectEntryWindows();
    ConnectParameterWindows();
    ConnectLookupWindows();
    ConnectOnline();
    ConnectDownload();
    ConnectMemoryMonitor();
    ConnectUtilityWindows();
    ConnectForce();
    ConnectEditorDialogs();
    ConnectStartWindows();
    ConnectPrint();
    SetMenuPictures(*this, *toolImages_);
}

TMainFrm::~TMainFrm() = default;

QAction* TMainFrm::Item(const QString& name) const {
    auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

TFxToolBarButton* TMainFrm::Button(const QString& name) const {
    auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

bool TMainFrm::Chinese() const {
    return Item("Chinese1")->isChecked();
}

void TMainFrm::ConnectCommands() {
    auto both = [this](const char* item, const char* button, void (TMainFrm::*handler)()) {
        connect(Item(item), &QAction::triggered, this, handler);
        if (button) connect(Button(button), &TFxCustomToolBarButton::Clicked, this, handler);
    };
    both("FileNewItem", "NewToolButton", &TMainFrm::FileNewItemClick);
    both("FileOpenItem", "OpenToolButton", &TMainFrm::FileOpenItemClick);
    both("FileSaveItem", "SaveToolButton", &TMainFrm::FileSaveItemClick);
    both("FileSaveAsItem", nullptr, &TMainFrm::FileSaveAsItemClick);
    both("LastFileOpenItem", nullptr, &TMainFrm::LastFileOpenItemClick);
    both("N63", nullptr, &TMainFrm::N63Click);

    // The outside programs.
    connect(Item("N27"), &QAction::triggered, this, [this] { Launch("PID.exe", {}, {}); });
    connect(Item("N42"), &QAction::triggered, this, [this] { Launch("Notepad.exe", {}, {}); });

    // The file dialogs of the program.
    windows_.openFile = [this](const std::string& folder,
                               const std::string& preselect) -> std::optional<std::string> {
        QFileDialog dialog(this, QString(), QString::fromStdString(folder));
        dialog.setNameFilters(
            {QString::fromStdString(Tr("PSP文件 (*.PSP *.psp)", "PSP files (*.PSP *.psp)")),
             QString::fromStdString(Tr("备份文件 (*.BAK *.bak)", "Backup files (*.BAK *.bak)")),
             QString::fromStdString(Tr("PLC文件 (*.PLC *.plc)", "PLC files (*.PLC *.plc)"))});
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (!preselect.empty()) dialog.selectFile(QString::fromStdString(preselect));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
    windows_.saveFile = [this](const std::string& suggested) -> std::optional<std::string> {
        const QFileInfo offered(QString::fromStdString(suggested));
        QFileDialog dialog(this, QString(), offered.path());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QString::fromStdString(Tr("PSP文件 (*.PSP)", "PSP files (*.PSP)")),
                               QStringLiteral("All Files (*)")});
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(offered.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
}

void TMainFrm::Launch(const char* program, const std::vector<std::string>& arguments,
                      const std::string& folder) {
    const LaunchResult result = LaunchProgram(program, arguments, folder);
    if (!result.started)
        ShowMessage({kProductTitle, result.problem, MsgIcon::Exclamation, MsgButtons::Ok});
}

std::string TMainFrm::Tr(const char* chinese, const char* english) const {
    return Chinese() ? chinese : english;
}

void TMainFrm::BuildClientArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    layout->addWidget(dockStrip_);  // the tool bars over everything

    // The project tree's size panel on the left; beside it the splitter with
    // the grid over the message pane, and the mnemonic pane.
    auto* client = new QWidget(central);
    TAlignHost::Attach(client);
    splitter_ = new QSplitter(Qt::Horizontal, client);
    SetWidgetAlign(splitter_, TAlign::alClient);
    wgSizePanel2_ = BuildSidePanel(client);

    auto* right = new QWidget(splitter_);
    TAlignHost::Attach(right);
    panel1_ = new QWidget(right);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    SetWidgetAlign(panel1_, TAlign::alClient);
    auto* gridLayout = new QStackedLayout(panel1_);
    ladderEdit_ = new TLadderGrid(panel1_);
    ladderEdit_->DrawContext().cells = &TheProgram().cells;
    ladderEdit_->DrawContext().comment = [](DeviceCode code) {
        return TheDeviceComments().CommentOf(code);
    };
    ladderEdit_->DrawContext().evaluate = [this](int column, int row, CellLiveState& live) {
        const MonitorRecord record =
            EvaluateCell(TheProgram().cells, column, row, TheDeviceImage(),
                         SignedValues() ? WordDisplay::kSigned : WordDisplay::kUnsigned);
        live.energised = record.state != 0;
        live.line1 = record.line1;
        live.line2 = record.line2;
        live.read = record.read;
        return record.code;
    };
    ladderEdit_->addAction(Item("MenuItem1"));  // its key, Ctrl+F, works in the grid
    ladderEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The pop-up opens and returns at once: monitoring goes on while it is open.
    connect(ladderEdit_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { GridPopupMenu()->OpenAt(ladderEdit_->mapToGlobal(p)); });
    gridLayout->addWidget(ladderEdit_);
    panel5_ = new QWidget(panel1_);  // the cover, over the grid while no project is loaded
    panel5_->setObjectName(QStringLiteral("Panel5"));
    Paint(panel5_, kCoverColor);
    gridLayout->addWidget(panel5_);
    gridLayout->setCurrentWidget(panel5_);
    wgSizePanel1_ = BuildMessagePane(right);

    panel4_ = new QWidget(splitter_);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    auto* mnemonicLayout = new QVBoxLayout(panel4_);
    mnemonicLayout->setContentsMargins(0, 0, 0, 0);
    mnemonicLayout->setSpacing(0);
    TWgPanel* mnemonicTitle = BuildTitleBar(panel4_, "WgPanel3", "助记码");
    memo1_ = new QPlainTextEdit(panel4_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    mnemonicLayout->addWidget(mnemonicTitle);
    mnemonicLayout->addWidget(memo1_);
    panel4_->hide();

    splitter_->setStretchFactor(0, 1);
    splitter_->setSizes({800, 200});
    layout->addWidget(client);
    setCentralWidget(central);
    BuildBalloonHints();

    // The quick-entry hint floats over the window.
    ldHelp_ = new QPlainTextEdit(this);
    ldHelp_->setObjectName(QStringLiteral("LDhelp"));
    ldHelp_->setReadOnly(true);
    ldHelp_->setWindowFlags(Qt::ToolTip);
    ldHelp_->resize(260, 120);
    ldHelp_->hide();
}

}  // namespace vx
