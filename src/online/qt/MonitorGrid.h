// One grid of the device memory monitor (`Grid_X_Show` ... `Grid_SD_Show`): a
// table over its model with the row labels in a fixed column 47 pixels wide,
// the column headers in a fixed row, "元 件" ("Device") in the corner, and 30 rows in
// view. Each cell is drawn as its MemoryCell says: the background, the
// device at 2 pixels and the value in magenta at 44 pixels from the cell's
// left edge. Drawing the M or D grid tells the poll windows how far the grid
// reaches.
#pragma once

#include <QTableView>

#include "online/DeviceImage.h"
#include "online/MemoryPoll.h"
#include "online/qt/MonitorGridModel.h"

class QLabel;

namespace vx {

class TMonitorGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 17;   // 16 pixels and the grid line
    static constexpr int kLabelWidth = 47;  // the row labels
    static constexpr int kDataWidth = 948;  // six columns of 158 in the 32-bit D view
    static constexpr int kRowsInView = 30;

    TMonitorGrid(MonitorTab tab, const DeviceImage& image, PollWindows& windows,
                 QWidget* parent = nullptr);

    MonitorTab Tab() const { return model_->Tab(); }
    TMonitorGridModel* Model() const { return model_; }
    void SetFormat(DFormat format);
    // The corner's text in the interface language.
    void SetChinese(bool chinese);
    // Selects the cell at column and row (both from 1), scrolled into view as
    // little as needed.
    void SelectCell(int column, int row);
    // The selected cell's device; -1 when none.
    int SelectedDevice() const;
    // The first row in view (from 1).
    int TopRow() const;
    // The size that shows the whole width and 30 rows.
    QSize GridSize() const;

    // Called for every cell drawn (rows and columns from 0).
    void CellDrawn(int column, int row);

  protected:
    void updateGeometries() override;

  private:
    void SizeColumns();

    TMonitorGridModel* model_ = nullptr;
    PollWindows& windows_;
    QLabel* corner_ = nullptr;
};

}  // namespace vx
