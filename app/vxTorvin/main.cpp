// vxTorvin, the ladder programming tool.
#include <QApplication>
#include <cstdint>

#include "editor/qt/Main.h"
#include "platform/qt/QtMessagePresenter.h"
#include "styling/gdiplus/FxGDIP.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vx::SetMessagePresenter(vx::PresentWithQMessageBox);

    // The menus' and tool bars' drawing layer is up before the first window
    // and down after the last.
    std::uintptr_t gdiplusToken = 0;
    vx::GdiplusStartup(&gdiplusToken);
    int result = 0;
    {
        vx::TMainFrm mainFrm;
        mainFrm.show();
        result = app.exec();
    }
    vx::GdiplusShutdown(gdiplusToken);
    return result;
}
