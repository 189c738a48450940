// The find window `TForLookup` ("元件名查找").
//
// It finds an element name or operand in the ladder program and moves the
// grid's cursor to the hit, so that pressing Find again steps on to the next
// one. It stays on top of the main window without blocking it, keeps its
// options and its history for the whole run, and only hides when closed.
// The search is the editor's (Lookup.h); the main window moves the grid
// through the two seams of `Host`.
#pragma once

#include <QDialog>
#include <functional>

#include "editor/Lookup.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace vx {

class TForLookup : public QDialog {
    Q_OBJECT
  public:
    struct Host {
        // Whether a program is shown (no project, no find).
        std::function<bool()> programShown;
        // The grid shows the block of a tree node (2 = Main, n + 10 = subroutine n).
        std::function<void(int node)> showBlock;
        // The grid's cursor to an absolute place of the shown block.
        std::function<void(int column, int row)> placeCursor;
        // The interface language of the block-switch notices (Chinese when unset).
        std::function<bool()> chinese;
    };

    explicit TForLookup(QWidget* parent = nullptr);

    Host& Seams() { return host_; }
    // Shows the window without blocking and focuses the search box.
    void ShowLookup();

    // 查找(&F): one search step from the cursor.
    void BitBtn1Click();
    // 关闭(&C).
    void BitBtn3Click() { close(); }

    QComboBox* ComboBox1() const { return comboBox1_; }
    QRadioButton* RadioButton1() const { return radioButton1_; }
    QRadioButton* RadioButton2() const { return radioButton2_; }
    QCheckBox* CheckBox(int n) const;
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }
    const LookupHistory& History() const { return history_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddLookupItems(const std::string& text);
    void SwitchBlock(const BlockJump& jump);

    Host host_;
    LookupHistory history_;
    QComboBox* comboBox1_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QCheckBox* checkBox4_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
};

}  // namespace vx
