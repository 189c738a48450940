#include "build/qt/TxRxSet.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/LoadingScope.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The pages' tabs.
constexpr const char* kPageCaptions[] = {" 通讯口 ", " CAN ", " 程序/模拟量 ", " 中断 ",
                                         " 停电保持 "};

constexpr const char* kCom3Hint =
    "Click To (Slave/Master)\nMaster {\nMODRD MODRI MODWR MODWL \nDevice ID for 200~255 }";

// A grid of caption and control rows inside a group box.
class Rows {
  public:
    explicit Rows(QGroupBox* box) : layout_(new QGridLayout(box)) {
        layout_->setHorizontalSpacing(6);
        layout_->setVerticalSpacing(4);
    }
    void Add(const char* caption, QWidget* control, QWidget* note = nullptr) {
        auto* label = new QLabel(Q(caption), layout_->parentWidget());
        label->setBuddy(control);
        layout_->addWidget(label, row_, 0);
        layout_->addWidget(control, row_, 1);
        if (note) layout_->addWidget(note, row_, 2);
        ++row_;
    }
    void AddWide(QWidget* widget) { layout_->addWidget(widget, row_++, 0, 1, 3); }
    QGridLayout* Layout() const { return layout_; }

  private:
    QGridLayout* layout_;
    int row_ = 0;
};

}  // namespace

TSystemSetFrm::TSystemSetFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SystemSetFrm"));
    setWindowTitle(Q("系统参数"));
    setModal(true);
    setFont(ToQFont(CanvasFont{}));
    flatSkin1_ = TFlatSkin::ForDialog(this);
    Build();
    adjustSize();
    PlaceOnScreen();
}

void TSystemSetFrm::PlaceOnScreen() {
    // Centred across the screen, the top edge 180 pixels down, or higher
    // where the screen is too low for the whole dialog: its buttons stay on
    // the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        const QSize whole = frameGeometry().size();  // the frame once the desktop drew one
        const int top = std::max(0, std::min(180, s.height() - whole.height()));
        move(s.left() + (s.width() - whole.width()) / 2, s.top() + top);
    }
}

QComboBox* TSystemSetFrm::AddCombo(const char* name, std::initializer_list<const char*> items) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(Q(name));
    for (const char* item : items)
        combo->addItem(Q(item));
    controls_[combo->objectName()] = combo;
    return combo;
}

QSpinBox* TSystemSetFrm::AddSpin(const char* name, int minimum, int maximum) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(Q(name));
    spin->setRange(minimum, maximum);
    controls_[spin->objectName()] = spin;
    return spin;
}

QWidget* TSystemSetFrm::Control(const QString& name) const {
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void TSystemSetFrm::Build() {
    const SysParams defaults;
    auto spinFor = [&](const char* name, SysField field) {
        const ParamFieldInfo& info = InfoOf(field);
        QSpinBox* spin = AddSpin(name, info.minimum, info.maximum);
        spin->setValue(defaults.Get(field));
        return spin;
    };
    const char* frames[] = {"N 8 2", "O 8 1", "E 8 1"};

    // The controller.
    auto* plcBox = new QGroupBox(Q("PLC型号"), this);
    plcSeries_ = AddCombo("PlcSeries", {});
    plcVersion_ = AddCombo("PlcVersion", {});
    MarkProgramText(plcSeries_);  // refilled from the model tables
    MarkProgramText(plcVersion_);
    for (const std::string& name : PlcSeriesNames())
        plcSeries_->addItem(Q(name));
    Rows plcRows(plcBox);
    plcRows.Add("系列:", plcSeries_);
    plcRows.Add("硬件版本:", plcVersion_);

    // The serial ports.
    auto* com1Box = new QGroupBox(QStringLiteral("COM1"), this);
    spinEdit1_ = spinFor("SpinEdit1", SysField::Station);
    baudRate_ = AddCombo("Baud_rate", {"9600", "19200", "38400", "57600", "115200"});
    spinEdit2_ = spinFor("SpinEdit2", SysField::Timeout);
    comboBox1_ = AddCombo("ComboBox1", {frames[0], frames[1], frames[2]});
    Rows com1Rows(com1Box);
    com1Rows.Add("站号:", spinEdit1_);
    com1Rows.Add("波特率:", baudRate_);
    com1Rows.Add("超时(ms):", spinEdit2_);
    com1Rows.Add("格式:", comboBox1_);

    auto* com2Box = new QGroupBox(QStringLiteral("COM2"), this);
    comboBox4_ = AddCombo("ComboBox4", {"Modbus Master", "Modbus Slave"});
    Rows com2Rows(com2Box);
    com2Rows.Add("模式:", comboBox4_);

    auto* com3Box = new QGroupBox(QStringLiteral("COM3"), this);
    labelCOM3Model_ = new QLabel(com3Box);
    MarkProgramText(labelCOM3Model_);  // the port's role
    labelCOM3Model_->setObjectName(QStringLiteral("LabelCOM3Model"));
    labelCOM3Model_->setToolTip(Q(kCom3Hint));
    labelCOM3Model_->setCursor(Qt::PointingHandCursor);
    labelCOM3Model_->installEventFilter(this);
    controls_[labelCOM3Model_->objectName()] = labelCOM3Model_;
    comboBox2_ = AddCombo("ComboBox2", {"4800", "9600", "19200", "38400", "57600", "115200",
                                        "128000", "230400", "460800", "921600"});
    comboBox3_ = AddCombo("ComboBox3", {frames[0], frames[1], frames[2]});
    Rows com3Rows(com3Box);
    com3Rows.AddWide(labelCOM3Model_);
    com3Rows.Add("波特率:", comboBox2_);
    com3Rows.Add("格式:", comboBox3_);

    // CAN.
    auto* canBox = new QGroupBox(QStringLiteral("CAN"), this);
    canUse_ = AddCombo("CAN_Use", {"OFF", "CANown", "CANopen"});
    comboBox5_ =
        AddCombo("ComboBox5", {"10K", "20K", "50K", "100K", "125K", "250K", "500K", "1000K"});
    comboBox6_ = AddCombo("ComboBox6", {"标准帧 2.0A", "扩展帧 2.0B"});
    comboBox7_ = AddCombo("ComboBox7", {"数据帧", "远程帧"});
    Rows canRows(canBox);
    canRows.Add("CAN功能:", canUse_);
    canRows.Add("波特率:", comboBox5_);
    canRows.Add("帧格式:", comboBox6_);
    canRows.Add("帧类型:", comboBox7_);

    canOpenGroup_ = new QGroupBox(QStringLiteral("CANopen"), canBox);
    canId1a_ = spinFor("CAN_ID1a", SysField::CanNodeId);
    nmtMaster_ = AddCombo("NMT_Master", {"NMT Master", "AUTOSTART"});
    tpdoInhibit_ = spinFor("TPDO_INHIBIT", SysField::TpdoInhibit);
    Rows openRows(canOpenGroup_);
    openRows.Add("节点ID:", canId1a_);
    openRows.Add("节点启动:", nmtMaster_);
    openRows.Add("TPDO禁止时间(ms):", tpdoInhibit_);
    canRows.AddWide(canOpenGroup_);

    canOwnGroup_ = new QGroupBox(QStringLiteral("CANown"), canBox);
    canId2a_ = spinFor("CAN_ID2a", SysField::ShareOwnId);
    canId2b_ = spinFor("CAN_ID2b", SysField::ShareCode3);
    canId2c_ = spinFor("CAN_ID2c", SysField::ShareCode4);
    canId2d_ = spinFor("CAN_ID2d", SysField::ShareCode5);
    canId3a_ = spinFor("CAN_ID3a", SysField::SlaveOwnId);
    canId3b_ = spinFor("CAN_ID3b", SysField::SlaveCode6);
    Rows ownRows(canOwnGroup_);
    ownRows.AddWide(new QLabel(Q("PLC.数据共享区"), canOwnGroup_));
    ownRows.Add("本机ID2:", canId2a_);
    ownRows.Add("接收码3:", canId2b_, new QLabel(Q("(0: 不限)"), canOwnGroup_));
    ownRows.Add("接收码4:", canId2c_);
    ownRows.Add("接收码5:", canId2d_);
    ownRows.AddWide(new QLabel(Q("Modbus Slave"), canOwnGroup_));
    ownRows.Add("本机ID3:", canId3a_);
    ownRows.Add("接收码6:", canId3b_);
    canRows.AddWide(canOwnGroup_);

    // Program type, analog input and encoders.
    auto* typeBox = new QGroupBox(Q("程序类型"), this);
    auto* ladder = new QRadioButton(Q("梯形图"), typeBox);
    ladder->setChecked(true);
    auto* sfc = new QRadioButton(QStringLiteral("SFC"), typeBox);
    sfc->setEnabled(false);
    sfc->setAutoExclusive(false);
    hFun1_ = new QCheckBox(Q("高级语言(function1 源码编辑模块)"), typeBox);
    hFun1_->setObjectName(QStringLiteral("H_Fun1"));
    hFun2_ = new QCheckBox(Q("高级语言(编译生成的 Lib库)"), typeBox);
    hFun2_->setObjectName(QStringLiteral("H_Fun2"));
    controls_[hFun1_->objectName()] = hFun1_;
    controls_[hFun2_->objectName()] = hFun2_;
    auto* typeLayout = new QVBoxLayout(typeBox);
    auto* fixedRow = new QHBoxLayout;
    fixedRow->addWidget(ladder);
    fixedRow->addWidget(sfc);
    fixedRow->addStretch();
    typeLayout->addLayout(fixedRow);
    typeLayout->addWidget(hFun1_);
    typeLayout->addWidget(hFun2_);

    auto* ioBox = new QGroupBox(Q("模拟量 / 编码器"), this);
    adBit_ = AddCombo("ADbit", {"12bit", "16bit"});
    fun2_ = AddCombo("Fun2", {"AB相", "A相"});
    fun6_ = AddCombo("Fun6", {"AB相", "A相"});
    Rows ioRows(ioBox);
    ioRows.Add("AD分辨率:", adBit_);
    ioRows.Add("编码器0:", fun2_);
    ioRows.Add("编码器1:", fun6_);

    // Interrupts.
    auto* interruptBox = new QGroupBox(Q("中断"), this);
    auto modes = [&](const char* name) {
        return AddCombo(name, {kInterruptModeNames[0], kInterruptModeNames[1],
                               kInterruptModeNames[2], kInterruptModeNames[3]});
    };
    fun3s_ = modes("Fun3s");
    fun4s_ = modes("Fun4s");
    fun5s_ = modes("Fun5s");
    funT_ = AddCombo("FunT", {"不用", "每隔 1ms(自动调用Sub_31)"});
    Rows interruptRows(interruptBox);
    interruptRows.Add("D2310=0", fun3s_);
    interruptRows.Add("D2310=1", fun4s_);
    interruptRows.Add("D2310=2", fun5s_);
    interruptRows.Add("内中断Clk:", funT_);

    // Retentive areas.
    auto* holdBox = new QGroupBox(Q("停电保持"), this);
    const HoldParams holdDefaults;
    spinEdit4_ = AddSpin("SpinEdit4", 500, 1299);
    spinEdit4_->setValue(holdDefaults.relayStart);
    spinEdit5_ = AddSpin("SpinEdit5", 500, 1299);
    spinEdit5_->setValue(holdDefaults.registerStart);
    spinEdit6_ = AddSpin("SpinEdit6", 165, 199);
    spinEdit6_->setValue(holdDefaults.counterStart);
    spinEdit7_ = AddSpin("SpinEdit7", 0, 5000);
    spinEdit7_->setValue(holdDefaults.batteryStart);
    spinEdit8_ = AddSpin("SpinEdit8", 0, 5000);
    spinEdit8_->setValue(holdDefaults.encoderStart);
    label7_ = new QLabel(holdBox);
    MarkProgramText(label7_);  // the end of a retentive area
    label7_->setObjectName(QStringLiteral("Label7"));
    label8_ = new QLabel(holdBox);
    MarkProgramText(label8_);
    label8_->setObjectName(QStringLiteral("Label8"));
    controls_[label7_->objectName()] = label7_;
    controls_[label8_->objectName()] = label8_;
    Rows holdRows(holdBox);
    holdRows.Add("辅助继电器起始 M500-->M:", spinEdit4_, new QLabel(Q("(M500-M1299)"), holdBox));
    holdRows.Add("数据寄存器起始 D500-->D:", spinEdit5_, new QLabel(Q("(D500-D1299)"), holdBox));
    holdRows.Add("计数器16位起始 C165-->C:", spinEdit6_, new QLabel(Q("(C165-C199)"), holdBox));
    holdRows.Add("电池保持 D:", spinEdit7_, label7_);
    holdRows.Add("编码器计数 D:", spinEdit8_, label8_);

    // Buttons.
    bitBtn1_ = new QPushButton(Q("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn2_ = new QPushButton(Q("取消(&N)"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    controls_[bitBtn1_->objectName()] = bitBtn1_;
    controls_[bitBtn2_->objectName()] = bitBtn2_;

    // The model over the pages of the other settings.
    {
        // Set up as a stored window is read: the first page is shown when
        // loading ends.
        TLoadingScope loading;
        wgPageControl1_ = new TWgPageControl(this);
        wgPageControl1_->setObjectName(QStringLiteral("WgPageControl1"));
        wgPageControl1_->SetTabStyle(TWgTabStyle::tsRoundCorners);
        wgPageControl1_->SetTransparent(true);
        wgPageControl1_->SetBoldCurrentTab(true);
        wgPageControl1_->TextColors().SetUnselected(clNavy);
        wgPageControl1_->SetFixedDimension(35);
        const std::initializer_list<QGroupBox*> pages[] = {
            {com1Box, com2Box, com3Box}, {canBox}, {typeBox, ioBox}, {interruptBox}, {holdBox}};
        for (std::size_t p = 0; p < std::size(pages); ++p) {
            auto* sheet = new TWgTabSheet(wgPageControl1_);
            sheet->setObjectName(QStringLiteral("TabSheet%1").arg(p + 1));
            sheet->SetCaption(Q(kPageCaptions[p]));
            auto* column = new QVBoxLayout(sheet);
            for (QGroupBox* box : pages[p])
                column->addWidget(box);
            column->addStretch();
        }
        wgPageControl1_->SetActivePageIndex(0);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plcBox);
    layout->addWidget(wgPageControl1_);
    layout->addLayout(buttons);

    connect(plcSeries_, &QComboBox::currentIndexChanged, this, [this] { PlcSeriesChange(); });
    connect(canUse_, &QComboBox::currentIndexChanged, this, [this] { CanUseChange(); });
    connect(funT_, &QComboBox::currentIndexChanged, this, [this] { FunTChange(); });
    connect(spinEdit4_, &QSpinBox::editingFinished, this, [this] { SpinEdit4Exit(); });
    connect(spinEdit7_, &QSpinBox::valueChanged, this, [this] { SpinEdit7Change(); });
    connect(spinEdit8_, &QSpinBox::valueChanged, this, [this] { SpinEdit8Change(); });
    connect(hFun1_, &QCheckBox::clicked, this, [this] { H_Fun1Click(); });
    connect(hFun2_, &QCheckBox::clicked, this, [this] { H_Fun2Click(); });
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { done(kResultNo); });

    // Wide enough for the longest entry and the drop-down button.
    for (auto& [name, control] : controls_) {
        auto* combo = qobject_cast<QComboBox*>(control);
        if (combo == nullptr) continue;
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        combo->setMinimumWidth(widest + 36);
    }
    // The pages as large as the largest page needs.
    QSize largest;
    for (int p = 0; p < wgPageControl1_->PageCount(); ++p)
        largest = largest.expandedTo(wgPageControl1_->Pages(p)->layout()->sizeHint());
    wgPageControl1_->resize(largest + QSize(200, 200));
    const TRect area = wgPageControl1_->ChildArea();
    pagesWidth_ = largest.width() + wgPageControl1_->width() - area.Width();
    wgPageControl1_->setMinimumSize(pagesWidth_,
                                    largest.height() + wgPageControl1_->height() - area.Height());

    PlcSeriesChange();
    CanUseChange();
    FunTChange();
    RefreshCom3Caption();
    SpinEdit7Change();
    SpinEdit8Change();
}

void TSystemSetFrm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Fitting the tab strip may change the dialog's size.
        FitPages();
        PlaceOnScreen();
    }
    QDialog::showEvent(event);
}

void TSystemSetFrm::FitPages() {
    // The strip's tabs in one row from end to end, and what the strip keeps
    // beside them: the scroller's place and its margins.
    const int last = wgPageControl1_->TabCount() - 1;
    if (last < 0) return;
    wgPageControl1_->LayoutNow();
    const int tabs = wgPageControl1_->TabRect(last).right - wgPageControl1_->TabRect(0).left;
    const int arrow = QFontMetrics(wgPageControl1_->font()).height() + 4;
    const int stripEnds = 2 * arrow + 12;
    const int width = std::max(pagesWidth_, tabs + stripEnds);
    if (width == wgPageControl1_->minimumWidth()) return;
    wgPageControl1_->setMinimumWidth(width);
    adjustSize();
}

void TSystemSetFrm::SetComboValue(QComboBox* combo, int value) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
}

int TSystemSetFrm::ComboValue(const QComboBox* combo, int loaded) const {
    const int index = combo->currentIndex();
    return index >= 0 ? index : loaded;
}

void TSystemSetFrm::FormShow(LadderProgram& program) {
    const SysParams sys = ParseSysParams(program.sysParamString);
    loaded_ = sys;

    // The controller: a stored series the list lacks shows series 8; the
    // version follows the series-change rule.
    {
        const QSignalBlocker quiet(plcSeries_);
        plcSeries_->clear();
        for (const std::string& name : PlcSeriesNames())
            plcSeries_->addItem(Q(name));
        plcSeries_->setCurrentIndex(ShownSeries(sys.Get(SysField::Series)));
    }
    {
        const QSignalBlocker quiet(plcVersion_);
        plcVersion_->clear();
        for (const std::string& name : PlcVersionNames(plcSeries_->currentIndex()))
            plcVersion_->addItem(Q(name));
        plcVersion_->setCurrentIndex(
            ShownVersion(plcSeries_->currentIndex(), sys.Get(SysField::Version)));
    }

    spinEdit1_->setValue(sys.Get(SysField::Station));
    SetComboValue(baudRate_, sys.Get(SysField::Com1Baud));
    spinEdit2_->setValue(sys.Get(SysField::Timeout));
    SetComboValue(comboBox1_, sys.Get(SysField::Com1Frame));
    SetComboValue(comboBox2_, sys.Get(SysField::Com3Baud));
    SetComboValue(comboBox3_, sys.Get(SysField::Com3Frame));
    SetComboValue(comboBox4_, sys.Get(SysField::Com2Mode));
    com3Role_ = sys.Get(SysField::Com3Role);
    SetComboValue(canUse_, sys.Get(SysField::CanUse));
    SetComboValue(comboBox5_, sys.Get(SysField::CanBaud));
    SetComboValue(comboBox6_, sys.Get(SysField::CanFormat));
    SetComboValue(comboBox7_, sys.Get(SysField::CanFrameType));
    canId1a_->setValue(sys.Get(SysField::CanNodeId));
    SetComboValue(nmtMaster_, sys.Get(SysField::NmtStart));
    tpdoInhibit_->setValue(sys.Get(SysField::TpdoInhibit));
    canId2a_->setValue(sys.Get(SysField::ShareOwnId));
    canId2b_->setValue(sys.Get(SysField::ShareCode3));
    canId2c_->setValue(sys.Get(SysField::ShareCode4));
    canId2d_->setValue(sys.Get(SysField::ShareCode5));
    canId3a_->setValue(sys.Get(SysField::SlaveOwnId));
    canId3b_->setValue(sys.Get(SysField::SlaveCode6));
    SetComboValue(adBit_, sys.Get(SysField::AdBits));
    hFun1_->setChecked(sys.CBlock());
    hFun2_->setChecked(sys.CLibrary());
    SetComboValue(fun2_, sys.Encoder0Mode());
    SetComboValue(fun6_, sys.Encoder1Mode());
    SetComboValue(funT_, sys.TimerInterrupt());

    // Interrupt modes and retentive areas; a string the dialog never wrote
    // is rebuilt at once, and the spin boxes then keep what they show.
    if (HoldNeedsRebuild(program.holdParamString)) {
        program.holdParamString = RebuiltHoldParamString(program.holdParamString);
        loadedHold_ = ParseHoldParams(program.holdParamString);
    } else {
        loadedHold_ = ParseHoldParams(program.holdParamString);
        spinEdit4_->setValue(loadedHold_.relayStart);
        spinEdit5_->setValue(loadedHold_.registerStart);
        spinEdit6_->setValue(loadedHold_.counterStart);
        spinEdit7_->setValue(loadedHold_.batteryStart);
        spinEdit8_->setValue(loadedHold_.encoderStart);
    }
    SetComboValue(fun3s_, loadedHold_.interrupts[0]);
    SetComboValue(fun4s_, loadedHold_.interrupts[1]);
    SetComboValue(fun5s_, loadedHold_.interrupts[2]);

    CanUseChange();
    FunTChange();
    RefreshCom3Caption();
    SpinEdit7Change();
    SpinEdit8Change();
}

int TSystemSetFrm::Execute(LadderProgram& program) {
    program_ = &program;
    FormShow(program);
    const int result = exec();
    program_ = nullptr;
    return result;
}

void TSystemSetFrm::PlcSeriesChange() {
    const int series = plcSeries_->currentIndex();
    if (series < 0 || series >= static_cast<int>(PlcSeriesNames().size())) return;
    const int remembered = plcVersion_->currentIndex();
    const QSignalBlocker quiet(plcVersion_);
    plcVersion_->clear();
    for (const std::string& name : PlcVersionNames(series))
        plcVersion_->addItem(Q(name));
    plcVersion_->setCurrentIndex(remembered >= 0 && remembered < plcVersion_->count()
                                     ? remembered
                                     : plcVersion_->count() - 1);
}

void TSystemSetFrm::CanUseChange() {
    const bool canOpen = canUse_->currentIndex() == 2;
    canOpenGroup_->setEnabled(canOpen);
    canOwnGroup_->setEnabled(!canOpen);
}

void TSystemSetFrm::FunTChange() {
    // A stored mode the list lacks still names its rate.
    switch (ComboValue(funT_, loaded_.TimerInterrupt())) {
        case 1:
            funT_->setToolTip(Q("每秒钟 1000次"));
            break;
        case 2:
            funT_->setToolTip(Q("每秒钟 10000次"));
            break;
        default:
            funT_->setToolTip(QString());
            break;
    }
}

void TSystemSetFrm::RefreshCom3Caption() {
    labelCOM3Model_->setText(com3Role_ == 1 ? QStringLiteral("(Modbus Master)")
                                            : QStringLiteral("(Modbus Slave)"));
    labelCOM3Model_->setProperty("tag", com3Role_);
}

void TSystemSetFrm::LabelCOM3ModelClick() {
    com3Role_ = com3Role_ == 1 ? 0 : 1;
    RefreshCom3Caption();
}

bool TSystemSetFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == labelCOM3Model_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelCOM3ModelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSystemSetFrm::SpinEdit4Exit() {
    spinEdit4_->setValue(SnapRelayStart(spinEdit4_->value()));
}

void TSystemSetFrm::SpinEdit7Change() {
    label7_->setText("-->D" + QString::number(spinEdit7_->value() + 39));
}

void TSystemSetFrm::SpinEdit8Change() {
    label8_->setText("-->D" + QString::number(spinEdit8_->value() + 3));
}

void TSystemSetFrm::H_Fun1Click() {
    if (hFun1_->isChecked()) hFun2_->setChecked(false);
}

void TSystemSetFrm::H_Fun2Click() {
    if (hFun2_->isChecked()) hFun1_->setChecked(false);
}

std::string TSystemSetFrm::SysParamText() const {
    SysParams p = loaded_;
    p.Set(SysField::Series, ComboValue(plcSeries_, loaded_.Get(SysField::Series)));
    p.Set(SysField::Version, ComboValue(plcVersion_, loaded_.Get(SysField::Version)));
    p.Set(SysField::Station, spinEdit1_->value());
    p.Set(SysField::Com1Baud, ComboValue(baudRate_, loaded_.Get(SysField::Com1Baud)));
    p.Set(SysField::Timeout, spinEdit2_->value());
    p.Set(SysField::Com1Frame, ComboValue(comboBox1_, loaded_.Get(SysField::Com1Frame)));
    p.Set(SysField::Com3Baud, ComboValue(comboBox2_, loaded_.Get(SysField::Com3Baud)));
    p.Set(SysField::Com3Frame, ComboValue(comboBox3_, loaded_.Get(SysField::Com3Frame)));
    p.Set(SysField::Com2Mode, ComboValue(comboBox4_, loaded_.Get(SysField::Com2Mode)));
    p.Set(SysField::Com3Role, com3Role_);
    p.Set(SysField::CanUse, ComboValue(canUse_, loaded_.Get(SysField::CanUse)));
    p.Set(SysField::CanBaud, ComboValue(comboBox5_, loaded_.Get(SysField::CanBaud)));
    p.Set(SysField::CanFormat, ComboValue(comboBox6_, loaded_.Get(SysField::CanFormat)));
    p.Set(SysField::CanFrameType, ComboValue(comboBox7_, loaded_.Get(SysField::CanFrameType)));
    p.Set(SysField::CanNodeId, canId1a_->value());
    p.Set(SysField::NmtStart, ComboValue(nmtMaster_, loaded_.Get(SysField::NmtStart)));
    p.Set(SysField::TpdoInhibit, tpdoInhibit_->value());
    p.Set(SysField::ShareOwnId, canId2a_->value());
    p.Set(SysField::ShareCode3, canId2b_->value());
    p.Set(SysField::ShareCode4, canId2c_->value());
    p.Set(SysField::ShareCode5, canId2d_->value());
    p.Set(SysField::SlaveOwnId, canId3a_->value());
    p.Set(SysField::SlaveCode6, canId3b_->value());
    p.Set(SysField::AdBits, ComboValue(adBit_, loaded_.Get(SysField::AdBits)));
    p.Set(SysField::Flags, 0);
    if (hFun1_->isChecked()) p.SetCBlock(true);
    if (hFun2_->isChecked()) p.SetCLibrary(true);
    p.SetEncoder0Mode(ComboValue(fun2_, loaded_.Encoder0Mode()));
    p.SetTimerInterrupt(ComboValue(funT_, loaded_.TimerInterrupt()));
    p.SetEncoder1Mode(ComboValue(fun6_, loaded_.Encoder1Mode()));
    return FormatSysParams(p);
}

std::string TSystemSetFrm::HoldParamText() const {
    HoldParams p;
    p.interrupts = {ComboValue(fun3s_, loadedHold_.interrupts[0]),
                    ComboValue(fun4s_, loadedHold_.interrupts[1]),
                    ComboValue(fun5s_, loadedHold_.interrupts[2])};
    p.relayStart = spinEdit4_->value();
    p.registerStart = spinEdit5_->value();
    p.counterStart = spinEdit6_->value();
    p.batteryStart = spinEdit7_->value();
    p.encoderStart = spinEdit8_->value();
    return FormatHoldParams(p);
}

void TSystemSetFrm::BitBtn1Click() {
    SpinEdit4Exit();
    if (program_) {
        program_->sysParamString = SysParamText();
        program_->holdParamString = HoldParamText();
    }
    emit Confirmed();
    done(kResultYes);
}

QString TSystemSetFrm::ModelText() const {
    return plcSeries_->currentText();
}

QString TSystemSetFrm::VersionText() const {
    return plcVersion_->currentText();
}

}  // namespace vx
