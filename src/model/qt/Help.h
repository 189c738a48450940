// The device resource window `TForHelp`: a read-only page of the device
// ranges, shown by the help buttons of the operand picker and the catalogue.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QString>

namespace vx {

class TFlatSkin;

// The page's text: 21 lines, columns separated by tabs.
QString ResourcePageText();

class TForHelp : public QDialog {
    Q_OBJECT
  public:
    explicit TForHelp(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1() const { return memo1_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* memo1_ = nullptr;
    TFlatSkin* flatSkin1_ = nullptr;
};

}  // namespace vx
