// Update, the controller firmware updater.
#include <QApplication>
#include <QPalette>
#include <QToolTip>

#include "model/LadderProgram.h"
#include "platform/SerialPortNames.h"
#include "platform/SystemFolders.h"
#include "platform/qt/QtMessagePresenter.h"
#include "platform/qt/QtTranslations.h"
#include "updater/qt/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vx::SetMessagePresenter(vx::PresentWithQMessageBox);
    // The updater speaks Chinese only; Qt's buttons and dialogs do too.
    vx::UseQtTranslations(true);
    // Ports placed elsewhere than /dev/ttyUSB<n> are named in the tool's
    // settings file beside the program.
    vx::LoadSerialPortSettings(
        vx::JoinPath(vx::ProgramFolder(), std::string(vx::kProductTitle) + ".ini"));

    // Hints in the window's colour, 0xFBF7F2.
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0xF2, 0xF7, 0xFB));
    QToolTip::setPalette(hints);

    // A customer update package holds "Update.Da2" beside the updater: it is
    // looked for in the folder this program was started from, whatever the
    // program folder of the tool is.
    vx::TMainForm window(nullptr, QCoreApplication::applicationDirPath().toStdString());
    window.show();
    return app.exec();
}
