#include "platform/MessageBox.h"

#include <cstdio>

namespace vx {
namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

}  // namespace

MsgAnswer CautiousAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::OkCancel:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

MsgAnswer ShowMessage(const Message& message) {
    if (Presenter()) return Presenter()(message);
    std::fprintf(stderr, "[%s] %s\n", message.caption.c_str(), message.text.c_str());
    return CautiousAnswer(message.buttons);
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    MessagePresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

}  // namespace vx
