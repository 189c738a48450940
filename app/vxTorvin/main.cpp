// vxTorvin, the ladder programming tool.
#include <QApplication>

#include "editor/qt/Main.h"
#include "platform/qt/QtMessagePresenter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vx::SetMessagePresenter(vx::PresentWithQMessageBox);

    vx::TMainFrm mainFrm;
    mainFrm.show();
    return app.exec();
}
