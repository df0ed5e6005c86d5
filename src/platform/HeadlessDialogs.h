#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "platform/Dialogs.h"

namespace kolt {

// The boxes of a program without windows: the text goes to standard error and
// to the trace, and the box answers as its default button would (an input box
// as Cancel).
class HeadlessDialogs : public Dialogs {
  public:
    HeadlessDialogs(std::string programName, std::ostream& out);

    // Where the trace lines go once the trace exists.
    void setTraceSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

    MessageAnswer message(const MessageRequest& request) override;
    std::optional<std::string> input(const InputRequest& request) override;

  private:
    void report(const std::string& line);

    std::string programName_;
    std::ostream& out_;
    std::function<void(const std::string&)> sink_;
};

}  // namespace kolt
