// The number converter `TCodeConvFrm` ("码制转换器").
//
// One 16-bit value at once as a decimal number (`Edit1`), a hexadecimal
// number (`Edit2`), sixteen bit cells (`X00_00` to `X00_0F`, navy 0, red 1)
// and sixteen base-2 digits (`Edit3`, read-only), with set/clear and the two
// shifts; `BinCode` chooses whether clicked bit cells read as plain binary or
// as Gray code. It stays on top beside the ladder editor without blocking
// it. The arithmetic is the editor's (CodeConv.h); this window carries the
// fields and runs it on Enter, on leaving a field and on the buttons.
#pragma once

#include <QDialog>
#include <array>

#include "editor/CodeConv.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vx {

class TCodeConvFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TCodeConvFrm(QWidget* parent = nullptr);

    // Shows the window without blocking, the decimal field focused.
    void ShowConverter();
    // The language of the set/clear button; it changes at once.
    void SetChinese(bool chinese);

    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QLineEdit* Edit3() const { return edit3_; }
    // The cell of bit 0-15.
    QPushButton* BitCell(int bit) const { return cells_[static_cast<std::size_t>(bit)]; }
    QComboBox* BinCode() const { return binCode_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }
    QPushButton* BitBtn4() const { return bitBtn4_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The fields as the window shows them, and back.
    CodeConvFields Fields() const;
    void Show(const CodeConvFields& fields);
    // Runs one command on the fields.
    template <class Command>
    void Run(Command command) {
        CodeConvFields fields = Fields();
        command(fields);
        Show(fields);
    }

    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    std::array<QPushButton*, 16> cells_{};
    QComboBox* binCode_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    QPushButton* bitBtn4_ = nullptr;
    // The set/clear button's state, which its text shows in either language.
    std::string setClear_ = kSetAllCaption;
    bool chinese_ = true;
};

}  // namespace vx
