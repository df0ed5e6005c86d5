#include "platform/fake/ScriptedDialogs.h"

namespace kolt {

MessageAnswer ScriptedDialogs::message(const MessageRequest& request) {
    messages.push_back(request);
    if (messageAnswers.empty()) return defaultAnswer(request.buttons);
    const MessageAnswer a = messageAnswers.front();
    messageAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedDialogs::input(const InputRequest& request) {
    inputs.push_back(request);
    if (inputAnswers.empty()) return std::nullopt;
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
}

}  // namespace kolt
