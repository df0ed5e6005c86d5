#include "hub/core/TraceWindow.h"

#include <algorithm>

namespace kolt {

TraceWindow::TraceWindow() {
    form.caption = "Trace window";
    form.width = 9000;
    form.height = 5000;
    mnuExit.caption = "Exit";
    mnuClear.caption = "Clear";
    mnuStart.caption = "Start";
    mnuStop.caption = "Stop";
    // The window's end hides it; it lives as long as the hub.
    form.onCloseRequest = [this] {
        form.visible = false;
        return false;
    };
    resized(form.width, form.height);
}

void TraceWindow::resized(int width, int height) {
    if (form.windowState == WindowState::Minimized) return;
    form.width = std::max(width, kMinWidth);
    form.height = std::max(height, kMinHeight);
    boxWidth = std::max(0, form.width - boxLeft - kBoxRightMargin);
    boxHeight = std::max(0, form.height - boxTop - kBoxBottomMargin);
}

}  // namespace kolt
