#include "hub/ui/views/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "hub/ui/views/ViewHelpers.h"

namespace kolt {
namespace {

QMessageBox::StandardButtons buttonsOf(MessageButtons b) {
    switch (b) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(MessageIcon i) {
    switch (i) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtDialogs::message(const MessageRequest& request) {
    QMessageBox box(iconOf(request.icon), qs(request.title), qs(request.text),
                    buttonsOf(request.buttons));
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        default:
            return MessageAnswer::Cancel;
    }
}

std::optional<std::string> QtDialogs::input(const InputRequest& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, qs(request.title), qs(request.prompt),
                                               QLineEdit::Normal, qs(request.defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace kolt
