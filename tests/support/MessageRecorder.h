// Records the messages the code under test shows, and answers them.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace vx::test {

class MessageRecorder {
  public:
    // Installs itself as the presenter until destroyed.
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Answers for the coming questions, in order; after them every message gets
    // the cautious answer.
    void Answer(MsgAnswer answer) { answers_.push_back(answer); }

    const std::vector<Message>& Messages() const { return messages_; }
    // The texts of the messages, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages_)
            texts.push_back(m.text);
        return texts;
    }
    std::size_t Count() const { return messages_.size(); }
    const Message& Last() const { return messages_.back(); }
    void Clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
    std::deque<MsgAnswer> answers_;
    MessagePresenter previous_;
};

}  // namespace vx::test
