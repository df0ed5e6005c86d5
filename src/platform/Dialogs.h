#pragma once

#include <optional>
#include <string>

namespace kolt {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

// The answer a box gives when nobody is there to press a button: its first
// (default) button.
MessageAnswer defaultAnswer(MessageButtons buttons);

// Message and input boxes. Modal: the call returns the operator's answer.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer message(const MessageRequest& request) = 0;
    // Empty when cancelled.
    virtual std::optional<std::string> input(const InputRequest& request) = 0;
};

}  // namespace kolt
