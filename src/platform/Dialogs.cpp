#include "platform/Dialogs.h"

namespace kolt {

MessageAnswer defaultAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::RetryCancel:
            return MessageAnswer::Retry;
    }
    return MessageAnswer::Cancel;
}

}  // namespace kolt
