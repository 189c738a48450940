#include "model/qt/EntryHost.h"

#include <QDialog>
#include <utility>

#include "model/qt/TypeAhead.h"

namespace vx {
namespace {

ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

}  // namespace

void ShowModally(QDialog& dialog) {
    TTypeAhead::Instance().Opened(dialog);
    if (Runner()) {
        Runner()(dialog);
        return;
    }
    TTypeAhead::Instance().Run(dialog);
}

ModalRunner SetModalRunner(ModalRunner runner) {
    return std::exchange(Runner(), std::move(runner));
}

}  // namespace vx
