// vxTorvin, the ladder programming tool.
#include <QApplication>
#include <QMainWindow>

#include "model/LadderProgram.h"
#include "platform/qt/QtMessagePresenter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vx::SetMessagePresenter(vx::PresentWithQMessageBox);

    QMainWindow mainWindow;
    mainWindow.setWindowTitle(QString::fromUtf8(vx::kProductTitle));
    mainWindow.resize(1066, 650);
    mainWindow.show();
    return app.exec();
}
