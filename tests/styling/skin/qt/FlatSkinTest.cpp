// The dialog skin on a test dialog that holds every kind of control: what
// it hooks, how it lets go, the flat look of each control in its states
// (pixels away from any text) and the flat items of a menu bar and pop-up.
#include "styling/skin/qt/FlatSkin.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <set>

#include "platform/paint/Canvas.h"
#include "platform/qt/SpeedButton.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/skin/qt/ControlSubClass.h"
#include "support/QtWait.h"
#include "widgets/qt/WgGroupBox.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgPanel.h"

namespace vx {
namespace {

template <typename W>
W* Make(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

// Controls the skin knows by their class name alone.
class TDBEdit : public QLineEdit {
    Q_OBJECT
};
class TUpDown : public QWidget {
    Q_OBJECT
};
class TSpinEdit : public QSpinBox {
    Q_OBJECT
};

// Every kind of control the skin knows, on the form and in each kind of
// container; the skin is made first, as several of the tool's dialogs make it.
class TestDialog : public QDialog {
  public:
    TestDialog() {
        setObjectName(QStringLiteral("TestDialog"));
        skin = TFlatSkin::ForDialog(this);
        resize(520, 420);
        Make<QLineEdit>(this, "Edit1", {10, 10, 100, 24});
        SetControlTag(Make<QLineEdit>(this, "OptOut", {120, 10, 100, 24}), 999);
        auto* combo = Make<QComboBox>(this, "Combo1", {230, 10, 100, 24});
        combo->addItems({QStringLiteral("A"), QStringLiteral("B")});
        Make<QPlainTextEdit>(this, "Memo1", {340, 10, 100, 50});
        Make<QCheckBox>(this, "Check1", {10, 40, 100, 24})->setText(QStringLiteral("Check"));
        Make<QRadioButton>(this, "Radio1", {120, 40, 100, 24})->setText(QStringLiteral("Radio"));
        Make<QPushButton>(this, "Button1", {10, 70, 80, 28})->setText(QStringLiteral("OK"));
        QPixmap glyph(16, 16);
        glyph.fill(Qt::red);
        auto* bit = Make<QPushButton>(this, "BitBtn1", {100, 70, 80, 28});
        bit->setIcon(QIcon(glyph));
        Make<QSpinBox>(this, "SpinEdit1", {190, 70, 60, 24});
        Make<TSpeedButton>(this, "SpeedButton1", {260, 70, 28, 28});
        Make<QLabel>(this, "Label1", {300, 70, 60, 24})->setText(QStringLiteral("L"));
        auto* panel = Make<QFrame>(this, "Panel1", {10, 110, 150, 60});
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setLineWidth(1);
        Make<QLineEdit>(panel, "PanelEdit", {10, 10, 100, 24});
        auto* group = Make<QGroupBox>(this, "GroupBox1", {170, 110, 150, 70});
        group->setTitle(QStringLiteral("Group"));
        Make<QCheckBox>(group, "GroupCheck", {10, 30, 100, 24});
        auto* wgPanel = Make<TWgPanel>(this, "WgPanel1", {330, 110, 150, 60});
        Make<QPushButton>(wgPanel, "WgPanelButton", {10, 10, 80, 28});
        auto* wgGroup = Make<TWgGroupBox>(this, "WgGroupBox1", {10, 190, 150, 70});
        Make<QRadioButton>(wgGroup, "WgGroupRadio", {10, 30, 100, 24});
        auto* pages = Make<TWgPageControl>(this, "WgPageControl1", {170, 190, 150, 90});
        auto* sheet = new TWgTabSheet(pages);
        sheet->setObjectName(QStringLiteral("WgTabSheet1"));
        Make<QLineEdit>(sheet, "SheetEdit", {10, 10, 100, 24});
        auto* tabs = Make<QTabWidget>(this, "TabWidget1", {330, 190, 150, 90});
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("Page1"));
        tabs->addTab(page, QStringLiteral("P"));
        Make<QCheckBox>(page, "PageCheck", {10, 10, 100, 24});
        auto* bare = Make<QWidget>(this, "Bare", {10, 290, 150, 40});
        Make<QPushButton>(bare, "BareButton", {0, 0, 80, 28});
        auto* closed = Make<QWidget>(this, "Closed", {170, 290, 150, 40});
        SetControlTag(closed, 999);
        Make<QPushButton>(closed, "ClosedButton", {0, 0, 80, 28});
        auto* bar = new QMenuBar(this);
        bar->setObjectName(QStringLiteral("MainMenu1"));
        auto* file = bar->addMenu(QStringLiteral("File"));
        file->setObjectName(QStringLiteral("File1"));
        file->addAction(QStringLiteral("Save"))
            ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        file->addAction(QStringLiteral("Save"));
        file->addSeparator();
        file->addAction(QStringLiteral("Off"))->setEnabled(false);
        auto* popup = new QMenu(this);
        popup->setObjectName(QStringLiteral("PopupMenu1"));
        popup->addAction(QStringLiteral("One"))->setCheckable(true);
        bar->setGeometry(0, 390, 520, 24);
    }
    template <typename W = QWidget>
    W* Find(const char* name) {
        return findChild<W*>(QString::fromLatin1(name));
    }
    TFlatSkin* skin = nullptr;
};

QColor PixelOf(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

QColor Q(TColor c) {
    return ToQColor(c);
}

class FlatSkinTest : public testing::Test {
  protected:
    void SetUp() override {
        dialog = std::make_unique<TestDialog>();
        dialog->show();
        VX_WAIT_TRUE(dialog->isVisible(), test::kStateWaitMs);
    }
    TControlSubClass* Hook(const char* name) {
        return dialog->skin->SubClassOf(dialog->Find(name));
    }
    std::unique_ptr<TestDialog> dialog;
};

TEST_F(FlatSkinTest, TheWalkHooksWhatTheSetsSelectOnceTheControlsExist) {
    struct Case {
        const char* name;
        bool hooked;
    };
    const Case cases[] = {
        {"Edit1", true},           {"OptOut", false},       {"Combo1", true},
        {"Memo1", true},           {"Check1", true},        {"Radio1", true},
        {"Button1", true},         {"BitBtn1", true},       {"SpinEdit1", false},
        {"SpeedButton1", true},    {"Label1", false},       {"Panel1", true},
        {"PanelEdit", true},       {"GroupBox1", true},     {"GroupCheck", true},
        {"WgPanel1", true},        {"WgPanelButton", true}, {"WgGroupBox1", true},
        {"WgGroupRadio", true},    {"WgTabSheet1", false},  {"SheetEdit", true},
        {"PageCheck", true},       {"BareButton", true},    {"ClosedButton", false},
        {"WgPageControl1", false},
    };
    int hooked = 0;
    for (const Case& c : cases) {
        ASSERT_NE(dialog->Find(c.name), nullptr) << c.name;
        EXPECT_EQ(Hook(c.name) != nullptr, c.hooked) << c.name;
        hooked += c.hooked ? 1 : 0;
    }
    EXPECT_EQ(dialog->skin->HookedCount(), hooked);
    // The widget family's panels and group boxes are custom panels.
    EXPECT_EQ(SkinControlKind(dialog->Find("WgGroupBox1")), TSkinControl::xcPanel);
    EXPECT_EQ(SkinControlKind(dialog->Find("BitBtn1")), TSkinControl::xcBitBtn);
    EXPECT_EQ(SkinContainerKind(dialog->Find("WgTabSheet1")), TSkinContainer::xccTabSheet);
    EXPECT_EQ(SkinContainerKind(dialog->Find("Page1")), TSkinContainer::xccTabSheet);
    // Its menus draw flat items.
    EXPECT_EQ(dialog->Find("MainMenu1")->style(), dialog->skin->MenuStyle());
    EXPECT_EQ(dialog->Find("PopupMenu1")->style(), dialog->skin->MenuStyle());
    EXPECT_EQ(dialog->Find("File1")->style(), dialog->skin->MenuStyle());
    EXPECT_THROW(TFlatSkin(nullptr), std::invalid_argument);

    TDBEdit dbEdit;
    TUpDown upDown;
    TSpinEdit spinEdit;
    QWidget form;
    dbEdit.setParent(&form);
    upDown.setParent(&form);
    spinEdit.setParent(&form);
    EXPECT_EQ(SkinControlKind(&dbEdit), TSkinControl::xcMaskEdit);
    EXPECT_EQ(SkinControlKind(&upDown), TSkinControl::xcButton);
    EXPECT_EQ(SkinControlKind(&spinEdit), std::nullopt);
    for (QWidget* w : {static_cast<QWidget*>(&dbEdit), static_cast<QWidget*>(&upDown),
                       static_cast<QWidget*>(&spinEdit)})
        w->setParent(nullptr);
}

TEST_F(FlatSkinTest, NoControlIsHookedTwiceAndTheSetsRehook) {
    TFlatSkin& skin = *dialog->skin;
    const int count = skin.HookedCount();
    skin.Activate(dialog.get(), true, true);
    EXPECT_EQ(skin.HookedCount(), count);

    skin.SetSkinControls(kAllSkinControls & ~SkinBit(TSkinControl::xcEdit));
    EXPECT_EQ(Hook("Edit1"), nullptr);
    EXPECT_EQ(Hook("SheetEdit"), nullptr);
    EXPECT_NE(Hook("Combo1"), nullptr);
    skin.SetSkinContainers(kAllSkinContainers & ~SkinBit(TSkinContainer::xccGroupBox));
    EXPECT_EQ(Hook("GroupCheck"), nullptr);
    skin.SetSkinControls(kAllSkinControls);
    skin.SetSkinContainers(kAllSkinContainers);
    EXPECT_EQ(skin.HookedCount(), count);

    skin.SetActive(false);
    EXPECT_EQ(skin.HookedCount(), 0);
    EXPECT_NE(dialog->Find("MainMenu1")->style(), skin.MenuStyle());
    skin.SetActive(true);
    EXPECT_EQ(skin.HookedCount(), count);
}

TEST_F(FlatSkinTest, AControlDestroyedWithARepaintPendingIsLetGo) {
    const int count = dialog->skin->HookedCount();
    QWidget* edit = dialog->Find("Edit1");
    QWidget* check = dialog->Find("Check1");
    QTest::mouseMove(check);
    edit->update();
    check->update();
    delete edit;
    delete check;
    QApplication::processEvents();
    EXPECT_EQ(dialog->skin->HookedCount(), count - 2);
    dialog.reset();  // the skin goes with its dialog, controls and all
}

TEST_F(FlatSkinTest, ButtonsPaintTheirXPFrameHotFocusedAndDisabled) {
    const auto& xp = dialog->skin->XPColors();
    QWidget* button = dialog->Find("Button1");
    const int mid = button->width() / 2;
    EXPECT_EQ(PixelOf(button, mid, 0), Q(xp.outLineBorder));
    EXPECT_EQ(PixelOf(button, mid, button->height() - 2), Q(xp.surfaceBottomLine));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(Hook("Button1")->Hot());
    // Two inner lines: the lower one, then the upper one with the offset
    // added channel by channel.
    EXPECT_EQ(PixelOf(button, mid, button->height() - 2), Q(xp.innerBorderMove));
    EXPECT_EQ(PixelOf(button, mid, 1), Q(AddColorOffset(xp.innerBorderMove, 0x020200)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(Hook("Button1")->Hot());

    dialog->activateWindow();
    button->setFocus();
    VX_WAIT_TRUE(button->hasFocus(), test::kStateWaitMs);
    QEvent leaveAgain(QEvent::Leave);
    QApplication::sendEvent(button, &leaveAgain);
    EXPECT_EQ(PixelOf(button, mid, button->height() - 2), Q(xp.innerBorderFocus));
    EXPECT_EQ(PixelOf(button, mid, 1), Q(AddColorOffset(xp.innerBorderFocus, 0x020202)));

    // Disabled, the first outline stays (no dark one over it) and the
    // bottom line is drawn.
    button->setEnabled(false);
    EXPECT_EQ(PixelOf(button, mid, 0), Q(NewColor(clBtnShadow, 30)));
    EXPECT_EQ(PixelOf(button, mid, button->height() - 2), Q(xp.surfaceBottomLine));

    // The plain look by tag, and no skin painting at all with a negative tag.
    QWidget* bit = dialog->Find("BitBtn1");
    SetControlTag(bit, kSkinPlainLookTag);
    EXPECT_NE(PixelOf(bit, bit->width() / 2, 0), Q(xp.outLineBorder));
    SetControlTag(bit, -1);
    const int before = Hook("BitBtn1")->PaintCount();
    bit->grab();
    EXPECT_EQ(Hook("BitBtn1")->PaintCount(), before);
}

TEST_F(FlatSkinTest, EditsCheckBoxesRadiosCombosAndPanelsPaintFlat) {
    TFlatSkin& skin = *dialog->skin;
    const auto& xp = skin.XPColors();
    auto* edit = dialog->Find<QLineEdit>("Edit1");
    edit->grab();
    EXPECT_EQ(edit->palette().color(QPalette::Base), Q(xp.surfaceNormal));
    EXPECT_EQ(PixelOf(edit, edit->width() / 2, 0),
              Q(NewColorDark(RGBColor(dialog->palette().color(QPalette::Window).red(),
                                      dialog->palette().color(QPalette::Window).green(),
                                      dialog->palette().color(QPalette::Window).blue()),
                             60)));
    dialog->activateWindow();
    edit->setFocus();
    VX_WAIT_TRUE(edit->hasFocus(), test::kStateWaitMs);
    EXPECT_EQ(PixelOf(edit, edit->width() / 2, 0), Q(NewColor(clHighlight, 60)));

    // The box of a 24-pixel check box: its outline at x 2, rows 6 to 18.
    auto* check = dialog->Find<QCheckBox>("Check1");
    EXPECT_EQ(PixelOf(check, 2, 12), Q(xp.outLineBorder));
    check->setChecked(true);
    check->setEnabled(false);
    EXPECT_EQ(PixelOf(check, 2, 12), Q(xp.controlDisabledBorder));
    check->setEnabled(true);
    EXPECT_EQ(PixelOf(check, 8, 14), Q(xp.rdoChkControlChk));  // on the check mark
    // Partly checked: a filled square in the mark's colour instead of the mark.
    EXPECT_NE(PixelOf(check, 6, 10), Q(xp.rdoChkControlChk));
    check->setTristate(true);
    check->setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(PixelOf(check, 6, 10), Q(xp.rdoChkControlChk));
    check->setCheckState(Qt::Checked);

    auto* radio = dialog->Find<QRadioButton>("Radio1");
    radio->setChecked(true);
    const QImage r = radio->grab().toImage();
    EXPECT_EQ(r.pixelColor(8, 12), Q(xp.rdoChkControlChk));  // the dot

    auto* combo = dialog->Find<QComboBox>("Combo1");
    EXPECT_EQ(PixelOf(combo, combo->width() / 2, 2), Q(xp.outLineBorder));
    const int buttonX = combo->width() - 5;
    EXPECT_EQ(PixelOf(combo, buttonX, 5), Q(xp.innerBorderFocus));
    combo->showPopup();
    VX_WAIT_TRUE(combo->view()->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(PixelOf(combo, buttonX, 5), Q(0xF7A28C));  // the true-XP dropped-down button
    SetControlTag(combo, kSkinPlainLookTag);
    // The plain look draws a white arrow while the list is down.
    const QImage plain = combo->grab().toImage();
    const int top = (combo->height() - 21) / 2;
    EXPECT_EQ(plain.pixelColor(combo->width() - 8, top + 10), QColor(Qt::white));
    combo->hidePopup();

    auto* panel = dialog->Find<QFrame>("Panel1");
    const TColor face = RGBColor(panel->palette().color(QPalette::Window).red(),
                                 panel->palette().color(QPalette::Window).green(),
                                 panel->palette().color(QPalette::Window).blue());
    EXPECT_EQ(PixelOf(panel, 0, 30), Q(NewColor(face, 60)));
    EXPECT_EQ(PixelOf(panel, panel->width() - 1, 30), Q(NewColorDark(face, 60)));
    auto* group = dialog->Find<QGroupBox>("GroupBox1");
    EXPECT_EQ(PixelOf(group, 0, 40), Q(NewColor(face, 60)));
    EXPECT_EQ(PixelOf(group, group->width() - 1, 40), Q(NewColorDark(face, 60)));
    // A flat group box (no 3-D look) is framed in the dark shade all round.
    group->setFlat(true);
    EXPECT_EQ(PixelOf(group, 0, 40), Q(NewColorDark(face, 60)));
    group->setFlat(false);
}

// An edit's 3-D frame goes at its first skin paint, while it stays hooked,
// and comes back when the skin lets go; hooked again, it keeps its single
// border's colours.
TEST_F(FlatSkinTest, EditsLoseTheir3DFrameWhileSkinned) {
    TFlatSkin& skin = *dialog->skin;
    auto* edit = dialog->Find<QLineEdit>("Edit1");
    auto* memo = dialog->Find<QPlainTextEdit>("Memo1");
    const int memoStyle = QFrame::StyledPanel | QFrame::Sunken;
    memo->setFrameStyle(memoStyle);
    const TColor single = NewColorDark(RGBColor(dialog->palette().color(QPalette::Window).red(),
                                                dialog->palette().color(QPalette::Window).green(),
                                                dialog->palette().color(QPalette::Window).blue()),
                                       60);
    for (int round = 0; round < 2; ++round) {
        edit->grab();
        memo->grab();
        EXPECT_FALSE(edit->hasFrame());
        EXPECT_EQ(memo->frameStyle(), QFrame::Box | QFrame::Plain);
        EXPECT_NE(Hook("Edit1"), nullptr);
        EXPECT_EQ(PixelOf(edit, edit->width() / 2, 0), Q(single));
        skin.SetActive(false);
        EXPECT_TRUE(edit->hasFrame());
        EXPECT_EQ(memo->frameStyle(), memoStyle);
        skin.SetActive(true);
    }
}

TEST_F(FlatSkinTest, HeldSpaceRepaintsOnceAndADoubleClickTogglesTwice) {
    QWidget* button = dialog->Find("Button1");
    dialog->activateWindow();
    button->setFocus();
    VX_WAIT_TRUE(button->hasFocus(), test::kStateWaitMs);
    QApplication::processEvents();
    TControlSubClass* hook = Hook("Button1");
    const int before = hook->PaintCount();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(button, &press);
    QApplication::processEvents();
    const int afterPress = hook->PaintCount();
    EXPECT_GT(afterPress, before);
    for (int i = 0; i < 4; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(button, &repeat);
        QApplication::processEvents();
    }
    EXPECT_EQ(hook->PaintCount(), afterPress);
    EXPECT_TRUE(hook->SpaceDown());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(button, &release);
    EXPECT_FALSE(hook->SpaceDown());

    auto* check = dialog->Find<QCheckBox>("Check1");
    int toggles = 0;
    QObject::connect(check, &QCheckBox::toggled, check, [&toggles] { ++toggles; });
    // A double click as the desktop delivers it: press, release, double
    // click, release.
    const QPointF at(6, check->height() / 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, check->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(check, &event);
    }
    EXPECT_EQ(toggles, 2);
    EXPECT_FALSE(Hook("Check1")->ButtonDown());
    // A change of the check ends the hot look.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(check, &enter);
    ASSERT_TRUE(Hook("Check1")->Hot());
    check->toggle();
    EXPECT_FALSE(Hook("Check1")->Hot());
}

// An item of a menu as the style sees it.
QStyleOptionMenuItem ItemOption(QMenu* menu, int index) {
    QStyleOptionMenuItem option;
    option.initFrom(menu);
    QAction* action = menu->actions().at(index);
    option.text = action->text();
    if (!action->shortcut().isEmpty())
        option.text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
    option.menuItemType =
        action->isSeparator() ? QStyleOptionMenuItem::Separator : QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.state = action->isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    option.font = menu->font();
    return option;
}

TEST_F(FlatSkinTest, FlatMenuItemsMeasureAndDraw) {
    TFlatSkin& skin = *dialog->skin;
    auto* file = dialog->Find<QMenu>("File1");
    QStyle* style = skin.MenuStyle();
    const QStyleOptionMenuItem withShortcut = ItemOption(file, 0);
    const QStyleOptionMenuItem plain = ItemOption(file, 1);
    const QStyleOptionMenuItem separator = ItemOption(file, 2);
    QStyleOptionMenuItem disabled = ItemOption(file, 3);
    const QSize a = style->sizeFromContents(QStyle::CT_MenuItem, &withShortcut, {}, file);
    const QSize b = style->sizeFromContents(QStyle::CT_MenuItem, &plain, {}, file);
    const QFontMetrics metrics(skin.Font());
    const QString shortcut =
        withShortcut.text.mid(withShortcut.text.indexOf(QLatin1Char('\t')) + 1);
    EXPECT_EQ(a.width() - b.width(),
              metrics.horizontalAdvance(QStringLiteral("Save") + shortcut + QStringLiteral("WWW")) -
                  metrics.horizontalAdvance(QStringLiteral("Save")));
    EXPECT_EQ(style->sizeFromContents(QStyle::CT_MenuItem, &separator, {}, file).height(), 4);
    EXPECT_EQ(style->sizeFromContents(QStyle::CT_MenuItem, &separator, {0, 30}, file).height(), 4);
    // An icon wider than the icon column widens the item by what it is wider.
    const auto withIcon = [&](int width) {
        QStyleOptionMenuItem option = plain;
        QPixmap icon(width, 16);
        icon.fill(Qt::darkBlue);
        option.icon = QIcon(icon);
        return option;
    };
    const QStyleOptionMenuItem narrowIcon = withIcon(16);
    const QStyleOptionMenuItem wideIcon = withIcon(40);
    EXPECT_EQ(style->sizeFromContents(QStyle::CT_MenuItem, &wideIcon, {}, file).width() -
                  style->sizeFromContents(QStyle::CT_MenuItem, &narrowIcon, {}, file).width(),
              40 - skin.IconWidth());

    // A selected item is filled in the selection colour; a disabled one not.
    QImage image(200, 24, QImage::Format_RGB32);
    auto draw = [&](QStyleOptionMenuItem option) {
        option.rect = QRect(0, 0, 200, 24);
        option.state |= QStyle::State_Selected;
        image.fill(Qt::black);
        QPainter painter(&image);
        style->drawControl(QStyle::CE_MenuItem, &option, &painter, file);
    };
    draw(plain);
    const TSkinWorkingColors& wc = skin.Working();
    EXPECT_EQ(image.pixelColor(190, 12), Q(wc.select));
    EXPECT_EQ(image.pixelColor(190, 1), Q(wc.selectBorder));
    draw(disabled);
    EXPECT_EQ(image.pixelColor(190, 12), Q(wc.menu));
    EXPECT_EQ(image.pixelColor(5, 12), Q(wc.iconBar));

    // The check mark of an item without a picture, the gradient background,
    // and the raised top-level item with its shadow on the right.
    QStyleOptionMenuItem checked = plain;
    checked.checkType = QStyleOptionMenuItem::NonExclusive;
    checked.checked = true;
    checked.state &= ~QStyle::State_Selected;
    QStyleOptionMenuItem wideChecked = wideIcon;
    wideChecked.checkType = QStyleOptionMenuItem::NonExclusive;
    wideChecked.checked = true;
    const TColor bar = wc.menuBar;
    const struct {
        QStyle::ControlElement element;
        const QStyleOptionMenuItem* option;
        bool gradient;
        QPoint at;
        TColor colour;
    } marks[] = {
        {QStyle::CE_MenuItem, &checked, false, {7, 7}, wc.checked},
        {QStyle::CE_MenuItem, &checked, false, {8, 12}, clBlack},
        {QStyle::CE_MenuItem, &checked, true, {3, 12}, NewColor(wc.iconBar, 12)},
        // The check box of a wide icon is as wide as the icon.
        {QStyle::CE_MenuItem, &wideChecked, false, {38, 2}, wc.selectBorder},
        {QStyle::CE_MenuBarItem, &plain, false, {198, 12}, NewColorDark(bar, 10)},
        {QStyle::CE_MenuBarItem, &plain, false, {193, 12}, NewColorDark(bar, 100)},
    };
    for (const auto& m : marks) {
        QStyleOptionMenuItem option = *m.option;
        option.rect = QRect(0, 0, 200, 24);
        if (m.element == QStyle::CE_MenuBarItem) option.state |= QStyle::State_Selected;
        skin.SetGradient(m.gradient);
        image.fill(Qt::black);
        QPainter painter(&image);
        style->drawControl(m.element, &option, &painter, file);
        painter.end();
        EXPECT_EQ(image.pixelColor(m.at), Q(m.colour)) << m.at.x() << "," << m.at.y();
    }
    skin.SetGradient(false);

    // An item tagged out keeps the desktop's own measure and look.
    SetControlTag(file->actions().at(1), kSkinOptOutTag);
    const QStyle* desktop = static_cast<QProxyStyle*>(style)->baseStyle();
    EXPECT_EQ(style->sizeFromContents(QStyle::CT_MenuItem, &plain, {}, file),
              desktop->sizeFromContents(QStyle::CT_MenuItem, &plain, {}, file));
    draw(plain);
    EXPECT_NE(image.pixelColor(190, 12), Q(wc.select));
    SetControlTag(file->actions().at(1), 0);

    // The pop-up itself opens with its flat items, and a sub-menu added
    // since the walk gets them when the pop-up draws its items.
    QMenu* later = file->addMenu(QStringLiteral("Later"));
    file->popup(dialog->mapToGlobal(QPoint(10, 10)));
    VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
    file->grab();
    EXPECT_EQ(later->style(), style);
    const QImage shot = file->grab().toImage();
    // Its border: the outline, a band of the icon column inside it on the
    // left, and two pixels of shadow on the right and the bottom, whose
    // outer corners are in the face colour.
    const int w = shot.width();
    const int h = shot.height();
    const struct {
        QPoint at;
        TColor colour;
    } border[] = {
        {{0, h / 2}, wc.menuBorder},         {{w - 3, h / 2}, wc.menuBorder},
        {{w / 2, h - 3}, wc.menuBorder},     {{1, h / 2}, wc.iconBar},
        {{w - 1, h / 2}, wc.menuShadow},     {{w - 2, h / 2}, wc.menuShadow},
        {{w / 2, h - 1}, wc.menuShadow},     {{2, h - 1}, wc.menuShadow},
        {{w - 1, 2}, wc.menuShadow},         {{0, h - 1}, ColorToRGB(clBtnFace)},
        {{w - 1, 0}, ColorToRGB(clBtnFace)},
    };
    for (const auto& row : border)
        EXPECT_EQ(shot.pixelColor(row.at), Q(row.colour)) << row.at.x() << "," << row.at.y();
    file->close();
}

// A transparent speed button shows its parent through it: outlined while
// idle unless flat, darkened (a light shade ANDed over it) and outlined in
// the selection's border while hot or down. The plain look, which adds no
// frame of its own over it.
TEST_F(FlatSkinTest, TransparentSpeedButtonsShowTheirParentThrough) {
    auto* button = dialog->Find<TSpeedButton>("SpeedButton1");
    SetControlTag(button, kSkinPlainLookTag);
    button->SetTransparent(true);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    const TColor parent = ToTColor(dialog->palette().color(QPalette::Window));
    button->grab();  // the working colours are prepared at a paint
    const TSkinWorkingColors& wc = dialog->skin->Working();
    const TColor darkened = parent & NewColor(wc.select, button->depth() < 17 ? 40 : 20);
    const TColor idleLine = NewColor(clBtnShadow, 30);
    const TColor activeLine = NewColor(wc.selectBorder, 30);
    const struct {
        bool flat, hot, down;
        TColor edge, inside;
    } cases[] = {
        {false, false, false, idleLine, parent},    {true, false, false, parent, parent},
        {false, true, false, activeLine, darkened}, {true, true, false, activeLine, darkened},
        {true, false, true, activeLine, darkened},
    };
    for (const auto& k : cases) {
        button->SetFlat(k.flat);
        QEvent hover(k.hot ? QEvent::Enter : QEvent::Leave);
        QApplication::sendEvent(button, &hover);
        button->SetDown(k.down);
        const QImage shot = button->grab().toImage();
        EXPECT_EQ(shot.pixelColor(0, 14), Q(k.edge)) << k.flat << k.hot << k.down;
        EXPECT_EQ(shot.pixelColor(6, 6), Q(k.inside)) << k.flat << k.hot << k.down;
    }
}

// The icon routine: a glyph lifts and casts its shadow while hot, is dimmed
// while idle and greyed while disabled, and a picture without an alpha
// channel is see-through where it has its bottom-left pixel's colour.
TEST(FlatSkinIconTest, GlyphsLiftDimGreyAndKeyOutTheirCorner) {
    QWidget owner;
    TFlatSkin skin(&owner);
    const TSkinWorkingColors& wc = skin.SetGlobalColor(32);
    QImage glyph(4, 4, QImage::Format_RGB32);
    glyph.fill(qRgb(0, 0, 255));
    glyph.setPixel(0, 3, qRgb(255, 0, 0));
    const TColor blue = RGBColor(0, 0, 255);
    const struct {
        bool hot, enabled;
        QPoint face, corner;
        TColor faceColour;
    } cases[] = {
        {true, true, {9, 10}, {9, 13}, blue},
        {false, true, {10, 11}, {10, 14}, NewColor(blue, skin.DimLevel())},
        {false, false, {10, 11}, {10, 14}, NewColor(GrayColor(blue, skin.GrayLevel()), 40)},
    };
    for (const auto& k : cases) {
        QImage target(30, 30, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        skin.DrawItemIcon(painter, glyph, QRect(10, 10, 16, 16), false, false, false, false,
                          k.enabled, false, k.hot);
        painter.end();
        EXPECT_EQ(target.pixelColor(k.face), Q(k.faceColour)) << k.hot << k.enabled;
        EXPECT_EQ(target.pixelColor(k.corner), QColor(Qt::white)) << k.hot << k.enabled;
        // The shadow, two pixels down and right of the lifted glyph.
        EXPECT_EQ(target.pixelColor(14, 15) == Q(NewColorDark(wc.select, 50)), k.hot);
    }
}

// The item-text routine: the shortcut right-aligned 10 pixels in, lighter
// than the text; a default item embossed in shades of what lies under it.
TEST(FlatSkinIconTest, ItemTextShortcutAndEmbossedDefault) {
    QWidget owner;
    TFlatSkin skin(&owner);
    skin.SetGlobalColor(32);
    const TColor under = 0xC0C0C0;
    const auto colours = [&](bool isDefault, const QString& shortcut, int fromX) {
        QImage image(200, 24, QImage::Format_RGB32);
        image.fill(Q(under));
        QPainter painter(&image);
        skin.DrawItemText(painter, QStringLiteral("WWW"), 0, skin.Font(), clBlack, false, false,
                          isDefault, true, false, QRect(0, 0, 200, 24), under, shortcut);
        painter.end();
        std::set<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = fromX; x < image.width(); ++x)
                seen.insert(image.pixel(x, y) & 0xFFFFFF);
        return seen;
    };
    const auto has = [](const std::set<QRgb>& seen, TColor c) {
        return seen.count(Q(c).rgb() & 0xFFFFFF) > 0;
    };
    const std::set<QRgb> shortcut = colours(false, QStringLiteral("Ctrl+S"), 120);
    EXPECT_TRUE(has(shortcut, NewColorDark(clBlack, -40)));
    EXPECT_FALSE(has(colours(false, QString(), 120), NewColorDark(clBlack, -40)));
    EXPECT_FALSE(has(colours(false, QStringLiteral("Ctrl+S"), 191), NewColorDark(clBlack, -40)));
    EXPECT_TRUE(has(colours(true, QString(), 0), NewColorDark(under, 60)));
    EXPECT_FALSE(has(colours(false, QString(), 0), NewColorDark(under, 60)));
}

// The styled menus of a skinned form are switched with the skin: drawn
// styled while it is active, plainly once it lets go; a main menu tagged
// out and a menu without items keep their setting.
TEST(FlatSkinMenusTest, StyledMenusOwnerDrawFollowsTheSkin) {
    const std::unique_ptr<QStyle> own(QStyleFactory::create(QStringLiteral("Fusion")));
    QDialog dialog;
    auto* drawn = new QMenu(&dialog);
    drawn->addAction(QStringLiteral("Mine"));
    drawn->setStyle(own.get());
    auto* bar = new TFxMainMenu(&dialog);
    bar->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Save"));
    auto* popup = new TFxPopupMenu(&dialog);
    popup->addAction(QStringLiteral("One"));
    auto* taggedOut = new TFxMainMenu(&dialog);
    taggedOut->addMenu(QStringLiteral("Edit"));
    SetControlTag(taggedOut, 999);
    auto* empty = new TFxPopupMenu(&dialog);
    for (QWidget* menu : std::initializer_list<QWidget*>{bar, popup, taggedOut, empty})
        menu->setProperty("OwnerDraw", false);
    TFlatSkin* skin = TFlatSkin::ForDialog(&dialog);
    dialog.show();
    VX_WAIT_TRUE(dialog.isVisible(), test::kStateWaitMs);
    EXPECT_TRUE(bar->OwnerDraw());
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_FALSE(taggedOut->OwnerDraw());
    EXPECT_FALSE(empty->OwnerDraw());
    skin->SetActive(false);
    EXPECT_FALSE(bar->OwnerDraw());
    EXPECT_FALSE(popup->OwnerDraw());
    // A menu that draws its items its own way keeps that look unless the
    // skin is told to override it at its next activation.
    EXPECT_EQ(drawn->style(), own.get());
    skin->SetOverrideOwnerDraw(true);
    skin->SetActive(true);
    EXPECT_EQ(drawn->style(), skin->MenuStyle());
    skin->SetActive(false);
}

}  // namespace
}  // namespace vx

#include "FlatSkinTest.moc"
