#include "online/qt/MonitorGridModel.h"

namespace vx {

TMonitorGridModel::TMonitorGridModel(MonitorTab tab, const DeviceImage& image, QObject* parent)
    : QAbstractTableModel(parent), tab_(tab), image_(image) {}

void TMonitorGridModel::SetFormat(DFormat format) {
    if (format == format_) return;
    beginResetModel();
    format_ = format;
    endResetModel();
}

MemoryCell TMonitorGridModel::Cell(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    return CellOf(tab_, format_, index.column() + 1, index.row() + 1, image_);
}

int TMonitorGridModel::Device(const QModelIndex& index) const {
    if (!index.isValid()) return -1;
    return DeviceOfCell(tab_, format_, index.column() + 1, index.row() + 1);
}

int TMonitorGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridRows(tab_);
}

int TMonitorGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridColumns(tab_, format_);
}

QVariant TMonitorGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == kDeviceRole) return Device(index);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        const MemoryCell cell = Cell(index);
        QString text = QString::fromStdString(cell.label);
        if (!cell.value.empty()) text += QLatin1Char(' ') + QString::fromStdString(cell.value);
        return text;
    }
    return {};
}

QVariant TMonitorGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    const std::string text = orientation == Qt::Horizontal
                                 ? ColumnHeader(tab_, format_, section + 1)
                                 : RowLabel(tab_, section + 1);
    return QString::fromStdString(text);
}

}  // namespace vx
