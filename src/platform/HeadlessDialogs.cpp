#include "platform/HeadlessDialogs.h"

#include <algorithm>

namespace kolt {
namespace {

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace

HeadlessDialogs::HeadlessDialogs(std::string programName, std::ostream& out)
    : programName_(std::move(programName)), out_(out) {}

void HeadlessDialogs::report(const std::string& line) {
    out_ << programName_ << ": " << line << std::endl;
    if (sink_) sink_(line);
}

MessageAnswer HeadlessDialogs::message(const MessageRequest& request) {
    const std::string title = request.title.empty() ? std::string() : "[" + request.title + "] ";
    report("message: " + title + oneLine(request.text));
    return defaultAnswer(request.buttons);
}

std::optional<std::string> HeadlessDialogs::input(const InputRequest& request) {
    report("input box cancelled (no display): " + oneLine(request.prompt));
    return std::nullopt;
}

}  // namespace kolt
