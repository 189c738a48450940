// The plug-in choice `TClient_OptFrm` ("特殊插件选择(双击列表 *.dll 选中)"): the
// plug-ins of the "Plugins" folder in `FileListBox1`, the description of the
// one under selection in `Memo1`, the use check box `CheckBox1` and the chosen
// name in `Edit1`. A double click takes the selected name; OK stores the
// choice in the project.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <string>

#include "model/LadderProgram.h"

namespace vx {

class TClient_OptFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TClient_OptFrm(std::string programFolder, QWidget* parent = nullptr);

    // The show: the project's choice into the controls.
    void FormShow(const LadderProgram& program);
    // OK: the controls into the project (the caller marks it changed).
    void Commit(LadderProgram& program) const;

    QListWidget* FileListBox1() const { return fileListBox1_; }
    QPlainTextEdit* Memo1() const { return memo1_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QLineEdit* Edit1() const { return edit1_; }

  private:
    void ShowDescription(const std::string& name);
    // Makes the row of the named plug-in current and selected, names
    // matching without regard to case.
    void SelectChosen(const std::string& name);
    void FillList();

    std::string programFolder_;
    std::string noted_;  // the bare name of the selected file
    QListWidget* fileListBox1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
};

}  // namespace vx
