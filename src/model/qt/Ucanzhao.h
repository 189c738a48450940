// The operand picker `Tcanzhao` of the basic elements.
//
// Opened by the entry dialog's "..." button for contacts and coils: the user
// picks a device letter from a list, edits the number and, for a timer or
// counter coil, a set value; OK writes the result back into the entry
// dialog's element field. Nothing is checked here.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "model/qt/EntryEdit.h"

namespace vx {

class TFlatSkin;
class TForHelp;

class Tcanzhao : public QDialog {
    Q_OBJECT
  public:
    explicit Tcanzhao(QWidget* parent = nullptr);

    void SetTarget(TEntryEdit* field) { target_ = field; }
    void SetHelp(TForHelp* help) { help_ = help; }

    // Opening from the entry dialog: its element text, and whether a coil is
    // being entered; then shown modally.
    void Open(const QString& element, bool coilMode);

    bool CoilMode() const { return coilMode_; }
    TEntryEdit* Edit1() const { return edit1_; }
    TEntryEdit* Edit2() const { return edit2_; }
    QTableWidget* StringGrid1() const { return stringGrid1_; }
    QTableWidget* StringGrid2() const { return stringGrid2_; }
    QFrame* Panel1() const { return panel1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }
    QPushButton* BitBtn4() const { return bitBtn4_; }

    void StringGrid1SelectCell(int row);
    void StringGrid2SelectCell(int row);
    void BitBtn1Click();  // OK

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void ShowSetValue(bool shown);
    static void Fill(QTableWidget* grid, const std::vector<std::string>& rows);

    TEntryEdit* edit1_ = nullptr;
    TEntryEdit* edit2_ = nullptr;
    QTableWidget* stringGrid1_ = nullptr;
    QTableWidget* stringGrid2_ = nullptr;
    QFrame* panel1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    QPushButton* bitBtn4_ = nullptr;
    TFlatSkin* flatSkin1_ = nullptr;
    TEntryEdit* target_ = nullptr;
    TForHelp* help_ = nullptr;
    bool coilMode_ = false;
    std::vector<std::string> deviceRows_;
};

}  // namespace vx
