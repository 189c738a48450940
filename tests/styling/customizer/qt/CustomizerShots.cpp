// Pictures of the customise dialog and its item dialog for review, over a
// window whose bar holds buttons, a separator and a combo box, with a
// command inserted, and of the bar's option window with the customize entry
// beside its options entry. Written as PNG files into the folder given on
// the command line.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/customizer/qt/CustomizeOption.h"
#include "styling/customizer/qt/CustomizerBtnU.h"
#include "styling/customizer/qt/CustomizerU.h"
#include "styling/customizer/qt/ToolBarCustomizer.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

using namespace vx;

namespace {
QPixmap Square(QColor colour) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setBrush(colour);
    painter.setPen(colour.darker());
    painter.drawEllipse(2, 2, 11, 11);
    return p;
}

// The mouse moved over a control, with no button down.
void MoveOver(QWidget* control, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: customizer_shots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    QWidget form;
    form.resize(600, 120);
    TAlignHost::Attach(&form);
    TImageList images(16, 16);
    for (QColor c : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::darkGreen), QColor(Qt::yellow)})
        images.Add(Square(c));
    TFxToolBar* bar = nullptr;
    {
        TLoadingScope scope;
        auto* panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 600, 43);
        bar = new TFxToolBar(panel);
        bar->setObjectName("FxToolBar1");
        bar->SetCaption("Standard");
        bar->SetBounds(3, 1, 400, 28);
        bar->SetImages(&images);
        const char* captions[] = {"Open", "Save", "Print preview"};
        for (int i = 0; i < 3; ++i) {
            if (i == 2) (new TFxToolBarSeparator(bar))->setObjectName("FxToolBarSeparator1");
            auto* b = new TFxToolBarButton(bar);
            b->setObjectName(QString("Btn%1").arg(i));
            b->SetCaption(captions[i]);
            b->SetImageIndex(i);
        }
        (new QComboBox(bar))->setObjectName("CmbZoom");
    }
    TToolBarCustomizer customizer;
    customizer.setObjectName("Customizer1");
    customizer.SetToolBar(bar);
    customizer.Commands().push_back({"Find", 4, nullptr, {}});
    customizer.Commands().push_back({"Replace", 0, nullptr, {}});
    form.show();

    TCustomizerForm dialog(customizer);
    dialog.FillLists();
    dialog.Model().Select(3);
    dialog.AddClick();
    dialog.show();
    QApplication::processEvents();
    const QString main = folder + "/customize_dialog.png";
    if (!dialog.grab().save(main)) return 1;

    TCusBtnForm item(customizer);
    item.Prepare(&images);
    item.show();
    QApplication::processEvents();
    const QString itemFile = folder + "/item_dialog.png";
    if (!item.grab().save(itemFile)) return 1;

    // The bar after a user's set: Print preview first, a new command button
    // with its caption shown, Save gone.
    const QString ini = folder + "/customizer_shot.ini";
    QFile::remove(ini);
    customizer.SetIniFile(ini);
    {
        QFile file(ini);
        file.open(QIODevice::WriteOnly);
        file.write(
            "[Customizer1]\r\nToolBarItemCount=5\r\nName0=Btn2\r\n"
            "Name0.ClassName=FXTOOLBARBUTTON\r\nName0.ShowCaption=1\r\n"
            "Name1=FxToolBarSeparator1\r\nName1.ClassName=FXTOOLBARSEPARATOR\r\n"
            "Name2=Btn0\r\nName2.ClassName=FXTOOLBARBUTTON\r\n"
            "Name3=FxToolBarButton1\r\nName3.ClassName=FXTOOLBARBUTTON\r\n"
            "Name3.CommandID=0\r\nName3.ImageIndex=3\r\nName3.ShowCaption=1\r\n"
            "Name4=CmbZoom\r\nName4.ClassName=-1\r\n");
    }
    customizer.LoadUserItems();
    QFile::remove(ini);
    QApplication::processEvents();
    const QString barFile = folder + "/customized_bar.png";
    if (!form.grab().save(barFile)) return 1;

    // The option window of the narrowed bar, the customize entry open and
    // hot beside its options entry, drawn over the form where they stand.
    bar->SetAutoOptionMenu(true);
    bar->SetBounds(3, 1, 110, 28);
    bar->ShowOptionWindow(0, 0, false);
    TOptionSelectorWindow* options = bar->OptionWindow();
    TControlSelectorPanel* panel = options->OptionsPanel();
    const TRect entry = panel->OptionsEntry().rect;
    MoveOver(panel, QPoint(entry.left + 20, entry.top + 5));
    TOptionSelectorWindow* side = panel->CustomizeWindow();
    if (side == nullptr) return 1;
    auto* customize = side->findChild<TCustomizeOption*>();
    MoveOver(customize, customize->rect().center());
    QApplication::processEvents();
    const QPoint origin = form.mapToGlobal(QPoint(0, 0));
    QPixmap sheet(form.width(), 160);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        painter.drawPixmap(0, 0, form.grab());
        painter.drawPixmap(options->pos() - origin, options->grab());
        painter.drawPixmap(side->pos() - origin, side->grab());
    }
    const QString optionFile = folder + "/customize_entry.png";
    if (!sheet.save(optionFile)) return 1;
    std::printf("%s\n%s\n%s\n%s\n", qPrintable(main), qPrintable(itemFile), qPrintable(barFile),
                qPrintable(optionFile));
    return 0;
}
