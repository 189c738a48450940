// The print options `TForPrint` (unit Print, "打印项目"): which ladder pages
// (all, or a range of pages), whether to print the ladder diagram and the
// instruction list, and the instruction list's font. The print command shows
// it modally and, after OK, hands the options to the print routine.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <optional>

namespace vx {

// What the print routine reads after the dialog.
struct PrintOptions {
    bool confirmed = false;  // PrintConfirmed: OK was pressed
    bool allPages = true;    // "全部范围(&r)"; else the range below
    int firstPage = 1;
    int lastPage = 1;
    bool ladder = true;            // "打印梯形图(&L)"
    bool instructionList = false;  // "打印指令表(&I)"
    QFont instructionFont;         // the instruction list's font
};

class TForPrint : public QDialog {
    Q_OBJECT
  public:
    explicit TForPrint(QWidget* parent = nullptr);

    // Shows the dialog modally; the options as they stand afterwards
    // (confirmed only after OK).
    PrintOptions Execute();
    PrintOptions Options() const;

    // The font dialog behind "...": the chosen font, or nothing when cancelled.
    std::function<std::optional<QFont>(const QFont& current)>& ChooseFont() { return chooseFont_; }
    void SetInstructionFont(const QFont& font) { instructionFont_ = font; }

    QRadioButton* RadioButton1() const { return radioButton1_; }
    QRadioButton* RadioButton2() const { return radioButton2_; }
    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QCheckBox* CheckBox2() const { return checkBox2_; }
    QToolButton* SpeedButton1() const { return speedButton1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

  protected:
    // The dialog fits the texts of the language in force when it opens.
    void showEvent(QShowEvent* event) override;

  private:
    void SpeedButton1Click();

    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    QFont instructionFont_;
    bool confirmed_ = false;
    std::function<std::optional<QFont>(const QFont&)> chooseFont_;
};

}  // namespace vx
