#include "hub/ui/views/TraceWindowView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "hub/core/TraceLog.h"
#include "platform/fake/VirtualEventLoop.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

class TraceWindowViewTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    VirtualEventLoop clock{{2024, 1, 31, 14, 5, 9, 0}};
    RotatorState state;
    LogBox monitor;
    TraceLog trace{state, clock, dir.path(), monitor};
    TraceWindowView view{trace.window()};
};

TEST_F(TraceWindowViewTest, ShowsTheModelsCaptionAndMenu) {
    trace.window().form.visible = true;
    view.sync();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Trace window");
    QStringList captions;
    for (QAction* a : view.menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Exit", "Clear", "Start", "Stop"}));
}

TEST_F(TraceWindowViewTest, TheMenuReachesTheModelAndLinesReachTheBox) {
    trace.window().form.visible = true;
    view.sync();
    view.action(trace.window().mnuStart)->trigger();
    EXPECT_TRUE(trace.traceWindowOn);
    trace.logToTraceWindow("RX: +0123+0045");
    trace.logToTraceWindow("TX: C2");
    view.sync();
    EXPECT_EQ(view.box()->toPlainText(), "14:05:09 -> RX: +0123+0045\n14:05:09 -> TX: C2");
    trace.logToTraceWindow("third");
    view.sync();
    EXPECT_EQ(view.box()->toPlainText().count('\n'), 2);

    view.action(trace.window().mnuClear)->trigger();
    EXPECT_EQ(trace.window().txtRX.text(), "");
    EXPECT_EQ(view.box()->toPlainText(), "");

    view.action(trace.window().mnuStop)->trigger();
    EXPECT_FALSE(trace.traceWindowOn);
    view.action(trace.window().mnuExit)->trigger();
    EXPECT_FALSE(trace.window().form.visible);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(TraceWindowViewTest, KeepsItsSmallestSize) {
    trace.window().form.visible = true;
    view.sync();
    view.resize(40, 30);
    QApplication::processEvents();
    EXPECT_GE(trace.window().form.width, TraceWindow::kMinWidth);
    EXPECT_GE(view.width(), TraceWindow::kMinWidth / kTwipsPerPixel);
    EXPECT_GE(view.height(), TraceWindow::kMinHeight / kTwipsPerPixel);
}

TEST_F(TraceWindowViewTest, TheCloseBoxOnlyHidesIt) {
    trace.window().form.visible = true;
    view.sync();
    view.close();
    EXPECT_FALSE(trace.window().form.visible);
    EXPECT_FALSE(view.isVisible());
    trace.window().form.visible = true;  // shown again later, as the Debug button does
    view.sync();
    EXPECT_TRUE(view.isVisible());
}

}  // namespace
}  // namespace kolt
