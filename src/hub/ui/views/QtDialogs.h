#pragma once

#include "platform/Dialogs.h"

namespace kolt {

// Message and input boxes on screen.
class QtDialogs : public Dialogs {
  public:
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<std::string> input(const InputRequest& request) override;
};

}  // namespace kolt
