// uitexts FILE: writes the texts of every form of the tool, as the forms are
// built, to FILE in the language file format (the Chinese language file
// "kzchs.ini" is made this way). Runs without a display.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "FormCatalogue.h"
#include "editor/qt/Main.h"
#include "editor/qt/UiTexts.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The main window makes its folders; they go to a folder of their own.
    QTemporaryDir folders;
    if (!folders.isValid()) {
        std::fprintf(stderr, "uitexts: no temporary folder\n");
        return 1;
    }
    setenv("VXTORVIN_WINDIR", qPrintable(folders.filePath(QStringLiteral("windows"))), 1);
    setenv("VXTORVIN_PROGDIR", qPrintable(folders.filePath(QStringLiteral("program"))), 1);

    const std::unique_ptr<vx::TMainFrm> forms = vx::BuildAllForms();
    const vx::IoResult written = vx::ExportUiTexts(argv[1]);
    if (!written) {
        std::fprintf(stderr, "uitexts: %s\n", written.error.c_str());
        return 1;
    }
    return 0;
}
