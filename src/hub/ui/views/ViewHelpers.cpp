#include "hub/ui/views/ViewHelpers.h"

#include <QKeySequence>
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

}  // namespace kolt
