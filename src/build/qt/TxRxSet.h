// The system parameter dialog `TSystemSetFrm` ("系统参数").
//
// It edits the project's two parameter strings: the controller series and
// hardware version over five pages, the three serial ports, CAN, the program
// type (C block or compiled C library) with the analog resolution and the
// encoder modes, the interrupt modes and the retentive areas. It is shown modally from the
// main window's "系统参数设置" command and for a new project; New and Open
// also load it without showing it, so that its model and version fields,
// which the main window's status bar and project tab show, mirror the
// project.
//
// "确认(&Y)" writes both strings and closes with the result 6 (yes);
// "取消(&N)" closes with 7 (no) and changes nothing. A value of the strings
// that a list of the dialog does not offer is kept as it was.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <map>
#include <string>

#include "build/SysParams.h"
#include "model/LadderProgram.h"

namespace vx {

class TFlatSkin;
class TWgPageControl;

class TSystemSetFrm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultYes = 6;
    static constexpr int kResultNo = 7;

    explicit TSystemSetFrm(QWidget* parent = nullptr);

    // The controls take the program's strings. A HoldParamString whose first
    // retentive register is below 500 is rebuilt in the program at once.
    void FormShow(LadderProgram& program);

    // FormShow, then the dialog modally; on "确认(&Y)" the program's strings
    // are written from the controls. The modal result (6 when confirmed).
    int Execute(LadderProgram& program);

    // The strings as the controls give them (OK writes these).
    std::string SysParamText() const;
    std::string HoldParamText() const;

    // The model and version fields, as the status bar shows them.
    QString ModelText() const;
    QString VersionText() const;

    // A control by its name (PlcSeries, SpinEdit4, H_Fun1 ...).
    QWidget* Control(const QString& name) const;

  signals:
    // After "确认(&Y)" has written the strings: the main window enables Save
    // and rebuilds the project tree.
    void Confirmed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QComboBox* AddCombo(const char* name, std::initializer_list<const char*> items);
    QSpinBox* AddSpin(const char* name, int minimum, int maximum);
    void Build();
    // The pages wide enough for every tab: the tabs' captions follow the
    // interface language.
    void PlaceOnScreen();
    void FitPages();

    void PlcSeriesChange();
    void CanUseChange();
    void FunTChange();
    void RefreshCom3Caption();
    void LabelCOM3ModelClick();
    void SpinEdit4Exit();
    void SpinEdit7Change();
    void SpinEdit8Change();
    void H_Fun1Click();
    void H_Fun2Click();
    void BitBtn1Click();  // 确认(&Y)

    // A list's value: its index, or the loaded value when it has none.
    int ComboValue(const QComboBox* combo, int loaded) const;
    static void SetComboValue(QComboBox* combo, int value);

    TFlatSkin* flatSkin1_ = nullptr;
    // The pages: the serial ports, CAN, the program type with the analog
    // input and encoders, the interrupts, the retentive areas.
    TWgPageControl* wgPageControl1_ = nullptr;
    int pagesWidth_ = 0;  // what the pages' contents need
    std::map<QString, QWidget*> controls_;
    QComboBox *plcSeries_ = nullptr, *plcVersion_ = nullptr;
    QSpinBox *spinEdit1_ = nullptr, *spinEdit2_ = nullptr;
    QComboBox *baudRate_ = nullptr, *comboBox1_ = nullptr, *comboBox2_ = nullptr,
              *comboBox3_ = nullptr, *comboBox4_ = nullptr;
    QLabel* labelCOM3Model_ = nullptr;
    QComboBox *canUse_ = nullptr, *comboBox5_ = nullptr, *comboBox6_ = nullptr,
              *comboBox7_ = nullptr, *nmtMaster_ = nullptr;
    QSpinBox *canId1a_ = nullptr, *tpdoInhibit_ = nullptr;
    QSpinBox *canId2a_ = nullptr, *canId2b_ = nullptr, *canId2c_ = nullptr, *canId2d_ = nullptr,
             *canId3a_ = nullptr, *canId3b_ = nullptr;
    QGroupBox *canOpenGroup_ = nullptr, *canOwnGroup_ = nullptr;
    QComboBox* adBit_ = nullptr;
    QCheckBox *hFun1_ = nullptr, *hFun2_ = nullptr;
    QComboBox *fun2_ = nullptr, *fun6_ = nullptr;
    QComboBox *fun3s_ = nullptr, *fun4s_ = nullptr, *fun5s_ = nullptr, *funT_ = nullptr;
    QSpinBox *spinEdit4_ = nullptr, *spinEdit5_ = nullptr, *spinEdit6_ = nullptr,
             *spinEdit7_ = nullptr, *spinEdit8_ = nullptr;
    QLabel *label7_ = nullptr, *label8_ = nullptr;  // "-->D" beside SpinEdit7 and SpinEdit8
    QPushButton *bitBtn1_ = nullptr, *bitBtn2_ = nullptr;

    int com3Role_ = 0;  // the tag of LabelCOM3Model
    SysParams loaded_;  // what FormShow read, for values the lists do not offer
    HoldParams loadedHold_;
    LadderProgram* program_ = nullptr;
};

}  // namespace vx
