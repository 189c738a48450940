// The model behind one grid of the device memory monitor: its size, column
// headers and row labels from the grid's layout, and each cell's device and
// text from the device image. The D grid follows the monitor's D format.
#pragma once

#include <QAbstractTableModel>

#include "online/DeviceImage.h"
#include "online/MemoryGrid.h"

namespace vx {

class TMonitorGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Role of a cell's device number.
    static constexpr int kDeviceRole = Qt::UserRole + 1;

    TMonitorGridModel(MonitorTab tab, const DeviceImage& image, QObject* parent = nullptr);

    MonitorTab Tab() const { return tab_; }
    DFormat Format() const { return format_; }
    // A new D format: the D grid changes its columns.
    void SetFormat(DFormat format);
    // The cell at a model index (rows and columns from 0, the headers apart).
    MemoryCell Cell(const QModelIndex& index) const;
    int Device(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    MonitorTab tab_;
    const DeviceImage& image_;
    DFormat format_ = DFormat::U16;
};

}  // namespace vx
