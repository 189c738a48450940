// The quick entry box `TKeyInputFrm`.
//
// A small borderless box over the cursor cell, opened by a letter typed in
// the ladder grid with the letter already in it. As soon as the typed text
// is a known word (QuickEntry.h) the box places the element through the
// editor's element tool or opens the element entry dialog with the mnemonic
// filled in, and closes. Enter places the instructions without operands and
// the line tools; Esc cancels.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QPushButton>

#include "model/qt/EntryEdit.h"
#include "model/qt/EntryHost.h"

namespace vx {

class TFlatSkin;
class TFunInputFrm;

class TKeyInputFrm : public QDialog {
    Q_OBJECT
  public:
    TKeyInputFrm(TEntryHost& host, TFunInputFrm& entry, QWidget* parent = nullptr);

    // The grid's typed letter: the box at the screen point, shown modally.
    void Execute(QChar letter, QPoint place);
    // The same without showing.
    void Prepare(QChar letter) { letter_ = letter; }

    TEntryEdit* Edit1() const { return edit1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void Edit1Change();
    void Edit1Enter();
    void CaretAfterText();

    TEntryHost& host_;
    TFunInputFrm& entry_;
    QFrame* panel1_ = nullptr;
    TEntryEdit* edit1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    TFlatSkin* flatSkin1_ = nullptr;
    QChar letter_;
    bool changing_ = false;
    bool caretPending_ = false;
};

}  // namespace vx
