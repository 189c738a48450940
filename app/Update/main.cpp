// Update, the controller firmware updater.
#include <QApplication>
#include <QWidget>

#include "platform/qt/QtMessagePresenter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vx::SetMessagePresenter(vx::PresentWithQMessageBox);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Update"));
    window.resize(420, 300);
    window.show();
    return app.exec();
}
