#include "editor/qt/OrganUse.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/OrganUse.h"
#include "model/LadderProgram.h"
#include "platform/LoadingScope.h"
#include "platform/MessageBox.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgPrgres.h"

namespace vx {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int kUsageRowHeight = 16;
constexpr int kCommentRowHeight = 18;
constexpr int kPrintRuleLength = 86;
constexpr int kRatioBarWidth = 33;
constexpr int kRatioBarHeight = 380;

// The look of a grid's fixed label column.
QVariant FixedBackground(const QModelIndex& index) {
    if (index.column() != 0) return {};
    return QColor(0xEC, 0xE9, 0xD8);
}

// A ratio bar: upright, a gradient from black at the foot to red, on the
// window colour fading to grey, its percentage in a 16-pixel font.
TWgProgressBar* RatioBarOf(QWidget* parent) {
    auto* bar = new TWgProgressBar(parent);
    bar->SetBarStyle(TBarStyle::bsGradient);
    bar->SetGradientDirection(TGradientDirection::gdVerticalEnd);
    bar->SetBackColor(clWindow);
    bar->SetBackColorStop(clMedGray);
    bar->SetBarColor(clBlack);
    bar->SetBarColorStop(clRed);
    bar->SetBorderWidth(0);
    CanvasFont font = bar->Font();
    font.size = 12;  // 16 pixels high
    bar->SetFont(font);
    // Taller than wide: the shape makes the bar upright.
    bar->SetBounds(0, 0, kRatioBarWidth, kRatioBarHeight);
    bar->setFixedSize(kRatioBarWidth, kRatioBarHeight);
    bar->SetPercent(60);  // as designed; the scan on showing sets the real ratio
    return bar;
}

}  // namespace

// One usage grid: the header row in the horizontal header, then a row per
// ten devices with the label column first.
class UsageGridModel : public QAbstractTableModel {
  public:
    UsageGridModel(UsageGrid grid, std::function<bool()> chinese, QObject* parent)
        : QAbstractTableModel(parent), grid_(std::move(grid)), chinese_(std::move(chinese)) {}

    void SetGrid(UsageGrid grid) {
        beginResetModel();
        grid_ = std::move(grid);
        endResetModel();
    }
    const UsageGrid& Grid() const { return grid_; }
    void HeadersChanged() { emit headerDataChanged(Qt::Horizontal, 0, grid_.columns - 1); }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : grid_.rows - 1;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : grid_.columns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return Q(grid_.Cell(index.column(), index.row() + 1));
        if (role == Qt::BackgroundRole) return FixedBackground(index);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section < 0 || section >= grid_.columns) return {};
        // The corner names the label column in the interface language.
        if (section == 0 && !chinese_()) return QStringLiteral("Device");
        return Q(grid_.Cell(section, 0));
    }

  private:
    UsageGrid grid_;
    std::function<bool()> chinese_;
};

// One comment grid over the process-wide comments: device label, usage mark
// and the comment, which is editable.
class CommentTableModel : public QAbstractTableModel {
  public:
    CommentTableModel(DeviceKind kind, std::function<void()> edited, std::function<bool()> chinese,
                      QObject* parent)
        : QAbstractTableModel(parent),
          kind_(kind),
          edited_(std::move(edited)),
          chinese_(std::move(chinese)) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : DeviceComments::Rows(kind_);
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::BackgroundRole) return FixedBackground(index);
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        switch (index.column()) {
            case 0:
                return Q(DeviceComments::RowLabel(kind_, index.row()));
            case 1:
                return TheDeviceComments().UsageMark(kind_, index.row()) ? Q(kUsageMarkText)
                                                                         : QString();
            default:
                return Q(TheDeviceComments().Comment(kind_, index.row()));
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section < 0 || section >= 3) return {};
        return Q((chinese_() ? kCommentColumnHeaders
                             : kEnglishCommentColumnHeaders)[static_cast<std::size_t>(section)]);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.column() == 2) f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || index.column() != 2 || role != Qt::EditRole) return false;
        const std::string typed = value.toString().toStdString();
        const std::string& stored = TheDeviceComments().Comment(kind_, index.row());
        if (typed == stored) return true;
        // Stored as the comment file keeps it, so the grid shows what a save gives back.
        std::string text = CommentAsKept(typed);
        if (text == stored) {
            emit dataChanged(index, index);
            return true;
        }
        if (!TheDeviceComments().SetComment(kind_, index.row(), std::move(text))) return false;
        emit dataChanged(index, index);
        if (edited_) edited_();
        return true;
    }
    // The usage marks or everything changed in the store.
    void MarksChanged() { emit dataChanged(index(0, 1), index(rowCount({}) - 1, 1)); }
    void AllChanged() { emit dataChanged(index(0, 0), index(rowCount({}) - 1, 2)); }
    void HeadersChanged() { emit headerDataChanged(Qt::Horizontal, 0, 2); }

  private:
    DeviceKind kind_;
    std::function<void()> edited_;
    std::function<bool()> chinese_;
};

TOrganUseFrm::TOrganUseFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OrganUseFrm"));
    setWindowTitle(Q("元件使用情况表"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(ToQFont(CanvasFont{}));
    flatSkin1_ = TFlatSkin::ForDialog(this);

    {
        // Set up as a stored window is read: the usage page is shown when
        // loading ends, without a change event.
        TLoadingScope loading;
        pageControl_ = new TWgPageControl(this);
        pageControl_->setObjectName(QStringLiteral("PageControl1"));
        pageControl_->SetTabStyle(TWgTabStyle::tsRoundCorners);
        pageControl_->SetTransparent(true);
        pageControl_->SetBoldCurrentTab(true);
        pageControl_->SetFixedDimension(20);
        const char* captions[] = {" 元件使用情况表 ", " 软元件注释 ", " 关 闭 "};
        TWgTabSheet* sheets[3] = {};
        for (int p = kUsagePage; p <= kClosePage; ++p) {
            sheets[p] = new TWgTabSheet(pageControl_);
            sheets[p]->setObjectName(QStringLiteral("TabSheet%1").arg(p + 1));
            sheets[p]->SetCaption(Q(captions[p]));
        }
        BuildUsagePage(sheets[kUsagePage]);
        BuildCommentPage(sheets[kCommentPage]);
        pageControl_->SetActivePageIndex(kUsagePage);
        pageControl_->OnChange = [this] {
            if (!settingPage_) PageControl1Change();
        };
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pageControl_);
    // Tall enough for the upright ratio bars and some of the report, where
    // the screen has the room.
    resize(1040, 780);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        if (height() > area.height() - 40) resize(width(), std::max(600, area.height() - 40));
        move(area.left() + (area.width() - width()) / 2,
             area.top() + std::max(0, (area.height() - height()) / 2));
    }

    seams_.reportFile = [this](const std::string& suggested) -> std::optional<std::string> {
        QFileDialog dialog(this);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("Txt (*.Txt)"), QStringLiteral("All Files (*)")});
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(Q(suggested));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
    seams_.printer = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

TOrganUseFrm::~TOrganUseFrm() {
    // The grids' models ask this window for its language, even while their
    // views go: they go while the window is still whole.
    delete usageTabs_;
    delete commentTabs_;
}

void TOrganUseFrm::BuildUsagePage(TWgTabSheet* page) {
    // The scope and the commands.
    auto* scopeBox = new QGroupBox(page);
    wholeProgram_ = new QRadioButton(Q("全程序做为对象"), scopeBox);
    wholeProgram_->setObjectName(QStringLiteral("RadioButton1"));
    chosenProgram_ = new QRadioButton(Q("指定对象程序"), scopeBox);
    chosenProgram_->setObjectName(QStringLiteral("RadioButton2"));
    wholeProgram_->setChecked(true);
    proRange_ = new QComboBox(scopeBox);
    proRange_->setObjectName(QStringLiteral("ProRange"));
    for (const std::string& name : UsageScopeNames())
        proRange_->addItem(Q(name));
    proRange_->setCurrentIndex(0);
    proRange_->setEnabled(false);
    connect(chosenProgram_, &QRadioButton::toggled, proRange_, &QWidget::setEnabled);
    auto* scopeLayout = new QHBoxLayout(scopeBox);
    scopeLayout->addWidget(wholeProgram_);
    scopeLayout->addWidget(chosenProgram_);
    scopeLayout->addWidget(proRange_);

    bitBtn2_ = new QPushButton(Q("刷新(&R)"), page);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn6_ = new QPushButton(Q("元件使用情况表保存(&S)"), page);
    bitBtn6_->setObjectName(QStringLiteral("BitBtn6"));
    bitBtn5_ = new QPushButton(Q("元件使用情况表打印(&P)"), page);
    bitBtn5_->setObjectName(QStringLiteral("BitBtn5"));
    bitBtn1_ = new QPushButton(Q("关闭(&C)"), page);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(bitBtn6_, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
    connect(bitBtn5_, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* top = new QHBoxLayout;
    top->addWidget(scopeBox);
    top->addStretch();
    for (QPushButton* b : {bitBtn2_, bitBtn6_, bitBtn5_, bitBtn1_})
        top->addWidget(b);

    progressBar1_ = new QProgressBar(page);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setMaximumHeight(14);
    progressBar1_->setTextVisible(false);

    // A usage grid per device letter.
    usageTabs_ = new QTabWidget(page);
    usageTabs_->setObjectName(QStringLiteral("PageControl2"));
    const DeviceUsage none;
    for (int t = 0; t < kCommentTableCount; ++t) {
        const DeviceKind kind = kCommentTableKinds[static_cast<std::size_t>(t)];
        auto* grid = new QTableView(usageTabs_);
        grid->setObjectName(QString("Grid_%1_Use").arg(QChar(LetterOfKind(kind))));
        auto* model = new UsageGridModel(
            BuildUsageGrid(kind, none, TheDeviceComments()), [this] { return Chinese(); }, grid);
        grid->setModel(model);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->verticalHeader()->setDefaultSectionSize(kUsageRowHeight);
        grid->horizontalHeader()->setDefaultSectionSize(79);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->setColumnWidth(0, 47);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        // The selected cell's text becomes the grid's hint.
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, grid,
                [grid](const QModelIndex& current) {
                    grid->setToolTip(current.data(Qt::DisplayRole).toString());
                });
        connect(grid, &QAbstractItemView::doubleClicked, this, [this, grid] { AskFont(grid); });
        usageGrids_[static_cast<std::size_t>(t)] = grid;
        usageModels_[static_cast<std::size_t>(t)] = model;
        usageTabs_->addTab(grid, Q(kCommentPageTitles[static_cast<std::size_t>(t)]));
    }

    // The ratio bars side by side, the counts under them, then the report.
    auto* right = new QWidget(page);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* barRow = new QHBoxLayout;
    barRow->setSpacing(4);
    for (int t = 0; t < kCommentTableCount; ++t) {
        auto* bar = RatioBarOf(right);
        bar->setObjectName(QString("WgProgressBar%1").arg(t + 1));
        barRow->addWidget(bar);
        ratioBars_[static_cast<std::size_t>(t)] = bar;
    }
    barRow->addStretch();
    rightLayout->addLayout(barRow);
    for (int t = 0; t < kCommentTableCount; ++t) {
        auto* label = new QLabel(right);
        label->setObjectName(QString("Label%1").arg(t + 1));
        rightLayout->addWidget(label);
        summaries_[static_cast<std::size_t>(t)] = label;
    }
    memo1_ = new QPlainTextEdit(right);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->viewport()->installEventFilter(this);
    rightLayout->addWidget(memo1_, 1);

    auto* splitter = new QSplitter(Qt::Horizontal, page);
    splitter->addWidget(usageTabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({760, 260});

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(progressBar1_);
    layout->addWidget(splitter, 1);
}

void TOrganUseFrm::BuildCommentPage(TWgTabSheet* page) {
    commentTabs_ = new QTabWidget(page);
    commentTabs_->setObjectName(QStringLiteral("PageControl3"));
    for (int t = 0; t < kCommentTableCount; ++t) {
        const DeviceKind kind = kCommentTableKinds[static_cast<std::size_t>(t)];
        auto* grid = new QTableView(commentTabs_);
        grid->setObjectName(QString("StringGrid%1").arg(static_cast<int>(kind) + 7));
        auto* model = new CommentTableModel(
            kind, [this] { emit CommentEdited(); }, [this] { return Chinese(); }, grid);
        grid->setModel(model);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->verticalHeader()->setDefaultSectionSize(kCommentRowHeight);
        grid->setColumnWidth(0, 64);
        grid->setColumnWidth(1, 50);
        grid->setColumnWidth(2, 738);
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
        commentGrids_[static_cast<std::size_t>(t)] = grid;
        commentModels_[static_cast<std::size_t>(t)] = model;
        commentTabs_->addTab(grid, Q(kCommentPageTitles[static_cast<std::size_t>(t)]));
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(commentTabs_);
}

void TOrganUseFrm::ShowPage(Page page) {
    if (page == kClosePage) {
        close();
        return;
    }
    pageControl_->SetActivePageIndex(page);
    for (CommentTableModel* model : commentModels_)
        model->AllChanged();  // the comments of a project opened meanwhile
    show();
    raise();
    activateWindow();
}

void TOrganUseFrm::PageControl1Change() {
    const int page = pageControl_->ActivePageIndex();
    if (page != kClosePage) {
        lastPage_ = page;
        return;
    }
    // The close page is not a page to stay on: the window comes back on the
    // page it had.
    settingPage_ = true;
    pageControl_->SetActivePageIndex(lastPage_);
    settingPage_ = false;
    close();
}

void TOrganUseFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(10, this, [this] { BitBtn2Click(); });
}

void TOrganUseFrm::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    emit Closed();
}

bool TOrganUseFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        AskFont(memo1_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TOrganUseFrm::AskFont(QWidget* control) {
    const bool chinese = Chinese();
    if (ShowMessage({chinese ? "字体设置" : "Font",
                     chinese ? "是否重新设置显示字体 ？" : "Choose another display font?",
                     MsgIcon::Question, MsgButtons::OkCancel}) != MsgAnswer::Ok) {
        return;
    }
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, control->font(), this);
    if (ok) control->setFont(font);
}

void TOrganUseFrm::ResetUsage() {
    progressBar1_->setValue(0);
    for (int t = 0; t < kCommentTableCount; ++t) {
        summaries_[static_cast<std::size_t>(t)]->clear();
        ratioBars_[static_cast<std::size_t>(t)]->SetPercent(0);
    }
    memo1_->clear();
    const DeviceUsage none;
    for (int t = 0; t < kCommentTableCount; ++t) {
        usageModels_[static_cast<std::size_t>(t)]->SetGrid(BuildUsageGrid(
            kCommentTableKinds[static_cast<std::size_t>(t)], none, TheDeviceComments()));
    }
    TheDeviceComments().ClearUsageMarks();
}

void TOrganUseFrm::BitBtn2Click() {
    ResetUsage();
    const int scopeEnd = UsageScopeEnd(wholeProgram_->isChecked(), proRange_->currentIndex());
    lastScan_ = DeviceUsage::Scan(TheProgram().cells, scopeEnd);
    MarkUsage(*lastScan_, TheDeviceComments());
    ShowUsage(*lastScan_);
    for (CommentTableModel* model : commentModels_)
        model->MarksChanged();
    emit Refreshed();
}

void TOrganUseFrm::ShowUsage(const DeviceUsage& usage) {
    const DeviceComments& comments = TheDeviceComments();
    const bool chinese = Chinese();
    const UsageReport report = BuildUsageReport(usage, comments, chinese);
    for (int t = 0; t < kCommentTableCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        const UsageSummary& summary = report.summaries[i];
        usageModels_[i]->SetGrid(BuildUsageGrid(summary.kind, usage, comments, chinese));
        summaries_[i]->setText(Q(summary.label));
        ratioBars_[i]->SetPercent(static_cast<std::uint16_t>(std::max(summary.ratioBar, 0)));
        progressBar1_->setValue(summary.progress);
    }
    QStringList lines;
    for (const std::string& line : report.memoLines)
        lines << Q(line);
    memo1_->setPlainText(lines.join('\n'));
}

void TOrganUseFrm::LanguageRefresh() {
    // The last scan's result in the new language: the words change, the
    // usage stays what the last refresh found.
    if (lastScan_) ShowUsage(*lastScan_);
    for (std::size_t i = 0; i < usageGrids_.size(); ++i) {
        usageModels_[i]->HeadersChanged();
        QTableView* grid = usageGrids_[i];
        grid->setToolTip(grid->currentIndex().data(Qt::DisplayRole).toString());
    }
    for (CommentTableModel* model : commentModels_)
        model->HeadersChanged();
}

std::vector<std::string> TOrganUseFrm::MemoLines() const {
    std::vector<std::string> lines;
    const QString text = memo1_->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

void TOrganUseFrm::BitBtn6Click() {
    if (!seams_.reportFile) return;
    const std::optional<std::string> chosen =
        seams_.reportFile(Chinese() ? "元件使用情况表" : "Device usage");
    if (!chosen || chosen->empty()) return;
    const IoResult written = SaveUsageReport(UsageReportPath(*chosen), MemoLines());
    if (!written) ShowMessage({kProductTitle, written.error, MsgIcon::Exclamation, MsgButtons::Ok});
}

std::vector<std::string> TOrganUseFrm::PrintLines(const std::string& projectFile,
                                                  const QDateTime& when,
                                                  const std::vector<std::string>& report,
                                                  bool chinese) {
    const QLocale locale;
    std::vector<std::string> lines;
    lines.push_back(projectFile +
                    (chinese ? "   元件使用情况表打印   " : "   Device usage print   ") +
                    locale.toString(when.date(), QLocale::ShortFormat).toStdString() + "  " +
                    locale.toString(when.time(), QLocale::ShortFormat).toStdString());
    lines.push_back(std::string(kPrintRuleLength, '_'));
    lines.insert(lines.end(), report.begin(), report.end());
    return lines;
}

void TOrganUseFrm::PrintText(QPrinter& printer, const QFont& font,
                             const std::vector<std::string>& lines, bool chinese) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessage({kProductTitle, chinese ? "打印机不能打印 ！" : "The printer cannot print!",
                     MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = 0;
    for (const std::string& line : lines) {
        if (y + metrics.height() > pageHeight && y > 0) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), Q(line));
        y += metrics.lineSpacing();
    }
    painter.end();
}

void TOrganUseFrm::BitBtn5Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!seams_.printer || !seams_.printer(printer)) return;
    const std::string project = seams_.projectFile ? seams_.projectFile() : std::string();
    PrintText(printer, memo1_->font(),
              PrintLines(project, QDateTime::currentDateTime(), MemoLines(), Chinese()), Chinese());
}

}  // namespace vx
