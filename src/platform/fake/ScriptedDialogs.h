#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace kolt {

// Boxes for tests: every request is recorded; the answers come from the
// script in order, and without a scripted answer a box answers as its
// default button (an input box as Cancel).
class ScriptedDialogs : public Dialogs {
  public:
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<std::string> input(const InputRequest& request) override;

    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<MessageRequest> messages;
    std::vector<InputRequest> inputs;
};

}  // namespace kolt
