// dialog_shots FOLDER [LANGUAGE_FILE]: pictures of every dialog that holds
// the flat skin, for review, written as PNG files into FOLDER: each dialog as
// it opens ("<name>.png") and with the mouse over its first push button and
// the focus in its first edit or drop-down ("<name>-hot.png"). With a
// language file (data/kzeng.ini) the dialogs take its texts and Qt's own
// texts stay English. The program and Windows folders go to a temporary
// folder.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "FormCatalogue.h"
#include "editor/qt/Main.h"
#include "editor/qt/UiTexts.h"
#include "platform/qt/QtTranslations.h"
#include "styling/skin/qt/ControlSubClass.h"
#include "styling/skin/qt/FlatSkin.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [LANGUAGE_FILE]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir folders;
    if (!folders.isValid()) return 1;
    setenv("VXTORVIN_WINDIR", qPrintable(folders.filePath(QStringLiteral("windows"))), 1);
    setenv("VXTORVIN_PROGDIR", qPrintable(folders.filePath(QStringLiteral("program"))), 1);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    const std::unique_ptr<vx::TMainFrm> forms = vx::BuildAllForms();
    if (argc > 2) {
        vx::UseQtTranslations(false);
        vx::ImportUiTexts(argv[2]);
    } else {
        vx::UseQtTranslations(true);
    }
    auto grab = [&](QWidget* window, const QString& name) {
        (void)QTest::qWaitForWindowExposed(window);
        QTest::qWait(200);
        window->grab().save(out + "/" + name + ".png");
    };
    for (vx::TFlatSkin* skin : forms->findChildren<vx::TFlatSkin*>()) {
        QWidget* dialog = skin->Owner();
        const QString name = dialog->objectName();
        dialog->show();
        grab(dialog, name);
        QWidget* button = nullptr;
        QWidget* edit = nullptr;
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (skin->SubClassOf(w) == nullptr || !w->isVisible() || !w->isEnabled()) continue;
            if (button == nullptr && qobject_cast<QPushButton*>(w) != nullptr) button = w;
            if (edit == nullptr &&
                (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr))
                edit = w;
        }
        if (edit != nullptr) {
            dialog->activateWindow();
            edit->setFocus();
        }
        if (button != nullptr) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(button, &enter);
        }
        grab(dialog, name + "-hot");
        if (button != nullptr) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
        }
        dialog->hide();
    }
    return 0;
}
