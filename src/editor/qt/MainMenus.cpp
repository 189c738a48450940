// The main window's menu bar, pop-up menu and tool bars.
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <algorithm>

#include "editor/HelpLinks.h"
#include "editor/qt/DockStrip.h"
#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "platform/LoadingScope.h"

namespace vx {

QAction* TMainFrm::AddItem(QMenu* menu, const char* name, const char* caption,
                           const QKeySequence& key) {
    auto* item = new QAction(QString::fromUtf8(caption), this);
    item->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty()) {
        item->setShortcut(key);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(item);
    items_[item->objectName()] = item;
    return item;
}

QAction* TMainFrm::AddCheckItem(QMenu* menu, const char* name, const char* caption, bool checked) {
    QAction* item = AddItem(menu, name, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QAction* TMainFrm::AddLinkedItem(QMenu* menu, const char* name, const char* caption,
                                 QAction* target) {
    QAction* item = AddItem(menu, name, caption);
    item->setEnabled(target->isEnabled());
    connect(target, &QAction::enabledChanged, item, &QAction::setEnabled);
    connect(item, &QAction::triggered, target, &QAction::trigger);
    return item;
}

void TMainFrm::BuildMenus() {
    mainMenu_ = new TFxMainMenu(this);
    mainMenu_->setObjectName(QStringLiteral("FxMainMenu1"));
    setMenuBar(mainMenu_);
    // The window keeps its menus' colours as its own (the blue set), not
    // by a style number.
    menuStyler_ = new TFxMenuOfficeStyler(this);
    menuStyler_->SetStyle(TOfficeStyle::osCustom);
    mainMenu_->SetMenuStyler(menuStyler_);

    auto menu = [&](const char* name, const char* caption) {
        TFxDropDownMenu* m = mainMenu_->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromUtf8(name));
        return m;
    };

    QMenu* file = menu("File1", "文件(&F)");
    AddItem(file, "FileNewItem", "新建(&N)...", QKeySequence(Qt::CTRL | Qt::Key_N));
    AddItem(file, "FileOpenItem", "打开(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O));
    AddItem(file, "FileSaveItem", "保存(&S)...", QKeySequence(Qt::CTRL | Qt::Key_S));
    AddItem(file, "FileSaveAsItem", "另存为(&A)...");
    file->addSeparator();
    AddItem(file, "PrintItem", "打印(&P)...", QKeySequence(Qt::CTRL | Qt::Key_P));
    AddItem(file, "N29", "打印机设置(&U)...");
    file->addSeparator();
    AddItem(file, "LastFileOpenItem", "最近文件");
    AddItem(file, "N63", "打开例子库(&E)");
    file->addSeparator();
    AddItem(file, "FileExitItem", "退出(&Q)");

    QMenu* edit = menu("Edit1", "编辑(&E)");
    AddItem(edit, "UndoItem", "撤消键入(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddItem(edit, "RedoItem", "重复键入(&E)", QKeySequence(Qt::CTRL | Qt::Key_Y));
    edit->addSeparator();
    AddItem(edit, "P2", "程序块注释(&B)");
    edit->addSeparator();
    AddItem(edit, "cutX", "剪切(&T)", QKeySequence(Qt::CTRL | Qt::Key_X));
    AddItem(edit, "copyC", "复制(&C)", QKeySequence(Qt::CTRL | Qt::Key_C));
    AddItem(edit, "affixV", "粘贴(&P)", QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    AddItem(edit, "N48", "行删除(&D)", QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    AddItem(edit, "D3", "行插入(&I)", QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    AddItem(edit, "D4", "列删除(&E)", QKeySequence(Qt::CTRL | Qt::Key_Delete));
    AddItem(edit, "i3", "列插入(&P)", QKeySequence(Qt::CTRL | Qt::Key_Insert));

    QMenu* find = menu("Find1", "查找(&S)");
    AddItem(find, "N2", "到顶(&T)", QKeySequence(Qt::CTRL | Qt::Key_Home));
    AddItem(find, "n33", "到底(&N)", QKeySequence(Qt::CTRL | Qt::Key_End));
    AddItem(find, "MenuItem3", "移到行(&G)...");
    AddItem(find, "LookupItem", "查找(&L)...", QKeySequence(Qt::Key_F3));

    QMenu* view = menu("View1", "视图(&V)");
    AddCheckItem(view, "N16", "键盘键入提示(&K)", true);
    AddCheckItem(view, "N18", "助记码(&I)", false);
    AddCheckItem(view, "N19", "标准工具栏(&T)", true);
    AddCheckItem(view, "N20", "功能工具栏(&F)", true);
    AddCheckItem(view, "N21", "补助工具栏(&A)", true);
    AddCheckItem(view, "N22", "状态栏(&B)", true);
    view->addSeparator();
    AddItem(view, "N23", "元件使用情况表(&U)...", QKeySequence(Qt::Key_F4));
    AddItem(view, "N24", "软元件注释(&P)...");

    QMenu* c = menu("C1", "高级语言(&C)");
    AddItem(c, "N38", "编写函数(&W)");
    AddItem(c, "N39", "生成Lib库(&L)");
    c->addSeparator();
    AddItem(c, "N40", "C语言简介(&C)");
    AddItem(c, "N41", "系统保留字(&S)");
    c->addSeparator();
    AddItem(c, "N42", "打开文本编辑器(&O)");

    QMenu* plc = menu("PLC1", "PLC(&P)");
    AddItem(plc, "c1", "编译(&T)...", QKeySequence(Qt::Key_F5));
    AddItem(plc, "N12", "下载(&D)", QKeySequence(Qt::Key_F6));
    plc->addSeparator();
    AddItem(plc, "N13", "通信设置(&C)...");
    AddItem(plc, "N14", "设置PLC时钟(&R)", QKeySequence(Qt::Key_F7));
    AddItem(plc, "N15", "PLC信息(&I)", QKeySequence(Qt::SHIFT | Qt::Key_F2));
    plc->addSeparator();
    AddItem(plc, "N26", "码制转换器(&S)", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    AddItem(plc, "N27", "PID演示(&P)", QKeySequence(Qt::SHIFT | Qt::Key_F4));

    QMenu* monitor = menu("Monitor1", "监控/测试(&M)");
    AddItem(monitor, "NStakeoutON", "梯形图监控(&L)", QKeySequence(Qt::Key_F8));
    AddItem(monitor, "N30", "软元件内存(&D)", QKeySequence(Qt::Key_F9));
    AddItem(monitor, "N31", "特殊寄存器监视(&S)", QKeySequence(Qt::SHIFT | Qt::Key_F9));
    AddItem(monitor, "N32", "PG高速测试界面(&P)", QKeySequence(Qt::SHIFT | Qt::Key_F10));
    AddItem(monitor, "CanExyItem", "CAN扩展模块标定(&C)");

    TFxDropDownMenu* options = menu("Options1", "选项(&O)");
    AddItem(options, "PLC2", "系统参数设置(&S)", QKeySequence(Qt::Key_F10));
    AddItem(options, "N43", "输出复用检查(&R)", QKeySequence(Qt::Key_F11));
    options->addSeparator();
    AddItem(options, "N44", "客户更新包提取(&C)", QKeySequence(Qt::Key_F12));
    AddItem(options, "FirmwareUpdateItem", "固件升级(&U)");
    options->addSeparator();
    AddItem(options, "N46", "保存和备份(&B)...");
    AddItem(options, "N47", "特殊插件(&E)");
    QMenu* language = options->addMenu(QStringLiteral("语言选择(&L)"));
    language->setObjectName(QStringLiteral("N49"));
    AddCheckItem(language, "Chinese1", "Chinese", true);
    AddCheckItem(language, "English1", "English", false);

    TFxDropDownMenu* personal = menu("N50", "个性化(&I)");
    AddCheckItem(personal, "D5", "范围选择(&R)...", true);
    AddCheckItem(personal, "N28", "显示注释(&N)", false);
    // No Alt+O here: that key is the mnemonic of "选项(&O)", which opens its
    // menu, so a short-cut on it would never run.
    AddCheckItem(personal, "N54", "工程栏(&P)", true);
    AddItem(personal, "I5", "梯形图颜色配置(&D)...");
    QMenu* look = personal->addMenu(QStringLiteral("界面风格"));
    look->setObjectName(QStringLiteral("N55"));
    AddCheckItem(look, "N56", "风格一(&1)", true);
    AddCheckItem(look, "N57", "风格二(&2)", false);
    AddCheckItem(look, "N58", "风格三(&3)", false);

    QMenu* help = menu("Help1", "帮助(&H)");
    AddItem(help, "N60", "帮助主题(&H)", QKeySequence(Qt::Key_F1));
    // The manuals of the controller families: built, but not offered.
    for (const ModelManual& manual : kModelManuals)
        AddItem(help, manual.item, manual.caption)->setVisible(false);
    AddItem(help, "N61", "软件主页(&S)");
    AddItem(help, "AboutItem", "关于KZ6-Quillary(&A)...");

    // The grid's pop-up menu (while the ladder is not monitored). A menu
    // that is not open hears no keys: the key of its own find item works in
    // the grid, which takes the item too (BuildClientArea); the others are
    // the menu bar's.
    gridPopup_ = new TFxPopupMenu(this);
    gridPopup_->setObjectName(QStringLiteral("SysTrayPopupMenu"));
    gridPopup_->SetMenuStyler(menuStyler_);
    AddItem(gridPopup_, "MenuItem1", "查找(&L)", QKeySequence(Qt::CTRL | Qt::Key_F))
        ->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    AddLinkedItem(gridPopup_, "GridGoToRowItem", "转移到行(&G)...", Item("MenuItem3"));
    gridPopup_->addAction(Item("P2"));
    gridPopup_->addSeparator();
    for (const char* name : {"cutX", "copyC", "affixV"})
        gridPopup_->addAction(Item(name));
    gridPopup_->addSeparator();
    for (const char* name : {"N48", "D3", "D4", "i3"})
        gridPopup_->addAction(Item(name));
    Item("P2")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
}

TFxToolBar* TMainFrm::AddToolBar(const char* name, const char* caption, int left, int width) {
    auto* bar = new TFxToolBar(fxDockPanel1_);
    bar->setObjectName(QString::fromUtf8(name));
    bar->SetCaption(QString::fromUtf8(caption));
    bar->SetBounds(left, 1, width, 28);
    bar->SetImages(toolImages_);
    bar->SetToolBarStyler(toolBarStyler_);
    bar->SetTextOptionMenu(QStringLiteral("Options"));
    bar->installEventFilter(this);
    return bar;
}

namespace {

// Where a new control of the bar goes: after the last, as the bar places its
// controls in the order of their left edges.
int NextLeft(const TFxToolBar* bar) {
    int left = 100;
    for (int i = 0; i < bar->GetFTBControlCount(); ++i) {
        const QWidget* control = bar->GetFTBControl(i);
        left = std::max(left, control->x() + control->width());
    }
    return left;
}

}  // namespace

TFxToolBarButton* TMainFrm::AddButton(TFxToolBar* bar, const char* name, const char* hint,
                                      int image) {
    auto* button = new TFxToolBarButton(bar);
    button->setObjectName(QString::fromUtf8(name));
    button->SetBounds(NextLeft(bar), 2, 24, 24);
    button->SetHint(QString::fromUtf8(hint));
    button->SetImageIndex(image);
    // The hint the button has in the language in force.
    connect(button, &TFxCustomToolBarButton::MouseEntered, this, [this, button] {
        ShowStatus(0, [button = QPointer<TFxToolBarButton>(button)] {
            return button ? " " + button->Hint() : QString();
        });
    });
    buttons_[button->objectName()] = button;
    return button;
}

void TMainFrm::AddSeparator(TFxToolBar* bar, const char* name) {
    auto* separator = new TFxToolBarSeparator(bar);
    separator->setObjectName(QString::fromUtf8(name));
    separator->SetBounds(NextLeft(bar), 2, 10, 22);
}

namespace {

// The palette the main window keeps for its tool bars: the blue set with
// warmer hot, down and checked buttons and captions, the default floating
// border and no disabled tab colours.
void StoreMainToolBarPalette(TFxToolBarOfficeStyler& styler) {
    TButtonAppearance& button = styler.ButtonAppearance();
    button.SetColorChecked(0x3E80FE);
    button.SetColorDown(0x087FE8);
    button.SetColorDownTo(0x7CDAF7);
    button.SetColorHot(0xDCFFFF);
    button.SetColorHotTo(0x5BC0F7);
    styler.CaptionAppearance().SetCaptionColorHot(0xFDEADA);
    styler.CaptionAppearance().SetCaptionColorHotTo(clHighlight);
    styler.SetFloatingWindowBorderColor(0x6D6D6D);
    TTabAppearance& tab = styler.TabAppearance();
    tab.SetBorderColorDisabled(clNone);
    tab.SetColorDisabled(clNone);
    tab.SetColorDisabledTo(clNone);
    tab.SetColorMirrorDisabled(clNone);
    tab.SetColorMirrorDisabledTo(clNone);
    tab.SetTextColorDisabled(clSilver);
}

}  // namespace

void TMainFrm::BuildToolBars() {
    // Created, given its stored palette, then loaded, as a window layout
    // sets a component up.
    toolBarStyler_ = new TFxToolBarOfficeStyler(this);
    toolBarStyler_->setObjectName(QStringLiteral("FxToolBarOfficeStyler1"));
    toolBarStyler_->BeginLoading();
    toolBarStyler_->SetFxMenuStyler(menuStyler_);
    StoreMainToolBarPalette(*toolBarStyler_);
    toolBarStyler_->EndLoading();
    toolImages_ = NewToolImageList(this);

    // The dock panel, its bars and their controls are set up as one layout
    // and arranged when it is loaded, in a strip as wide as the window was
    // designed.
    dockStrip_ = new TDockStrip(this);
    dockStrip_->resize(1066, 43);
    TLoadingScope loading;
    fxDockPanel1_ = new TFxDockPanel(dockStrip_);
    fxDockPanel1_->setObjectName(QStringLiteral("FxDockPanel1"));
    fxDockPanel1_->SetBounds(0, 0, 1066, 43);
    fxDockPanel1_->SetToolBarStyler(toolBarStyler_);

    standardBar_ = AddToolBar("FxToolBar1", "标准工具栏", 3, 331);
    standardBar_->SetAutoOptionMenu(true);
    standardBar_->SetTextAutoOptionMenu(QStringLiteral("添加或移动按钮"));
    AddButton(standardBar_, "NewToolButton", "新建", kImageNew);
    AddButton(standardBar_, "OpenToolButton", "打开", kImageOpen);
    AddButton(standardBar_, "SaveToolButton", "保存", kImageSave);
    AddButton(standardBar_, "PrintToolButton", "打印", kImagePrint);
    AddSeparator(standardBar_, "FxToolBarSeparator1");
    AddButton(standardBar_, "CutToolButton", "剪切", kImageCut);
    AddButton(standardBar_, "CopyToolButton", "复制", kImageCopy);
    AddButton(standardBar_, "PasteToolButton", "粘贴", kImagePaste);
    AddButton(standardBar_, "ToolButton9", "撤消", kImageUndo);
    AddButton(standardBar_, "ToolButton11", "重复", kImageRedo);
    AddSeparator(standardBar_, "FxToolBarSeparator2");
    AddButton(standardBar_, "LookupToolButton", "查找", kImageFind);
    AddButton(standardBar_, "TopToolButton", "到顶", kImageTop);
    AddButton(standardBar_, "OnTopToolButton", "显示注释", kImageComments)
        ->SetStyle(TFxToolButtonStyle::tasCheck);

    functionBar_ = AddToolBar("FxToolBar2", "功能工具栏", 336, 431);
    functionBar_->SetAutoOptionMenu(true);
    functionBar_->SetTextAutoOptionMenu(QStringLiteral("添加或移动按钮"));
    struct Element {
        const char* name;
        const char* hint;
        int glyph;
    };
    const Element elements[] = {
        {"FxToolBarButton1", "LD", kGlyphLD},
        {"FxToolBarButton2", "LDI", kGlyphLDI},
        {"FxToolBarButton3", "LDP", kGlyphLDP},
        {"FxToolBarButton4", "LDF", kGlyphLDF},
        {"FxToolBarButton5", "OR", kGlyphOR},
        {"FxToolBarButton6", "ORI", kGlyphORI},
        {"FxToolBarButton7", "OUT", kGlyphOUT},
        {"FxToolBarButton8", "FUNC", kGlyphFUNC},
        {"FxToolBarButton9", "XL", kGlyphXL},
        {"FxToolBarButton10", "INV", kGlyphINV},
        {"FxToolBarButton11", "YL  同时按下“Shift”键则不插入操作", kGlyphYL},
        {"FxToolBarButton12", "YLC", kGlyphYLC},
    };
    for (const Element& e : elements) {
        // The element glyphs at their own size.
        TFxToolBarButton* button = AddButton(functionBar_, e.name, e.hint, -1);
        button->SetAutoSize(false);
        button->SetBounds(button->x(), 2, 34, 24);
        button->SetGlyph(ElementGlyph(e.glyph).toImage());
    }

    auxiliaryBar_ = AddToolBar("FxToolBar3", "补助工具栏", 769, 249);
    auxiliaryBar_->SetShowOptionIndicator(false);
    AddButton(auxiliaryBar_, "CompileToolButton", "编译 F5", kImageCompile);
    AddButton(auxiliaryBar_, "DownloadToolButton", "下载 F6", kImageDownload);
    AddButton(auxiliaryBar_, "StakeoutON", "开始监控 F8", kImageMonitorOff)
        ->SetStyle(TFxToolButtonStyle::tasCheck);
    AddButton(auxiliaryBar_, "MemoryToolButton", "软元件内存 F9", kImageMemory);
    AddSeparator(auxiliaryBar_, "FxToolBarSeparator3");
    AddButton(auxiliaryBar_, "ComToolButton", "通信设置", kImageComm);
    AddButton(auxiliaryBar_, "SystemToolButton", "系统参数设置 F10", kImageSystem);
    AddButton(auxiliaryBar_, "UsageToolButton", "元件使用情况表 F4", kImageUsage);
    AddButton(auxiliaryBar_, "StayOnTopToolButton", "窗口置顶", kImageStayOnTop)
        ->SetStyle(TFxToolButtonStyle::tasCheck);
    AddButton(auxiliaryBar_, "CalcToolButton", "打开计算器", kImageCalculator);
    dockStrip_->Hold(fxDockPanel1_);
    installEventFilter(this);
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
    // A window opened over the window (a modal one blocks it, any other
    // takes the activation) and the pointer may have left a button without
    // a leave event: no button stays hot.
    if (watched == this &&
        (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate)) {
        for (TFxToolBar* bar : {standardBar_, functionBar_, auxiliaryBar_})
            if (TFxCustomToolBarButton* hot = bar->HotButton()) hot->SetHot(false);
    }
    // Over a tool bar's background the status bar names the view again.
    if (event->type() == QEvent::Enter && qobject_cast<TFxToolBar*>(watched) != nullptr) {
        ShowStatus(0, " 梯形图", " Ladder");
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vx
