#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "../../../support/MessageRecorder.h"
#include "../../../support/QtWait.h"
#include "../../../support/TempFolder.h"
#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "platform/qt/SpeedButton.h"
#include "styling/customizer/qt/CustomizerBtnU.h"
#include "styling/customizer/qt/CustomizerU.h"
#include "styling/customizer/qt/ToolBarCustomizer.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

// Lists of names print as text when a comparison fails.
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{' << list.join(", ").toStdString() << '}';
}

namespace vx {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

QPixmap Square(QColor colour, int size) {
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.fillRect(2, 2, size - 4, size - 4, colour);
    return p;
}

// A window whose dock panel holds the bar "Standard": Open, a separator,
// Save and a zoom box; its customizer offers two commands of one caption.
struct CustomizerWindow {
    test::TempFolder temp;
    QWidget form;
    TImageList small{16, 16};
    TImageList large{32, 32};
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TToolBarCustomizer customizer;
    int printClicks = 0;
    QAction printAction{"Print"};

    CustomizerWindow() {
        form.resize(600, 200);
        TAlignHost::Attach(&form);
        for (QColor c : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::darkGreen)}) {
            small.Add(Square(c, 16));
            large.Add(Square(c, 32));
        }
        {
            TLoadingScope scope;
            panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, 600, 43);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetCaption("Standard");
            bar->SetBounds(3, 1, 400, 28);
            bar->SetImages(&small);
            auto button = [&](const char* name, const char* caption, int image) {
                auto* b = new TFxToolBarButton(bar);
                b->setObjectName(name);
                b->SetCaption(caption);
                b->SetHint(QString(caption) + " file");
                b->SetImageIndex(image);
            };
            button("BtnOpen", "Open", 0);
            (new TFxToolBarSeparator(bar))->setObjectName("FxToolBarSeparator1");
            button("BtnSave", "Save", 1);
            auto* zoom = new QComboBox(bar);
            zoom->setObjectName("CmbZoom");
            zoom->resize(60, 22);
        }
        customizer.setObjectName("Customizer1");
        customizer.SetIniFile(QString::fromStdString(temp / "custom.ini"));
        customizer.SetToolBar(bar);
        customizer.SetSmallImages(&small);
        customizer.SetLargeImages(&large);
        customizer.Commands().push_back({"Print", 3, &printAction, [this] { ++printClicks; }});
        customizer.Commands().push_back({"Print", 0, nullptr, {}});
        form.show();
    }
    std::string File() { return test::ReadTestFile(temp / "custom.ini"); }
    void AddToFile(const std::vector<std::string>& lines) {
        test::WriteTestFile(temp / "custom.ini", File() + Lines(lines));
    }
    QStringList Names() const {
        QStringList names;
        for (int i = 0; i < bar->GetFTBControlCount(); ++i)
            names << bar->GetFTBControl(i)->objectName();
        return names;
    }
};

const std::vector<std::string> kDesigned = {
    "[Customizer1Org]",
    "FTBCaption=Standard",
    "GlyphPosition=0",
    "LargeIcon=0",
    "ToolBarItemCount=4",
    "Name0=BtnOpen",
    "Name0.ClassName=FXTOOLBARBUTTON",
    "Name0.ImageIndex=0",
    "Name0.Visible=1",
    "Name0.ShowCaption=0",
    "Name0.Caption=Open",
    "Name0.Hint=Open file",
    "Name1=FxToolBarSeparator1",
    "Name1.ClassName=FXTOOLBARSEPARATOR",
    "Name2=BtnSave",
    "Name2.ClassName=FXTOOLBARBUTTON",
    "Name2.ImageIndex=1",
    "Name2.Visible=1",
    "Name2.ShowCaption=0",
    "Name2.Caption=Save",
    "Name2.Hint=Save file",
    "Name3=CmbZoom",
    "Name3.ClassName=-1",
};

TEST(ToolBarCustomizerTest, UserSetIsAppliedAndDesignedSetRestored) {
    CustomizerWindow w;
    w.customizer.ToolBarLoaded();
    EXPECT_EQ(w.File(), Lines(kDesigned));
    EXPECT_EQ(w.Names(), QStringList({"BtnOpen", "FxToolBarSeparator1", "BtnSave", "CmbZoom"}));

    w.AddToFile({"[Customizer1]", "FTBCaption=Mine", "GlyphPosition=1", "LargeIcon=1",
                 "ToolBarItemCount=4", "Name0=btnsave", "Name0.ClassName=FXTOOLBARBUTTON",
                 "Name0.Visible=0", "Name1=CmbZoom", "Name1.ClassName=-1", "Name2=FxToolBarButton1",
                 "Name2.ClassName=FXTOOLBARBUTTON", "Name2.CommandID=0", "Name2.ImageIndex=2",
                 "Name2.ForceImageIndex=1", "Name2.ShowCaption=1", "Name3=FxToolBarSeparator2",
                 "Name3.ClassName=FXTOOLBARSEPARATOR"});
    w.customizer.LoadUserItems();
    EXPECT_EQ(w.Names(),
              QStringList({"BtnSave", "CmbZoom", "FxToolBarButton1", "FxToolBarSeparator2"}));
    EXPECT_EQ(w.bar->Caption(), "Mine");
    EXPECT_EQ(w.bar->Images(), &w.large);
    auto* save = w.bar->findChild<TFxToolBarButton*>("BtnSave");
    ASSERT_TRUE(save);
    EXPECT_TRUE(save->isHidden());
    EXPECT_EQ(save->GlyphPosition(), TGlyphPosition::gpTop);
    auto* made = qobject_cast<TFxToolBarButton*>(w.customizer.FindItemByName("fxtoolbarbutton1"));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->Caption(), "Print");
    EXPECT_EQ(made->ImageIndex(), 2);
    EXPECT_TRUE(made->ShowCaption());
    // The command's click and action, each run once by a click.
    EXPECT_EQ(made->Action(), &w.printAction);
    QSignalSpy printed(&w.printAction, &QAction::triggered);
    made->Click();
    EXPECT_EQ(w.printClicks, 1);
    EXPECT_EQ(printed.count(), 1);
    // Open and the first separator are kept off the bar, not freed.
    ASSERT_EQ(w.customizer.RemovedControls().size(), 2u);
    EXPECT_EQ(w.customizer.RemovedControls()[0]->objectName(), "BtnOpen");
    EXPECT_EQ(w.customizer.FindItemByName("BtnOpen"), nullptr);

    QPointer<QWidget> madePointer = made;
    ASSERT_TRUE(w.customizer.RestoreOrgItems());
    EXPECT_EQ(w.Names(), QStringList({"BtnOpen", "FxToolBarSeparator1", "BtnSave", "CmbZoom"}));
    EXPECT_EQ(w.bar->Caption(), "Standard");
    EXPECT_EQ(w.bar->Images(), &w.small);
    EXPECT_FALSE(save->isHidden());
    EXPECT_TRUE(madePointer.isNull());  // made by the user's set: freed
    EXPECT_TRUE(w.customizer.RemovedControls().empty());
    EXPECT_EQ(w.File(), Lines(kDesigned));  // the user's set is gone
}

TEST(ToolBarCustomizerTest, CountsAndDamagedFiles) {
    CustomizerWindow w;
    w.customizer.SaveOrgItems();
    // A count of 0 empties the bar.
    w.AddToFile({"[Customizer1]", "ToolBarItemCount=0"});
    w.customizer.LoadUserItems();
    EXPECT_EQ(w.bar->GetFTBControlCount(), 0);
    EXPECT_EQ(w.customizer.RemovedControls().size(), 4u);
    w.customizer.RestoreOrgItems();
    EXPECT_EQ(w.bar->GetFTBControlCount(), 4);

    // A damaged file: what can be read is applied, the rest stays.
    test::WriteTestFile(w.temp / "custom.ini",
                        "\x01\xff garbage\r\n[Customizer1]\r\nToolBarItemCount=9\r\n"
                        "Name0=CmbZoom\r\nName0.ClassName=-1\r\nName1=Nothing\r\n"
                        "Name1.ClassName=-1\r\nName2=BtnOpen\r\nName2.ClassName=FXTOOLBARBUTTON\r\n"
                        "Name2.ImageIndex=x\r\nName2.Caption=Open it\r\n");
    w.customizer.LoadUserItems();
    EXPECT_EQ(w.Names(), QStringList({"CmbZoom", "BtnOpen"}));
    auto* open = qobject_cast<TFxToolBarButton*>(w.customizer.FindItemByName("BtnOpen"));
    EXPECT_EQ(open->ImageIndex(), 0);
    EXPECT_EQ(open->Caption(), "Open it");

    // Without persistence nothing is read or written.
    CustomizerWindow off;
    off.customizer.SetPersistent(false);
    off.customizer.ToolBarLoaded();
    EXPECT_FALSE(FileExists(off.temp / "custom.ini"));
}

TEST(ToolBarCustomizerTest, BuiltWithItsBarItAppliesTheUserSet) {
    test::TempFolder temp;
    const std::string path = temp / "custom.ini";
    test::WriteTestFile(path, Lines({"[Customizer1]", "ToolBarItemCount=1", "Name0=BtnTwo",
                                     "Name0.ClassName=FXTOOLBARBUTTON"}));
    QWidget form;
    TAlignHost::Attach(&form);
    TFxToolBar* bar = nullptr;
    // Made before or after its bar, in the window's loading scope.
    for (bool first : {false, true}) {
        std::unique_ptr<TToolBarCustomizer> customizer;
        {
            TLoadingScope scope;
            if (first) customizer = std::make_unique<TToolBarCustomizer>();
            bar = new TFxToolBar(&form);
            bar->SetBounds(0, 0, 300, 28);
            for (const char* name : {"BtnOne", "BtnTwo"})
                (new TFxToolBarButton(bar))->setObjectName(name);
            if (!first) customizer = std::make_unique<TToolBarCustomizer>();
            customizer->setObjectName("Customizer1");
            customizer->SetIniFile(QString::fromStdString(path));
            customizer->SetToolBar(bar);
        }
        VX_WAIT_EQ(bar->GetFTBControlCount(), 1, test::kStateWaitMs);
        EXPECT_EQ(bar->GetFTBControl(0)->objectName(), "BtnTwo");
        EXPECT_NE(test::ReadTestFile(path).find("[Customizer1Org]"), std::string::npos);
        delete bar;
    }
}

// Drags row `row` of the list `source` onto the item list and drops it at
// `at`, with the data a drag from that list carries (a drop reaches a list
// only after it took the drag's entry).
bool Drop(TDragListBox* items, const char* source, int row, QPoint at) {
    QMimeData data;
    data.setData(TDragListBox::kMimeType, QByteArray(source) + ":" + QByteArray::number(row));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(items->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(items->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(items->viewport(), &drop);
    return drop.isAccepted();
}

QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

TEST(ToolBarCustomizerTest, CustomizeDialogAddsAndRemovesButtons) {
    CustomizerWindow w;
    w.customizer.ToolBarLoaded();
    test::MessageRecorder messages;
    messages.Answer(MsgAnswer::No);
    QSignalSpy customized(&w.customizer, &TToolBarCustomizer::Customized);
    QSignalSpy showing(&w.customizer, &TToolBarCustomizer::ShowDialog);
    bool checked = false;
    test::WhenModal(&w.form, [&](QWidget* modal) {
        auto* form = qobject_cast<TCustomizerForm*>(modal);
        ASSERT_TRUE(form);
        EXPECT_EQ(form, TCustomizerForm::Current());
        EXPECT_EQ(form->windowTitle(), "Customize");
        auto* commands = form->findChild<QListWidget*>("LstBxCommand");
        auto* items = form->findChild<TDragListBox*>("LstBxToolBarItems");
        ASSERT_TRUE(commands && items);
        EXPECT_EQ(Texts(commands), QStringList({"Print", "Print"}));
        EXPECT_EQ(Texts(items), QStringList({"Open", "Separator", "Save", "CmbZoom"}));
        EXPECT_EQ(form->findChild<QComboBox*>("CmBxIcon")->currentIndex(), 2);  // tag 3
        EXPECT_FALSE(form->Model().Changed());

        // Both commands dropped on Save: each lands after the selection.
        items->setCurrentRow(2);
        const QPoint onSave = items->visualItemRect(items->item(2)).center();
        Drop(items, "LstBxCommand", 0, onSave);
        Drop(items, "LstBxCommand", 1, onSave);
        EXPECT_EQ(Texts(items),
                  QStringList({"Open", "Separator", "Save", "Print", "Print", "CmbZoom"}));
        // A drag from the list itself moves the entry to the row under the
        // drop point; from anywhere else nothing is taken.
        Drop(items, "LstBxToolBarItems", 5, items->visualItemRect(items->item(0)).center());
        EXPECT_FALSE(Drop(items, "Elsewhere", 0, onSave));
        EXPECT_EQ(Texts(items)[0], "CmbZoom");

        // Save goes.
        items->setCurrentRow(3);
        QTest::mouseClick(form->findChild<TSpeedButton*>("DeleteButton"), Qt::LeftButton);
        EXPECT_EQ(Texts(items), QStringList({"CmbZoom", "Open", "Separator", "Print", "Print"}));
        // Clearing asks first; No leaves the list.
        QTest::mouseClick(form->findChild<TSpeedButton*>("ClearButton"), Qt::LeftButton);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "Are you sure that you want to clear ToolBar?");
        EXPECT_EQ(items->count(), 5);
        EXPECT_TRUE(form->Model().Changed());
        checked = true;
        QTest::mouseClick(form->findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
    });
    EXPECT_EQ(w.customizer.ShowCustomizeDialog(), TCustomizerForm::kResultOk);
    ASSERT_TRUE(checked);
    EXPECT_EQ(showing.count(), 1);
    EXPECT_EQ(customized.count(), 1);
    EXPECT_EQ(TCustomizerForm::Current(), nullptr);
    EXPECT_EQ(w.Names(), QStringList({"CmbZoom", "BtnOpen", "FxToolBarSeparator1",
                                      "FxToolBarButton1", "FxToolBarButton2"}));
    auto* print = qobject_cast<TFxToolBarButton*>(w.customizer.FindItemByName("FxToolBarButton1"));
    ASSERT_TRUE(print);
    EXPECT_EQ(print->Caption(), "Print");
    EXPECT_EQ(print->ImageIndex(), 2);
    print->Click();
    EXPECT_EQ(w.printClicks, 1);
    EXPECT_EQ(w.customizer.RemovedControls().at(0)->objectName(), "BtnSave");

    // Reset brings the designed set back.
    test::WhenModal(&w.form, [](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("BtnReset"), Qt::LeftButton);
    });
    EXPECT_EQ(w.customizer.ShowCustomizeDialog(), TCustomizerForm::kResultReset);
    EXPECT_EQ(w.Names(), QStringList({"BtnOpen", "FxToolBarSeparator1", "BtnSave", "CmbZoom"}));
    EXPECT_EQ(w.File(), Lines(kDesigned));
}

TEST(ToolBarCustomizerTest, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
    CustomizerWindow w;
    w.customizer.SetIniFile(QString::fromStdString(w.temp / "missing/custom.ini"));
    EXPECT_FALSE(w.customizer.ToolBarLoaded());
    test::MessageRecorder messages;
    bool stayed = false;
    test::WhenModal(&w.form, [&](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
        EXPECT_EQ(messages.Count(), 1u);
        stayed = modal->isVisible();
        QTest::mouseClick(modal->findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(w.customizer.ShowCustomizeDialog(), TCustomizerForm::kResultCancel);
    EXPECT_TRUE(stayed);
}

// Runs the action on the item dialog once it is open.
void WhenItemDialog(QObject* owner, std::function<void(TCusBtnForm*)> action) {
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, action = std::move(action)] {
        TCusBtnForm* dialog = TCusBtnForm::Current();
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start();
}

TEST(ToolBarCustomizerTest, ItemDialogEditsAButton) {
    CustomizerWindow w;
    w.customizer.ToolBarLoaded();
    w.customizer.ItemOptions().hint = false;
    bool edited = false;
    test::WhenModal(&w.form, [&](QWidget* modal) {
        auto* form = qobject_cast<TCustomizerForm*>(modal);
        ASSERT_TRUE(form);
        auto* items = form->findChild<QListWidget*>("LstBxToolBarItems");
        items->setCurrentRow(1);  // a separator is not edited
        EXPECT_FALSE(form->findChild<TSpeedButton*>("BtnEdit")->Enabled());
        items->setCurrentRow(2);
        WhenItemDialog(form, [&](TCusBtnForm* item) {
            EXPECT_EQ(item->windowTitle(), "Item Properties");
            EXPECT_EQ(item->EdtBtnCaption()->text(), "Save");
            EXPECT_TRUE(item->EdtBtnHint()->isHidden());  // hints may not be changed
            EXPECT_EQ(item->CmBxGlyph()->count(), 4);     // three pictures and "None"
            EXPECT_EQ(item->CmBxGlyph()->currentIndex(), 1);
            item->EdtBtnCaption()->setText("Save all");
            item->ChkBtnShowCap()->setChecked(true);
            item->CmBxGlyph()->setCurrentIndex(3);  // "None"
            edited = true;
            QTest::mouseClick(item->findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
        });
        QTest::mouseClick(form->findChild<TSpeedButton*>("BtnEdit"), Qt::LeftButton);
        EXPECT_EQ(TCusBtnForm::Current(), nullptr);
        EXPECT_EQ(items->item(2)->text(), "Save all");
        QTest::mouseClick(form->findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
    });
    EXPECT_EQ(w.customizer.ShowCustomizeDialog(), TCustomizerForm::kResultOk);
    ASSERT_TRUE(edited);
    auto* save = qobject_cast<TFxToolBarButton*>(w.customizer.FindItemByName("BtnSave"));
    EXPECT_EQ(save->Caption(), "Save all");
    EXPECT_EQ(save->ImageIndex(), -1);
    EXPECT_TRUE(save->ShowCaption());
    EXPECT_EQ(save->Hint(), "Save file");
    const std::string file = w.File();
    for (const char* line : {"Name2.Caption=Save all\r\n", "Name2.ImageIndex=-1\r\n",
                             "Name2.ForceImageIndex=1\r\n", "Name2.ShowCaption=1\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(file.find("Name2.Hint"),
              file.find("Name2.Hint=Save file"));  // the designed set's only
}

}  // namespace
}  // namespace vx
