// The item dialog of the customise dialog: one button's (or inserted
// command's) caption, hint, icon, visibility and caption display.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TToolBarCustomizer;
class TImageList;

class TCusBtnForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    TCusBtnForm(TToolBarCustomizer& customizer, QWidget* parent = nullptr);
    ~TCusBtnForm() override;
    // The open dialog, or null.
    static TCusBtnForm* Current();

    // Texts from the customizer; the icon box gets one entry per picture of
    // the list and "None" (hidden without a list or without the icon
    // option); editors follow the item options; the labels are placed by
    // their widths.
    void Prepare(TImageList* images);
    QLineEdit* EdtBtnCaption() const { return edtBtnCaption_; }
    QLineEdit* EdtBtnHint() const { return edtBtnHint_; }
    QComboBox* CmBxGlyph() const { return cmBxGlyph_; }
    QCheckBox* ChkBtnVis() const { return chkBtnVis_; }
    QCheckBox* ChkBtnShowCap() const { return chkBtnShowCap_; }

  private:
    void Arrange();

    TToolBarCustomizer& customizer_;
    QGroupBox* groupBox1_ = nullptr;
    QLabel* lblBtnCaption_ = nullptr;
    QLineEdit* edtBtnCaption_ = nullptr;
    QLabel* lblBtnHint_ = nullptr;
    QLineEdit* edtBtnHint_ = nullptr;
    QLabel* lblGlyph_ = nullptr;
    QComboBox* cmBxGlyph_ = nullptr;
    QCheckBox* chkBtnVis_ = nullptr;
    QCheckBox* chkBtnShowCap_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace vx
