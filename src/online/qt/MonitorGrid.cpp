#include "online/qt/MonitorGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstring>

#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr int kLabelLeft = 2;
constexpr int kGap = 4;  // at least this between the device and its value
constexpr int kSymbolSize = 9;
constexpr int kSymbolAdvance = 12;  // a full-width character of the grid's font
constexpr const char* kOnSymbol = "■";
constexpr const char* kOffSymbol = "□";

// Draws a cell of the monitor's grids from its MemoryCell.
class MonitorCellDelegate : public QStyledItemDelegate {
  public:
    explicit MonitorCellDelegate(TMonitorGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const MemoryCell cell = grid_->Model()->Cell(index);
        grid_->CellDrawn(index.column(), index.row());
        const QRect r = option.rect;
        painter->save();
        Canvas canvas(*painter);
        canvas.brush = {cell.background, BrushStyle::Solid};
        canvas.FillRect({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
        canvas.brush.style = BrushStyle::Clear;
        canvas.font = CanvasFont{};
        canvas.font.bold = cell.bold;
        canvas.font.color = cell.read ? clBlack : clGray;
        const int textTop = r.top() + std::max(0, (r.height() - canvas.TextHeight("D0")) / 2);
        const int labelWidth = DrawLabel(canvas, r, textTop, cell.label);
        if (!cell.value.empty()) {
            // The value stands at 44 pixels, further right only when a wide
            // device text would run into it.
            const int left = std::max(kValueLeft, kLabelLeft + labelWidth + kGap);
            canvas.font.color = kValueColor;
            canvas.TextOut(r.left() + left, textTop, cell.value);
        }
        if (option.state & QStyle::State_HasFocus) {
            QPen pen(Qt::black, 1, Qt::DotLine);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

  private:
    // The device text; its state symbol ("■" ON, "□" OFF) is drawn as a
    // square a full character wide, as the grid's font shows it too small to
    // tell apart. Returns the width taken.
    static int DrawLabel(Canvas& canvas, const QRect& r, int textTop, const std::string& label) {
        const bool on = label.rfind(kOnSymbol, 0) == 0;
        const bool off = label.rfind(kOffSymbol, 0) == 0;
        if (!on && !off) {
            canvas.TextOut(r.left() + kLabelLeft, textTop, label);
            return canvas.TextWidth(label);
        }
        const int top = r.top() + (r.height() - kSymbolSize) / 2;
        const int left = r.left() + kLabelLeft + 1;
        canvas.pen = {clBlack, 1, PenStyle::Solid};
        canvas.brush = {on ? clBlack : clWindow, BrushStyle::Solid};
        canvas.Rectangle(left, top, left + kSymbolSize, top + kSymbolSize);
        canvas.brush.style = BrushStyle::Clear;
        const std::string rest = label.substr(std::strlen(kOnSymbol));
        canvas.TextOut(r.left() + kLabelLeft + kSymbolAdvance, textTop, rest);
        return kSymbolAdvance + canvas.TextWidth(rest);
    }

    TMonitorGrid* grid_;
};

const char* GridName(MonitorTab tab) {
    switch (tab) {
        case MonitorTab::X:
            return "Grid_X_Show";
        case MonitorTab::Y:
            return "Grid_Y_Show";
        case MonitorTab::M:
            return "Grid_M_Show";
        case MonitorTab::S:
            return "Grid_S_Show";
        case MonitorTab::T:
            return "Grid_T_Show";
        case MonitorTab::C:
            return "Grid_C_Show";
        case MonitorTab::D:
            return "Grid_D_Show";
        default:
            return "Grid_SD_Show";
    }
}

}  // namespace

TMonitorGrid::TMonitorGrid(MonitorTab tab, const DeviceImage& image, PollWindows& windows,
                           QWidget* parent)
    : QTableView(parent), windows_(windows) {
    setObjectName(QString::fromLatin1(GridName(tab)));
    model_ = new TMonitorGridModel(tab, image, this);
    setModel(model_);
    setItemDelegate(new MonitorCellDelegate(this));
    setFont(ToQFont(CanvasFont{}));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setWordWrap(false);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setFixedWidth(kLabelWidth);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setFixedHeight(kRowHeight);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setStretchLastSection(true);
    columns->setHighlightSections(false);
    rows->setHighlightSections(false);

    corner_ = new QLabel(QStringLiteral("元 件"), this);
    corner_->setObjectName(QStringLiteral("FixedCell"));
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setFont(font());
    SizeColumns();
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { SizeColumns(); });
}

void TMonitorGrid::SetChinese(bool chinese) {
    corner_->setText(chinese ? QStringLiteral("元 件") : QStringLiteral("Device"));
}

void TMonitorGrid::SetFormat(DFormat format) {
    const int device = SelectedDevice();
    const int top = TopRow();
    model_->SetFormat(format);
    // The rows stay where they were; the selection follows its device.
    verticalScrollBar()->setValue(top - 1);
    if (device >= 0) {
        if (auto cell = CellOfDevice(Tab(), format, device)) {
            setCurrentIndex(model_->index(cell->second - 1, cell->first - 1));
        }
    }
}

void TMonitorGrid::SizeColumns() {
    const int count = model_->columnCount();
    if (count == 0) return;
    const int width = kDataWidth / count;
    for (int c = 0; c < count; ++c)
        horizontalHeader()->resizeSection(c, width);
}

void TMonitorGrid::SelectCell(int column, int row) {
    const QModelIndex index = model_->index(row - 1, column - 1);
    if (!index.isValid()) return;
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

int TMonitorGrid::SelectedDevice() const {
    return model_->Device(currentIndex());
}

int TMonitorGrid::TopRow() const {
    return rowAt(0) + 1;
}

QSize TMonitorGrid::GridSize() const {
    const int frame = 2 * frameWidth();
    return {frame + kLabelWidth + kDataWidth + verticalScrollBar()->sizeHint().width(),
            frame + kRowHeight * (kRowsInView + 1)};
}

void TMonitorGrid::CellDrawn(int column, int row) {
    // The D grid counts whole rows: the 32-bit view's last column repeats
    // the next row's first pair, which is no part of the rows in view.
    if (Tab() == MonitorTab::M) {
        windows_.Drawn(DeviceKind::M, DeviceOfCell(Tab(), model_->Format(), column + 1, row + 1));
    } else if (Tab() == MonitorTab::D) {
        windows_.Drawn(DeviceKind::D, row * 10 + 9);
    }
}

void TMonitorGrid::updateGeometries() {
    QTableView::updateGeometries();
    if (corner_ == nullptr) return;  // while the model is set
    const int frame = frameWidth();
    corner_->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

}  // namespace vx
