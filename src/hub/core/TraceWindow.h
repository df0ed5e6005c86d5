#pragma once

#include "common/FormControls.h"
#include "hub/core/LogBox.h"

namespace kolt {

// The trace window ("Trace window"): one box and the menu "Exit", "Clear",
// "Start", "Stop". Geometry in twips. The trace log owns it and gives the
// menu its handlers.
struct TraceWindow {
    static constexpr int kMinWidth = 3200;
    static constexpr int kMinHeight = 2200;
    static constexpr int kBoxRightMargin = 200;
    static constexpr int kBoxBottomMargin = 950;

    TraceWindow();
    TraceWindow(const TraceWindow&) = delete;
    TraceWindow& operator=(const TraceWindow&) = delete;

    // The window was resized (by the operator or the window system): keep it
    // at least its smallest size and fit the box to it.
    void resized(int width, int height);

    FormState form;
    LogBox txtRX;
    int boxLeft = 0;
    int boxTop = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    MenuItem mnuExit;
    MenuItem mnuClear;
    MenuItem mnuStart;
    MenuItem mnuStop;
};

}  // namespace kolt
