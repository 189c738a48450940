// The application-instruction catalogue `TOUTF`.
//
// Opened by the entry dialog's "..." button for function boxes, compare
// contacts and step contacts: the user picks a category and a mnemonic,
// reads its description (in the interface language), chooses a device letter
// for each operand (its range shown beside it), may add an index register to
// the first two operands of MOV, and confirms; the finished instruction text
// goes back into the entry dialog's element field, where it is validated and
// compiled. The catalogue itself checks nothing. Its tables are
// InstructionCatalogue's.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <vector>

#include "model/InstructionCatalogue.h"

namespace vx {

class TEntryEdit;
class TFlatSkin;
class TForHelp;

class TOUTF : public QDialog {
    Q_OBJECT
  public:
    explicit TOUTF(QWidget* parent = nullptr);

    // The element field the result goes into.
    void SetTarget(TEntryEdit* field) { target_ = field; }
    void SetHelp(TForHelp* help) { help_ = help; }
    // The interface language, asked whenever descriptions are shown (Chinese
    // when unset).
    void SetChinese(std::function<bool()> chinese) { chinese_ = std::move(chinese); }

    // Opening from the entry dialog: the mnemonic and operands 1 to 4 of its
    // element text, then shown modally.
    void Open(const QString& mnemonic, const std::array<QString, kOperandPanels>& operands);

    QComboBox* ComboBox1() const { return comboBox1_; }
    QComboBox* Edit1() const { return edit1_; }
    QComboBox* Explain() const { return explain_; }
    QWidget* OPer(int n) const { return panels_[Slot(n)].panel; }
    QComboBox* OPera(int n) const { return panels_[Slot(n)].letters; }
    QComboBox* OPeran(int n) const { return panels_[Slot(n)].ranges; }
    QLineEdit* OperandField(int n) const { return panels_[Slot(n)].field; }  // Edit2 ... Edit5
    QComboBox* OPerICB(int n) const { return panels_[Slot(n)].index; }       // panels 1 and 2
    QLabel* OPerIL(int n) const { return panels_[Slot(n)].indexLabel; }
    QPushButton* BitBtn7() const { return bitBtn7_; }
    QPushButton* BitBtn8() const { return bitBtn8_; }
    QPushButton* BitBtn9() const { return bitBtn9_; }

    void ComboBox1Change();
    void Edit1Change();
    void SetupOperands();
    void OperandVisible(int count);
    // The letter change of panel n; byUser when the user chose the letter.
    void OPeraChange(int n, bool byUser);
    void BitBtn7Click();  // OK
    void BitBtn8Click();  // cancel
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Panel {
        QFrame* panel = nullptr;
        QComboBox* letters = nullptr;
        QLineEdit* field = nullptr;
        QComboBox* ranges = nullptr;
        QLabel* indexLabel = nullptr;
        QComboBox* index = nullptr;
    };
    static std::size_t Slot(int n) { return static_cast<std::size_t>(n - 1); }
    void FormShow();
    void SelectMnemonicInList();
    void ShowDescriptions();
    void EmptyFields();

    QComboBox* comboBox1_ = nullptr;
    QComboBox* edit1_ = nullptr;
    QComboBox* explain_ = nullptr;
    QFrame* panel7_ = nullptr;
    std::array<Panel, kOperandPanels> panels_{};
    QPushButton* bitBtn7_ = nullptr;
    QPushButton* bitBtn8_ = nullptr;
    QPushButton* bitBtn9_ = nullptr;
    TFlatSkin* flatSkin1_ = nullptr;
    TEntryEdit* target_ = nullptr;
    TForHelp* help_ = nullptr;
    std::function<bool()> chinese_;
    std::vector<CatalogueEntry> listing_;  // the entries of Edit1's list

    std::string catalogueMnemonic_;  // the upper-cased mnemonic of the panels shown
    std::string handedMnemonic_;     // the mnemonic the entry dialog handed in
    const OperandLayout* layout_ = nullptr;
};

}  // namespace vx
