// The start page, the about box, the help and the print options as a user
// meets them: the start page the start timer shows, its hints, keys and
// commands (the last file, a new file, the examples); the about box with its
// model list, the model link-library table and its links; F1 and the help
// menu's web entry opening the user guide; the print options' states.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <map>

#include "build/CompileValues.h"
#include "build/SysParams.h"
#include "build/qt/MyPublicFrm.h"
#include "editor/DeviceComments.h"
#include "editor/ExampleProjects.h"
#include "editor/HelpLinks.h"
#include "editor/ProjectCommands.h"
#include "editor/ProjectFile.h"
#include "editor/Settings.h"
#include "editor/qt/About.h"
#include "editor/qt/Main.h"
#include "editor/qt/Print.h"
#include "editor/qt/Start.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::MessageRecorder;
using test::ScopedEnv;
using test::TempFolder;

// A stand-in for an outside program: records its folder and arguments.
std::string MakeRecorder(const TempFolder& dir, const std::string& name) {
    const std::string path = dir / name;
    test::WriteTestFile(
        path,
        "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

// What the recorder was started with; waits for it.
std::string Recorded(const std::string& recorder) {
    const std::string out = recorder + ".out";
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(out); }, test::kStateWaitMs))
        << "nothing started " << recorder;
    std::string text = test::ReadTestFile(out);
    fs::remove(out);
    return text;
}

// The mouse comes over the widget (and leaves the one it was over).
void MouseOver(QWidget* widget) {
    static QPointer<QWidget> under;
    if (under && under != widget) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(under, &leave);
    }
    const QPointF at = widget->rect().center();
    QEnterEvent enter(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &enter);
    under = widget;
}

// The mouse moves over the widget's own area.
void MouseMove(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

class StartPageTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }

    // A main window whose start timer shows the real start page; `onStart`
    // runs while the page is up. Returns once the start timer is done.
    std::unique_ptr<TMainFrm> StartWithPage(std::function<void(TMainFrm&, TForStart&)> onStart) {
        auto frm = std::make_unique<TMainFrm>();
        frm->Dialogs().systemParameters = [](LadderProgram&) { return true; };
        frm->Dialogs().openFile = [this](const std::string& folder, const std::string& preselect) {
            askedFolder_ = folder;
            askedPreselect_ = preselect;
            return std::optional<std::string>(preselect);
        };
        TMainFrm* raw = frm.get();
        bool seen = false;
        test::WhenModal(raw, [&, raw](QWidget* modal) {
            auto* start = qobject_cast<TForStart*>(modal);
            ASSERT_NE(start, nullptr) << "the start page is the first modal window";
            seen = true;
            onStart(*raw, *start);
        });
        QSignalSpy started(raw, &TMainFrm::StartTimerFired);
        frm->show();
        // The page comes once, 988 ms after the window is shown.
        EXPECT_TRUE(frm->StartTimer().isActive());
        EXPECT_TRUE(frm->StartTimer().isSingleShot());
        EXPECT_EQ(frm->StartTimer().interval(), 988);
        EXPECT_FALSE(seen);
        EXPECT_TRUE(started.wait(test::kStateWaitMs));
        EXPECT_TRUE(seen);
        return frm;
    }

    // A project file at `path` with one contact, and the settings that name
    // it as the last edited file.
    static void LastEditedProject(const std::string& path) {
        LadderProgram program;
        SetDefaultParameters(program);
        program.cells.Kind(1, 0) = CellKind::kOpenContact;
        program.cells.First(1, 0) = "X7";
        ASSERT_TRUE(WriteFileAtomically(path, SerialiseProject(program)));
        ASSERT_TRUE(SaveSettings(SettingsFilePath(), Settings(), path));
    }

    MessageRecorder messages_;
    TempFolder dir_;
    std::string askedFolder_;
    std::string askedPreselect_;
};

TEST_F(StartPageTest, TheStartPageTellsWhatEachPictureDoesAndEnterOpensTheLastFile) {
    const std::string last = dir_ / "上次 的项目.PSP";
    LastEditedProject(last);
    TempFolder tools;
    const std::string hh = MakeRecorder(tools, "hh");
    ScopedEnv hhEnv("VXTORVIN_LAUNCH_HH", hh.c_str());
    std::vector<QString> hints;
    QString caption, web;
    QColor linkUnder, linkAway;
    auto frm = StartWithPage([&](TMainFrm&, TForStart& start) {
        caption = start.windowTitle();
        web = start.Label7()->text();
        EXPECT_EQ(start.Label6()->isHidden(), SupportMailAddress().empty())
            << "a mail link only with an address";
        hints.push_back(start.Label5()->text());
        for (QToolButton* button : {start.SpeedButton2(), start.SpeedButton1(),
                                    start.SpeedButton4(), start.SpeedButton3()}) {
            MouseOver(button);
            hints.push_back(start.Label5()->text());
        }
        // Over the background the first hint comes back.
        MouseMove(start.Background(), QPoint(5, start.Background()->height() - 60));
        hints.push_back(start.Label5()->text());
        // The links turn yellow under the mouse and blue again when it leaves;
        // a click opens them as the about box does.
        MouseOver(start.Label7());
        linkUnder = start.Label7()->TextColor();
        MouseOver(start.SpeedButton2());
        linkAway = start.Label7()->TextColor();
        QTest::mouseClick(start.Label7(), Qt::LeftButton);
        QTest::keyClick(&start, Qt::Key_Return);
    });
    EXPECT_EQ(caption, QString("欢迎来到 KZ6-Quillary"));
    const std::vector<QString> expected = {
        "按一个图形,开始...",
        "创建一个新的顺控程序...",
        "打开: " + QString::fromStdString(last) + "\n在您退出的地方继续工作。",
        "打开现有的顺控程序...",
        "打开本系统提供的例子，\n自多种专业的设计中选择。",
        "按一个图形,开始...",
    };
    EXPECT_EQ(hints, expected);
    EXPECT_EQ(web, QString("用户手册")) << "the link's caption, not its address";
    EXPECT_EQ(linkUnder, QColor(Qt::yellow));
    EXPECT_EQ(linkAway.blue(), 0xFF);
    EXPECT_LT(linkAway.red(), 0xFF) << "blue, not yellow";
    EXPECT_EQ(Recorded(hh), ProgramFolder() + "\n" + WebLinkText(ProgramFolder()) + "\n");
    // Enter ran the last file's button: the project is open.
    EXPECT_FALSE(frm->CoverShown());
    EXPECT_EQ(frm->ProjectFile(), last);
    EXPECT_EQ(TheProgram().cells.First(1, 0), "X7");
    EXPECT_FALSE(frm->findChild<TForStart*>()->isVisible());
    EXPECT_TRUE(messages_.Messages().empty());
}

// With no file edited before, the last file's button and Enter say so and the
// page stays for another choice.
TEST_F(StartPageTest, WithNoLastFileTheLastFilesButtonAndEnterSaySo) {
    QString hint;
    bool stayed = false;
    auto frm = StartWithPage([&](TMainFrm&, TForStart& start) {
        MouseOver(start.SpeedButton1());
        hint = start.Label5()->text();
        QTest::keyClick(&start, Qt::Key_Return);
        QTest::mouseClick(start.SpeedButton1(), Qt::LeftButton);
        stayed = start.isVisible();
        QTest::keyClick(&start, Qt::Key_Escape);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(hint, QString("没有最后一次编辑的文件 ！"));
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Last().text, "没有最后一次编辑的文件 ！");
    EXPECT_EQ(messages_.Last().caption, kProductTitle);
    EXPECT_TRUE(frm->CoverShown());

    TaboutForm about("", ProgramFolder());
    TForStart start(&about);
    start.SetChinese(false);
    start.FormShow(QStringLiteral("最近文件"));
    start.SpeedButton1()->click();
    EXPECT_EQ(messages_.Last().text, "There is no last edited file!");
}

// The page opens growing from its centre for 500 ms; a test runs the opening
// to its end at once instead of waiting for it.
TEST_F(StartPageTest, TheStartPageGrowsFromItsCentreWhenItOpens) {
    TaboutForm about("", ProgramFolder());
    TForStart start(&about);
    const QRect full(start.pos(), start.size());
    start.FormShow(QString());
    start.show();
    QPropertyAnimation* opening = start.OpeningAnimation();
    ASSERT_EQ(opening->state(), QAbstractAnimation::Running);
    EXPECT_EQ(opening->duration(), 500);
    const QRect from = opening->startValue().toRect();
    EXPECT_EQ(from.center(), full.center());
    EXPECT_LT(from.width(), full.width() / 4);
    EXPECT_LT(from.height(), full.height() / 4);
    EXPECT_EQ(opening->endValue().toRect(), full);
    EXPECT_LT(start.width(), full.width()) << "it begins small";
    opening->setCurrentTime(opening->duration());
    EXPECT_EQ(opening->state(), QAbstractAnimation::Stopped);
    EXPECT_EQ(start.geometry(), full);
    EXPECT_EQ(start.minimumSize(), full.size()) << "a fixed size again";
    EXPECT_EQ(start.maximumSize(), full.size());
    start.hide();
}

TEST_F(StartPageTest, EscClosesTheStartPageAndTheNewFileButtonMakesAProject) {
    auto closed =
        StartWithPage([](TMainFrm&, TForStart& start) { QTest::keyClick(&start, Qt::Key_Escape); });
    EXPECT_TRUE(closed->CoverShown()) << "nothing was opened";
    EXPECT_FALSE(closed->findChild<TForStart*>()->isVisible());
    EXPECT_TRUE(askedFolder_.empty()) << "no open dialog";
    closed.reset();

    test::ResetEditorRunState();
    auto made = StartWithPage([](TMainFrm&, TForStart& start) {
        QTest::mouseClick(start.SpeedButton2(), Qt::LeftButton);
    });
    EXPECT_FALSE(made->CoverShown()) << "a new project";
    EXPECT_EQ(made->ProjectFile(), kUntitledProject);
    EXPECT_TRUE(messages_.Messages().empty());
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> FolderBytes(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = test::ReadTestFile(entry.path().string());
    return files;
}

// The examples are never written: the button opens an untitled copy whose
// save asks where, offering the user's folder, never the examples'.
TEST_F(StartPageTest, TheExamplesButtonOpensACopyAndTheShippedFilesStayAsTheyAre) {
    const std::string examples = JoinPath(ProgramFolder(), "Examples");
    WriteExampleProjects(examples);
    const std::map<std::string, std::string> shipped = FolderBytes(examples);
    TempFolder home;
    ScopedEnv homeEnv("HOME", home.Path().c_str());
    const fs::path before = fs::current_path();
    auto frm = StartWithPage([](TMainFrm&, TForStart& start) {
        QTest::mouseClick(start.SpeedButton3(), Qt::LeftButton);
    });
    const fs::path current = fs::current_path();
    fs::current_path(before);
    EXPECT_EQ(current, fs::path(ProgramFolder())) << "the program folder became current";
    EXPECT_EQ(askedFolder_, examples);
    EXPECT_EQ(askedPreselect_, JoinPath(examples, "MotorStartStop.PSP"));
    ASSERT_FALSE(frm->CoverShown());
    EXPECT_EQ(frm->ProjectFile(), kUntitledProject) << "a copy to work on";
    EXPECT_EQ(TheProgram().cells.First(1, 0), "X0");
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 0), "启动按钮")
        << "the example's device comments come with it";
    EXPECT_TRUE(messages_.Messages().empty());

    // Saving: a name in the examples is refused, then the copy is saved elsewhere.
    std::vector<std::string> offered;
    std::vector<std::string> answers = {JoinPath(examples, "MotorStartStop.PSP"), dir_ / "mine"};
    frm->Dialogs().saveFile = [&](const std::string& suggested) {
        offered.push_back(suggested);
        const std::string answer = answers.front();
        answers.erase(answers.begin());
        return answer.empty() ? std::nullopt : std::optional<std::string>(answer);
    };
    frm->FileSaveItemClick();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, ExamplesReadOnlyText(true));
    EXPECT_EQ(frm->ProjectFile(), kUntitledProject);
    frm->FileSaveItemClick();
    EXPECT_EQ(offered, std::vector<std::string>(2, home / "MotorStartStop.PSP"));
    EXPECT_EQ(frm->ProjectFile(), dir_ / "mine.PSP");
    EXPECT_TRUE(fs::exists(dir_ / "mine.Rcm")) << "the comments go with the copy";
    EXPECT_EQ(FolderBytes(examples), shipped);

    // Now save as and open start in the project's folder.
    answers = {""};
    frm->FileSaveAsItemClick();
    EXPECT_EQ(offered.back(), dir_ / "Torvin0");
    frm->Dialogs().openFile = [&](const std::string& folder, const std::string&) {
        askedFolder_ = folder;
        return std::optional<std::string>();
    };
    frm->FileOpenItemClick();
    EXPECT_EQ(askedFolder_, dir_.Path());
    EXPECT_EQ(FolderBytes(examples), shipped);
}

// Without a project the open dialog starts where the last edited file is, else
// in the user's own folder, never in the program folder.
TEST_F(StartPageTest, TheOpenDialogStartsInTheLastFilesFolderElseTheUsersFolder) {
    TempFolder home;
    ScopedEnv homeEnv("HOME", home.Path().c_str());
    for (bool recent : {false, true}) {
        SCOPED_TRACE(recent);
        test::ResetEditorRunState();
        if (recent) LastEditedProject(dir_ / "last.PSP");
        auto frm = StartWithPage(
            [](TMainFrm&, TForStart& start) { QTest::keyClick(&start, Qt::Key_Escape); });
        frm->Dialogs().openFile = [&](const std::string& folder, const std::string&) {
            askedFolder_ = folder;
            return std::optional<std::string>();
        };
        frm->FileOpenItemClick();
        EXPECT_EQ(askedFolder_, recent ? dir_.Path() : home.Path());
    }
}

TEST_F(StartPageTest, TheAboutBoxShowsTheTitleTheModelListAndTheLinkLibraryTable) {
    auto frm = test::StartedMainWindow();
    ASSERT_TRUE(frm->Item("AboutItem")->isEnabled());
    EXPECT_EQ(frm->Item("AboutItem")->text(), QString("关于KZ6-Quillary(&A)..."));
    auto* about = frm->findChild<TaboutForm*>();
    ASSERT_NE(about, nullptr);

    QString caption, title;
    bool modal = false;
    QColor away, under;
    test::WhenModal(frm.get(), [&](QWidget* shown) {
        modal = shown == about;
        caption = about->windowTitle();
        title = about->Label2()->text();
        MouseOver(about->Label5());
        under = about->Label5()->TextColor();
        MouseOver(about->OkButton());
        away = about->Label5()->TextColor();
        QTest::mouseClick(about->OkButton(), Qt::LeftButton);
    });
    frm->Item("AboutItem")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(about->isVisible()) << "OK closes the box";
    EXPECT_EQ(caption, QString("关于 KZ6-Quillary"));
    EXPECT_EQ(title, QString("KZ6-Quillary V6.25"));
    EXPECT_EQ(under, QColor(Qt::white)) << "a link turns white under the mouse";
    EXPECT_EQ(away, QColor(Qt::black)) << "and black when it leaves";

    // The hidden model list: the 11 series the parameter dialog offers, the first chosen.
    QComboBox* series = about->PlcSeries();
    EXPECT_TRUE(series->isHidden());
    ASSERT_EQ(series->count(), 11);
    for (int i = 0; i < series->count(); ++i)
        EXPECT_EQ(series->itemText(i).toStdString(), PlcSeriesNames()[static_cast<std::size_t>(i)]);
    EXPECT_EQ(series->currentIndex(), 0);

    // The link-library table is the one the compile links with.
    EXPECT_EQ(&TaboutForm::ModelLibraries(), &ModelLibraryTable());
    ASSERT_EQ(TaboutForm::ModelLibraries().size(), 33u);
    for (int model = 0; model < 11; ++model) {
        for (int variant = 0; variant < 3; ++variant) {
            EXPECT_EQ(TaboutForm::ModelLibraries()[static_cast<std::size_t>(model * 3 + variant)],
                      ModelObject(model, variant));
        }
    }

    // A double click on either picture closes the box too.
    for (QLabel* picture : {about->Image1(), about->Image2()}) {
        test::WhenModal(frm.get(), [&](QWidget*) { QTest::mouseDClick(picture, Qt::LeftButton); });
        about->exec();
        EXPECT_FALSE(about->isVisible());
    }
}

// The links show their captions: the support address and "用户手册"; without
// an address there is no mail link, on the about box or the start page.
TEST_F(StartPageTest, TheLinksShowCaptionsAndAMailLinkOnlyWithAnAddress) {
    std::vector<std::string> opened;
    auto record = [&](TaboutForm& about) {
        about.Opens().mail = [&](const std::string& target) { opened.push_back(target); };
        about.Opens().web = [&](const std::string& link) { opened.push_back(link); };
    };
    TaboutForm withMail("support@example.com", ProgramFolder());
    record(withMail);
    EXPECT_EQ(withMail.Label5()->text(), QString("support@example.com"));
    EXPECT_FALSE(withMail.Label5()->isHidden());
    EXPECT_EQ(withMail.Label6()->text(), QString("用户手册"));
    QTest::mouseClick(withMail.Label5(), Qt::LeftButton);
    QTest::mouseClick(withMail.Label6(), Qt::LeftButton);
    const std::string guide = WebLinkText(ProgramFolder());
    EXPECT_EQ(guide, "file://" + PercentEncoded(JoinPath(ProgramFolder(), "Help/index.html")));
    EXPECT_EQ(opened, (std::vector<std::string>{
                          "mailto:support@example.com"
                          "?&cc=&bcc=&subject=%E6%AC%A2%E8%BF%8E%E4%BD%BF%E7%94%A8%20KZ6-Quillary"
                          "&body=%E6%82%A8%E7%9A%84%E6%84%8F%E8%A7%81%3A%0d",
                          guide}));
    TForStart start(&withMail);
    start.FormShow(QString());
    EXPECT_EQ(start.Label6()->text(), QString("support@example.com"));
    EXPECT_FALSE(start.Label6()->isHidden());
    EXPECT_EQ(start.Label7()->text(), QString("用户手册"));

    opened.clear();
    TaboutForm noMail("", ProgramFolder());
    record(noMail);
    EXPECT_TRUE(noMail.Label5()->isHidden()) << "no address, no mail link";
    EXPECT_EQ(noMail.Label6()->pos(), noMail.Label5()->pos()) << "the guide's link moves up";
    noMail.Label5Click();
    EXPECT_TRUE(opened.empty());
    TForStart noMailStart(&noMail);
    noMailStart.FormShow(QString());
    EXPECT_TRUE(noMailStart.Label6()->isHidden());
    EXPECT_EQ(noMailStart.Label7()->pos(), noMailStart.Label6()->pos());

    // The main window's box and the help menu's web entry open the user guide.
    TempFolder tools;
    const std::string hh = MakeRecorder(tools, "hh");
    ScopedEnv hhEnv("VXTORVIN_LAUNCH_HH", hh.c_str());
    auto frm = test::StartedMainWindow();
    auto* about = frm->findChild<TaboutForm*>();
    QTest::mouseClick(about->Label6(), Qt::LeftButton);
    EXPECT_EQ(Recorded(hh), ProgramFolder() + "\n" + guide + "\n");
    ASSERT_TRUE(frm->Item("N61")->isEnabled());
    frm->Item("N61")->trigger();
    EXPECT_EQ(Recorded(hh), ProgramFolder() + "\n" + guide + "\n");
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(StartPageTest, F1OpensTheUserGuideInTheChosenLanguageAndHiddenItemsTheManuals) {
    TempFolder tools;
    const std::string hh = MakeRecorder(tools, "hh");
    ScopedEnv hhEnv("VXTORVIN_LAUNCH_HH", hh.c_str());
    auto frm = test::StartedMainWindow();
    EXPECT_EQ(frm->Item("N60")->shortcut(), QKeySequence(Qt::Key_F1));
    frm->Item("N60")->trigger();
    EXPECT_EQ(Recorded(hh), ProgramFolder() + "\n" + ProgramFolder() + "/Help/zh/index.html\n")
        << "in the program folder, the Chinese guide";
    frm->Item("English1")->trigger();
    frm->Item("N60")->trigger();
    EXPECT_EQ(Recorded(hh), ProgramFolder() + "\n" + ProgramFolder() + "/Help/en/index.html\n");

    // The hidden items of the family manuals open each its own file the same way.
    const struct {
        const char* item;
        const char* file;
    } manuals[] = {
        {"ManualItem1", "Help/KZ6-Standard.pdf"},
        {"ManualItem2", "Help/KZ6-Large.pdf"},
        {"ManualItem3", "Help/KZ6-PG16.pdf"},
    };
    for (const auto& manual : manuals) {
        QAction* item = frm->Item(manual.item);
        ASSERT_NE(item, nullptr) << manual.item;
        EXPECT_FALSE(item->isVisible()) << manual.item;
        EXPECT_TRUE(frm->findChild<QMenu*>(QStringLiteral("Help1"))->actions().contains(item));
        item->trigger();
        EXPECT_EQ(Recorded(hh),
                  ProgramFolder() + "\n" + ProgramFolder() + "/" + manual.file + "\n");
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(StartPageTest, WithoutAHelpViewerTheToolShowsTheGuideItself) {
    TempFolder emptyPath;
    ScopedEnv path("PATH", emptyPath.Path().c_str());
    ScopedEnv hhEnv("VXTORVIN_LAUNCH_HH", nullptr);
    const std::string page = JoinPath(ProgramFolder(), "Help/zh/index.html");
    MakeFolders(JoinPath(ProgramFolder(), "Help/zh"));
    test::WriteTestFile(page, "<html><body><h1>用户手册</h1></body></html>");
    test::WriteTestFile(JoinPath(ProgramFolder(), "Help/index.html"), "<h1>两种语言</h1>");
    auto frm = test::StartedMainWindow();
    frm->Item("N60")->trigger();
    auto* viewer = frm->findChild<TMyPublicFrm*>(QStringLiteral("MyPublicFrm"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QString("帮助"));
    EXPECT_TRUE(viewer->WebBrowser1()->toPlainText().contains(QStringLiteral("用户手册")));
    EXPECT_TRUE(messages_.Messages().empty()) << "no word about a missing viewer";
    const QRect screen = frm->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(viewer->geometry())) << "it fits the screen";
    QTest::keyClick(viewer->WebBrowser1(), Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible()) << "Esc closes it";

    // Opened from the about box's link, it comes above the box and takes the input.
    auto* about = frm->findChild<TaboutForm*>();
    bool above = false, fits = false, closed = false;
    test::WhenModal(frm.get(), [&](QWidget*) {
        QTest::mouseClick(about->Label6(), Qt::LeftButton);
        above = viewer->isVisible() && QApplication::activeModalWidget() == viewer;
        fits = screen.contains(viewer->geometry());
        QTest::keyClick(viewer, Qt::Key_Escape);
        closed = !viewer->isVisible();
        about->accept();
    });
    about->exec();
    EXPECT_TRUE(above);
    EXPECT_TRUE(fits);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(viewer->WebBrowser1()->toPlainText().contains(QStringLiteral("两种语言")));
    fs::remove_all(JoinPath(ProgramFolder(), "Help"));
}

TEST(HelpWindowPlace, CentredOnTheScreenAndNoLargerThanIt) {
    struct Case {
        QRect area;
        QRect window;
    } cases[] = {
        {{0, 0, 1920, 1080}, {460, 165, 1000, 750}},
        {{0, 0, 800, 600}, {0, 0, 800, 600}},
        {{1920, 24, 1024, 700}, {1932, 24, 1000, 700}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredWithin({1000, 750}, c.area), c.window) << c.area.x() << "," << c.area.y();
}

class PrintOptionsTest : public StartPageTest {
  protected:
    void SetUp() override {
        StartPageTest::SetUp();
        frm_ = test::StartedMainWindow();
        print_ = frm_->findChild<TForPrint*>();
        ASSERT_NE(print_, nullptr);
    }
    void TearDown() override {
        if (print_ && print_->isVisible()) print_->reject();
    }
    bool PageFieldsEnabled() const {
        return print_->Edit1()->isEnabled() && print_->Edit2()->isEnabled();
    }
    bool PageFieldsDisabled() const {
        return !print_->Edit1()->isEnabled() && !print_->Edit2()->isEnabled();
    }
    // The dialog shown and active, as the print command leaves it.
    void ShowActive() {
        print_->show();
        print_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(print_, test::kStateWaitMs));
    }

    std::unique_ptr<TMainFrm> frm_;
    TForPrint* print_ = nullptr;
};

TEST_F(PrintOptionsTest, DefaultsAndTheFieldsTheyAccept) {
    EXPECT_EQ(print_->windowTitle(), QString("打印项目"));
    EXPECT_TRUE(print_->RadioButton1()->isChecked());
    EXPECT_EQ(print_->RadioButton1()->text(), QString("全部范围(&r)"));
    EXPECT_EQ(print_->RadioButton2()->text(), QString("设置范围(&g)"));
    EXPECT_TRUE(PageFieldsDisabled());
    EXPECT_EQ(print_->Edit1()->text(), QString("1"));
    EXPECT_EQ(print_->Edit2()->text(), QString("1"));
    EXPECT_TRUE(print_->CheckBox1()->isChecked());
    EXPECT_FALSE(print_->CheckBox2()->isChecked());
    // Only digits, at most three.
    print_->Edit1()->setEnabled(true);
    print_->Edit1()->clear();
    QTest::keyClicks(print_->Edit1(), "a1-2x34");
    EXPECT_EQ(print_->Edit1()->text(), QString("123"));
    QTest::keyClick(print_->Edit1(), Qt::Key_Backspace);
    EXPECT_EQ(print_->Edit1()->text(), QString("12"));
}

// The page fields are enabled exactly while "设置范围(&g)" is selected, by the
// mouse, by the arrow keys, by its access key, or when the focus merely moves.
TEST_F(PrintOptionsTest, ThePageFieldsFollowTheRangeChoiceHoweverItIsMade) {
    ASSERT_NO_FATAL_FAILURE(ShowActive());
    QTest::mouseClick(print_->RadioButton2(), Qt::LeftButton);
    ASSERT_TRUE(print_->RadioButton2()->isChecked());
    EXPECT_TRUE(PageFieldsEnabled()) << "clicked";
    QTest::mouseClick(print_->RadioButton1(), Qt::LeftButton);
    ASSERT_TRUE(print_->RadioButton1()->isChecked());
    EXPECT_TRUE(PageFieldsDisabled()) << "clicked back";

    // The keyboard: the focus comes to the chosen "all pages" button first.
    print_->CheckBox1()->setFocus();
    VX_WAIT_TRUE(print_->CheckBox1()->hasFocus(), test::kStateWaitMs);
    print_->RadioButton1()->setFocus(Qt::TabFocusReason);
    VX_WAIT_TRUE(print_->RadioButton1()->hasFocus(), test::kStateWaitMs);
    EXPECT_TRUE(PageFieldsDisabled()) << "the focus alone changes nothing";
    QTest::keyClick(print_->RadioButton1(), Qt::Key_Down);
    ASSERT_TRUE(print_->RadioButton2()->isChecked());
    EXPECT_TRUE(PageFieldsEnabled()) << "chosen with the arrow key";
    QTest::keyClick(print_->RadioButton2(), Qt::Key_Up);
    ASSERT_TRUE(print_->RadioButton1()->isChecked());
    EXPECT_TRUE(PageFieldsDisabled()) << "back with the arrow key";

    QTest::keyClick(print_, Qt::Key_G, Qt::AltModifier);
    VX_WAIT_TRUE(print_->RadioButton2()->isChecked(), test::kStateWaitMs);
    EXPECT_TRUE(PageFieldsEnabled()) << "chosen with Alt+G";
    QTest::keyClick(print_, Qt::Key_R, Qt::AltModifier);
    VX_WAIT_TRUE(print_->RadioButton1()->isChecked(), test::kStateWaitMs);
    EXPECT_TRUE(PageFieldsDisabled()) << "back with Alt+R";
}

TEST_F(PrintOptionsTest, OkGoesOnToThePrintDialogAndCancelStopsThere) {
    // Without a project there is nothing to print.
    EXPECT_FALSE(frm_->Item("PrintItem")->isEnabled());
    EXPECT_FALSE(frm_->Item("N29")->isEnabled());
    EXPECT_FALSE(frm_->Button("PrintToolButton")->isEnabled());

    int printDialogs = 0;
    frm_->Dialogs().printDialog = [&](QPrinter&) {
        ++printDialogs;
        return false;
    };
    QFont chosen(QStringLiteral("DejaVu Sans Mono"), 13);
    print_->ChooseFont() = [&](const QFont&) { return std::optional<QFont>(chosen); };

    test::WhenModal(frm_.get(), [&](QWidget*) { print_->BitBtn3()->click(); });
    frm_->PrintToolButtonClick();
    EXPECT_EQ(printDialogs, 0) << "cancel: no print dialog";
    EXPECT_FALSE(print_->Options().confirmed);

    test::WhenModal(frm_.get(), [&](QWidget*) {
        print_->RadioButton2()->click();
        print_->Edit1()->setText(QStringLiteral("2"));
        print_->Edit2()->setText(QStringLiteral("3"));
        print_->CheckBox2()->setChecked(true);
        print_->SpeedButton1()->click();
        print_->BitBtn1()->click();
    });
    frm_->PrintToolButtonClick();
    EXPECT_EQ(printDialogs, 1);
    const PrintOptions options = print_->Options();
    EXPECT_TRUE(options.confirmed);
    EXPECT_FALSE(options.allPages);
    EXPECT_EQ(options.firstPage, 2);
    EXPECT_EQ(options.lastPage, 3);
    EXPECT_TRUE(options.ladder);
    EXPECT_TRUE(options.instructionList);
    EXPECT_EQ(options.instructionFont, chosen);
    QWidget* panel3 = frm_->findChild<QWidget*>(QStringLiteral("Panel3"));
    ASSERT_NE(panel3, nullptr);
    EXPECT_EQ(panel3->font().family(), chosen.family()) << "the header's and the list's font";
    EXPECT_EQ(panel3->font().pointSize(), 13);

    // Esc is a cancel: the options kept, no print dialog.
    test::WhenModal(frm_.get(), [&](QWidget*) { QTest::keyClick(print_, Qt::Key_Escape); });
    frm_->PrintToolButtonClick();
    EXPECT_EQ(printDialogs, 1);
    EXPECT_FALSE(print_->Options().confirmed);
    EXPECT_TRUE(print_->RadioButton2()->isChecked()) << "the dialog keeps its choices for the run";
}

}  // namespace
}  // namespace vx
