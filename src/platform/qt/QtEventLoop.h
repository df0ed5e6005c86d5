#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "platform/EventLoop.h"

class QSocketNotifier;

namespace kolt {

// The event loop of the running program: Qt's, with its timers. SIGINT and
// SIGTERM are turned into a call on the loop (never handled inside the signal
// handler itself).
class QtEventLoop : public QObject, public EventLoop {
  public:
    QtEventLoop();
    ~QtEventLoop() override;

    std::unique_ptr<Timer> createTimer() override;
    void processEvents() override;
    void pause(int milliseconds) override;
    void post(std::function<void()> task) override;
    std::int64_t elapsedMs() const override { return clock_.elapsed(); }
    LocalDateTime localNow() const override;
    void addExitCleanup(std::function<void()> cleanup) override;
    void exitNow(int status) override;

    // What SIGINT and SIGTERM do; without it they end the program at once.
    void onTerminationSignal(std::function<void()> handler);

  private:
    void signalArrived();

    QElapsedTimer clock_;
    std::vector<std::function<void()>> cleanups_;
    std::function<void()> onSignal_;
    QSocketNotifier* signalNotifier_ = nullptr;
};

}  // namespace kolt
