// The one way the system shows a message.
//
// Validators, file commands and every other part of the tool report to the
// user through ShowMessage, never through the window framework directly. The
// programs install a presenter that shows a real message box; tests install a
// recorder that notes each message and supplies the answers.
#pragma once

#include <functional>
#include <string>

namespace vx {

enum class MsgIcon { None, Information, Exclamation, Question, Error };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string caption;
    std::string text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool topmost = false;  // system-modal: stays above every other window
};

using MessagePresenter = std::function<MsgAnswer(const Message&)>;

// Shows the message through the installed presenter and returns the answer.
// Without a presenter the message goes to standard error and the answer is
// the cautious one: Ok for a notice, No or Cancel for a question.
MsgAnswer ShowMessage(const Message& message);

// Installs a presenter; returns the one it replaces. An empty function
// restores the default.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// The cautious answer to a message nobody can see.
MsgAnswer CautiousAnswer(MsgButtons buttons);

}  // namespace vx
