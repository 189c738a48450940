#include "support/MessageRecorder.h"

namespace vx::test {

MessageRecorder::MessageRecorder() {
    previous_ = SetMessagePresenter([this](const Message& message) {
        messages_.push_back(message);
        if (answers_.empty()) return CautiousAnswer(message.buttons);
        MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessagePresenter(std::move(previous_));
}

}  // namespace vx::test
