#include "model/qt/EntryHost.h"

#include <QDialog>
#include <utility>

namespace vx {
namespace {

ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

}  // namespace

void ShowModally(QDialog& dialog) {
    if (Runner()) {
        Runner()(dialog);
        return;
    }
    dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
    return std::exchange(Runner(), std::move(runner));
}

}  // namespace vx
