#include "hub/ui/views/ViewHelpers.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace kolt {

void syncAction(QAction& action, const MenuItem& item) {
    const QSignalBlocker block(&action);
    if (action.text() != qs(item.caption)) action.setText(qs(item.caption));
    action.setShortcut(QKeySequence(qs(item.shortcut)));
    action.setEnabled(item.enabled);
    action.setVisible(item.visible);
    if (action.isCheckable() && action.isChecked() != item.checked) action.setChecked(item.checked);
}

void syncWindow(QWidget& window, const FormState& form) {
    if (window.windowTitle() != qs(form.caption)) window.setWindowTitle(qs(form.caption));
    const QSize size(toPixels(form.width), toPixels(form.height));
    if (form.width > 0 && form.height > 0 && window.size() != size) window.resize(size);
    if (window.isVisible() != form.visible) window.setVisible(form.visible);
}

void LogBoxMirror::sync(const LogBox& box, QPlainTextEdit& edit) {
    const std::string& text = box.text();
    if (box.rewrites() == rewrites_ && text.size() == shown_) return;
    QString added;
    if (box.rewrites() == rewrites_ && text.size() > shown_) {
        added = qs(text.substr(shown_));
    } else {
        edit.clear();
        added = qs(text);
    }
    added.remove(QLatin1Char('\r'));
    if (added.endsWith(QLatin1Char('\n'))) added.chop(1);
    if (!added.isEmpty()) edit.appendPlainText(added);
    shown_ = text.size();
    rewrites_ = box.rewrites();
}

}  // namespace kolt
