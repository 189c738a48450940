// The element entry dialog `TFunInputFrm`.
//
// A small borderless dialog over the cursor cell in which every element with
// an operand is entered or edited: contacts, coils, timers and counters, and
// through the instruction compiler application instructions, compare
// contacts and step contacts. It also shows and edits the comment of the
// element's device. The rules of what one OK stores are EnterElement's; the
// dialog only calls them, writes the cells and the comment, moves the cursor
// and takes the undo snapshot.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <string>

#include "model/qt/EntryEdit.h"
#include "model/qt/EntryHost.h"

namespace vx {

class TFlatSkin;
class TOUTF;
class Tcanzhao;

class TFunInputFrm : public QDialog {
    Q_OBJECT
  public:
    TFunInputFrm(TEntryHost& host, QWidget* parent = nullptr);

    // The editor's entry (a tool, Enter, a double click, the quick entry
    // box): EntryKind and the two texts, then the dialog shown modally for
    // the cell at the cursor.
    void Execute(std::int32_t entryKind, const std::string& edit1, const std::string& edit2);
    // The same without showing.
    void Prepare(std::int32_t entryKind, const std::string& edit1, const std::string& edit2);

    std::int32_t EntryKind() const { return entryKind_; }
    void SetEntryKind(std::int32_t kind) { entryKind_ = kind; }
    // "ORP "/"ORF ": the next edge contact is a parallel branch. Cleared
    // whenever the dialog closes.
    bool OrEdgeFlag() const { return orEdgeFlag_; }
    void SetOrEdgeFlag(bool on) { orEdgeFlag_ = on; }
    // -1 while the quick entry box stores an instruction through the dialog:
    // the box then stays shown.
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The windows the dialog works with.
    void SetQuickEntryBox(QWidget* box) { quickEntry_ = box; }
    void SetCatalogue(TOUTF* catalogue) { catalogue_ = catalogue; }
    void SetPicker(Tcanzhao* picker) { picker_ = picker; }

    TEntryEdit* Edit1() const { return edit1_; }
    TEntryEdit* Edit2() const { return edit2_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QLabel* Image2() const { return image2_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    void BitBtn1Click();  // OK
    void BitBtn2Click();  // "...": the catalogue or the operand picker
    void BitBtn3Click();  // cancel

    void done(int result) override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void FormClose();
    void PlaceCaret();
    void TakeSnapshot();
    void ApplyComment(int column, int row);

    TEntryHost& host_;
    QFrame* panel1_ = nullptr;
    QLabel* image2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    TEntryEdit* edit1_ = nullptr;
    TEntryEdit* edit2_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* flatSkin1_ = nullptr;
    QWidget* quickEntry_ = nullptr;
    TOUTF* catalogue_ = nullptr;
    Tcanzhao* picker_ = nullptr;

    std::int32_t entryKind_ = 0;
    bool orEdgeFlag_ = false;
    int tag_ = 0;
    std::string snapshotComment_;  // the comment shown for the cell being entered
    QPoint dragOffset_;
    bool dragging_ = false;
    bool caretPending_ = false;
};

}  // namespace vx
