#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace kolt {

// A local civil date and time, as the trace files and captions show it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// A repeating timer of the event loop. Its handler runs on the loop's thread;
// a handler that is still running is not started again. An interval of 0
// never fires, as the window system's timers behave.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setHandler(std::function<void()> handler) = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Starts the timer, or restarts its countdown when it runs.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The one thread's event loop: timers, the clock, letting pending events run,
// pauses, and ending the program.
class EventLoop {
  public:
    virtual ~EventLoop() = default;

    virtual std::unique_ptr<Timer> createTimer() = 0;

    // Runs the events that are waiting now (the handlers may nest).
    virtual void processEvents() = 0;
    // Blocks the thread for the given time; events wait until it ends.
    virtual void pause(int milliseconds) = 0;
    // Queues a call to run on the loop, after the events already waiting.
    virtual void post(std::function<void()> task) = 0;

    // Milliseconds from an arbitrary start; never goes back.
    virtual std::int64_t elapsedMs() const = 0;
    virtual LocalDateTime localNow() const = 0;

    // Runs before the program ends at once (for example to remove a port link).
    virtual void addExitCleanup(std::function<void()> cleanup) = 0;
    // Ends the program at once with the given status: no further event runs.
    virtual void exitNow(int status) = 0;
};

}  // namespace kolt
