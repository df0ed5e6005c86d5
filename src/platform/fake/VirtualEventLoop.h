#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/EventLoop.h"

namespace kolt {

// The test double of the event loop: a virtual clock that only moves when a
// test says so. advance() fires due timers in time order (a timer's handler
// sees the clock at its due time); pause() moves the clock without running
// anything, as a blocked thread would, so overdue timers fire at the next
// advance() or processEvents(). After exitNow() nothing runs any more.
// Timers must not outlive the loop.
class VirtualEventLoop : public EventLoop {
  public:
    explicit VirtualEventLoop(LocalDateTime start = {2024, 1, 31, 12, 0, 0, 0});
    ~VirtualEventLoop() override;

    std::unique_ptr<Timer> createTimer() override;
    void processEvents() override;
    void pause(int milliseconds) override;
    void post(std::function<void()> task) override;
    std::int64_t elapsedMs() const override { return now_; }
    LocalDateTime localNow() const override;
    void addExitCleanup(std::function<void()> cleanup) override;
    void exitNow(int status) override;

    // Runs everything that falls due within the next milliseconds.
    void advance(std::int64_t milliseconds);

    bool exited() const { return exited_; }
    int exitStatus() const { return exitStatus_; }
    std::int64_t pausedMs() const { return pausedMs_; }

  private:
    class VirtualTimer;
    friend class VirtualTimer;

    void runPosted();
    VirtualTimer* nextDue(std::int64_t limit) const;
    void fire(VirtualTimer& timer);

    LocalDateTime start_;
    std::int64_t now_ = 0;
    std::int64_t pausedMs_ = 0;
    std::uint64_t nextSequence_ = 0;
    bool exited_ = false;
    int exitStatus_ = 0;
    std::vector<VirtualTimer*> timers_;
    std::deque<std::function<void()>> posted_;
    std::vector<std::function<void()>> cleanups_;
};

}  // namespace kolt
