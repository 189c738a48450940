#include "model/qt/Ucanzhao.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

#include "model/OperandPicker.h"
#include "model/qt/EntryHost.h"
#include "model/qt/Help.h"
#include "platform/paint/Canvas.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kWidth = 287;
constexpr int kHeight = 182;
constexpr int kRowHeight = 20;
constexpr int kColumnWidth = 128;

QTableWidget* List(QWidget* parent, const char* name) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QString::fromUtf8(name));
    grid->setColumnCount(1);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, kColumnWidth);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(true);
    return grid;
}

}  // namespace

Tcanzhao::Tcanzhao(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("canzhao"));
    setWindowTitle(QStringLiteral("元件"));
    setFixedSize(kWidth, kHeight);
    CanvasFont font;
    setFont(ToQFont(font));

    auto* label1 = new QLabel(QStringLiteral("元件(&D)"), this);
    label1->setGeometry(10, 6, 128, 18);
    edit1_ = new TEntryEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(10, 24, 130, 22);
    edit1_->SetTypingLimit(5);
    label1->setBuddy(edit1_);

    auto* label2 = new QLabel(QStringLiteral("设置(&V)"), this);
    label2->setGeometry(148, 6, 128, 18);
    edit2_ = new TEntryEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setGeometry(148, 24, 130, 22);
    edit2_->SetTypingLimit(6);  // up to K65535
    label2->setBuddy(edit2_);

    stringGrid1_ = List(this, "StringGrid1");
    stringGrid1_->setGeometry(10, 54, kColumnWidth + 2, 6 * kRowHeight + 2);
    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Box);
    panel1_->setGeometry(148, 54, kColumnWidth + 2, 2 * kRowHeight + 2);
    stringGrid2_ = List(this, "StringGrid2");
    stringGrid2_->setGeometry(panel1_->geometry());

    bitBtn1_ = new QPushButton(QStringLiteral("确认(Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(148, 104, 62, 26);
    bitBtn3_ = new QPushButton(QStringLiteral("取消(N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setGeometry(216, 104, 62, 26);
    bitBtn4_ = new QPushButton(QStringLiteral("帮助(&H)"), this);
    bitBtn4_->setObjectName(QStringLiteral("BitBtn4"));
    bitBtn4_->setGeometry(148, 146, 130, 26);
    bitBtn1_->setDefault(true);

    connect(bitBtn1_, &QPushButton::clicked, this, &Tcanzhao::BitBtn1Click);
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);
    connect(bitBtn4_, &QPushButton::clicked, this, [this] {
        if (help_ != nullptr) ShowModally(*help_);
    });
    // Choosing a row, by the mouse or the keys.
    connect(stringGrid1_, &QTableWidget::cellClicked, this,
            [this](int row, int) { StringGrid1SelectCell(row); });
    connect(stringGrid1_, &QTableWidget::currentCellChanged, this, [this](int row, int) {
        if (row >= 0) StringGrid1SelectCell(row);
    });
    connect(stringGrid2_, &QTableWidget::cellClicked, this,
            [this](int row, int) { StringGrid2SelectCell(row); });
    connect(stringGrid2_, &QTableWidget::currentCellChanged, this, [this](int row, int) {
        if (row >= 0) StringGrid2SelectCell(row);
    });

    flatSkin1_ = TFlatSkin::ForDialog(this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - kWidth) / 2, (s.height() - kHeight) / 2);
    }
}

void Tcanzhao::Open(const QString& element, bool coilMode) {
    coilMode_ = coilMode;
    edit1_->SetText(element);
    ShowModally(*this);
}

void Tcanzhao::Fill(QTableWidget* grid, const std::vector<std::string>& rows) {
    const QSignalBlocker block(grid);
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        grid->setItem(
            r, 0, new QTableWidgetItem(QString::fromStdString(rows[static_cast<std::size_t>(r)])));
        grid->setRowHeight(r, kRowHeight);
    }
    grid->setCurrentCell(-1, -1);
}

void Tcanzhao::ShowSetValue(bool shown) {
    edit2_->setEnabled(shown);
    stringGrid2_->setVisible(shown);
    panel1_->setVisible(!shown);
}

void Tcanzhao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    try {
        FormShow();
    } catch (...) {
    }
}

void Tcanzhao::FormShow() {
    edit2_->SetText(QString());
    ShowSetValue(false);
    const auto [device, setValue] = SplitPickerText(edit1_->text().toStdString());
    edit1_->SetText(QString::fromStdString(device));
    edit2_->SetText(QString::fromStdString(setValue));
    deviceRows_ = PickerDeviceRows(coilMode_);
    Fill(stringGrid2_, PickerSetValueRows());
    Fill(stringGrid1_, deviceRows_);
    if (coilMode_ && PickerTakesSetValue(device)) ShowSetValue(true);
    edit1_->setFocus();
}

void Tcanzhao::StringGrid1SelectCell(int row) {
    if (row < 0 || row >= static_cast<int>(deviceRows_.size())) return;
    const std::string device = PickerDeviceOfRow(deviceRows_[static_cast<std::size_t>(row)]);
    edit1_->SetText(QString::fromStdString(device));
    if (coilMode_) ShowSetValue(PickerTakesSetValue(device));
}

void Tcanzhao::StringGrid2SelectCell(int row) {
    if (row < 0 || row > 1) return;
    edit2_->SetText(QString::fromStdString(PickerSetValueOfRow(row)));
}

void Tcanzhao::BitBtn1Click() {
    const std::string result =
        PickerResult(edit1_->text().toStdString(), edit2_->text().toStdString());
    if (target_ != nullptr) target_->SetText(QString::fromStdString(result));
    accept();
}

}  // namespace vx
