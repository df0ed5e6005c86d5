#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace kolt::test {

// Runs the Qt event loop until the condition holds or the limit passes; the
// limit only keeps a broken test from hanging.
inline bool waitFor(const std::function<bool()>& condition, int limitMs = 5000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

}  // namespace kolt::test
