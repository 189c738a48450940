// The dialog `TSubRenameFrm` with two modes, chosen by its tag before it is
// shown: -1 goes to a row of the shown block ("转移到行": a row number from 1
// to the block's row count), 0 to 31 renames that subroutine ("子程序重命名").
// "确认(Y)" or Enter runs the mode's command through the host; "取消(N)" or
// Esc closes the window and changes nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "editor/SubRename.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vx {

class TFlatSkin;

// What the dialog reads and does in the main window.
struct SubRenameHost {
    std::function<GoToRowOffer()> goToOffer;           // the shown block and the cursor
    std::function<std::string(int n)> subroutineName;  // the name of subroutine n
    std::function<void(int gridRow)> goToRow;          // grid column 1 of that row, focused
    std::function<void(int n, const std::string& name)> rename;  // stored, saved later
    std::function<bool()> chinese;  // the interface language (Chinese when unset)
};

class TSubRenameFrm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultYes = 6;
    static constexpr int kResultCancel = 2;

    explicit TSubRenameFrm(SubRenameHost host, QWidget* parent = nullptr);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    QWidget* Panel1() const { return panel1_; }  // rename
    QLineEdit* Edit1() const { return edit1_; }
    QWidget* Panel2() const { return panel2_; }  // go to row
    QSpinBox* SpinEdit1() const { return spinEdit1_; }
    QLabel* Label3() const { return label3_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    void reject() override { done(kResultCancel); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();

    SubRenameHost host_;
    int tag_ = kGoToRowTag;
    QWidget* panel1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QWidget* panel2_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
