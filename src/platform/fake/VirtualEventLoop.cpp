#include "platform/fake/VirtualEventLoop.h"

#include <algorithm>
#include <chrono>

namespace kolt {

class VirtualEventLoop::VirtualTimer : public Timer {
  public:
    explicit VirtualTimer(VirtualEventLoop& loop) : loop_(loop) { loop_.timers_.push_back(this); }
    ~VirtualTimer() override { std::erase(loop_.timers_, this); }

    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void setInterval(int milliseconds) override {
        interval_ = std::max(0, milliseconds);
        if (active_) schedule();
    }
    int interval() const override { return interval_; }
    void start() override {
        active_ = true;
        schedule();
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    bool canFire() const { return active_ && interval_ > 0 && !running_; }

    VirtualEventLoop& loop_;
    std::function<void()> handler_;
    int interval_ = 0;
    bool active_ = false;
    bool running_ = false;
    std::int64_t due_ = 0;
    std::uint64_t sequence_ = 0;

  private:
    void schedule() {
        due_ = loop_.now_ + interval_;
        sequence_ = loop_.nextSequence_++;
    }
};

VirtualEventLoop::VirtualEventLoop(LocalDateTime start) : start_(start) {}

VirtualEventLoop::~VirtualEventLoop() = default;

std::unique_ptr<Timer> VirtualEventLoop::createTimer() {
    return std::make_unique<VirtualTimer>(*this);
}

void VirtualEventLoop::runPosted() {
    while (!posted_.empty() && !exited_) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

VirtualEventLoop::VirtualTimer* VirtualEventLoop::nextDue(std::int64_t limit) const {
    VirtualTimer* best = nullptr;
    for (VirtualTimer* t : timers_) {
        if (!t->canFire() || t->due_ > limit) continue;
        if (!best || t->due_ < best->due_ ||
            (t->due_ == best->due_ && t->sequence_ < best->sequence_)) {
            best = t;
        }
    }
    return best;
}

void VirtualEventLoop::fire(VirtualTimer& timer) {
    now_ = std::max(now_, timer.due_);
    timer.due_ += timer.interval_;
    if (timer.due_ <= now_) timer.due_ = now_ + timer.interval_;
    timer.sequence_ = nextSequence_++;
    if (!timer.handler_) return;
    timer.running_ = true;
    // The handler may delete the timer; copy what is needed first.
    auto handler = timer.handler_;
    const auto alive = [this, &timer] {
        return std::find(timers_.begin(), timers_.end(), &timer) != timers_.end();
    };
    handler();
    if (alive()) timer.running_ = false;
}

void VirtualEventLoop::processEvents() {
    if (exited_) return;
    runPosted();
    // Each timer that is due now fires once; what its handler starts waits.
    std::vector<VirtualTimer*> due;
    for (VirtualTimer* t : timers_) {
        if (t->canFire() && t->due_ <= now_) due.push_back(t);
    }
    std::sort(due.begin(), due.end(), [](const VirtualTimer* a, const VirtualTimer* b) {
        return a->due_ != b->due_ ? a->due_ < b->due_ : a->sequence_ < b->sequence_;
    });
    for (VirtualTimer* t : due) {
        if (exited_) return;
        if (std::find(timers_.begin(), timers_.end(), t) != timers_.end() && t->canFire() &&
            t->due_ <= now_) {
            fire(*t);
        }
    }
    runPosted();
}

void VirtualEventLoop::pause(int milliseconds) {
    if (milliseconds <= 0) return;
    now_ += milliseconds;
    pausedMs_ += milliseconds;
}

void VirtualEventLoop::post(std::function<void()> task) {
    posted_.push_back(std::move(task));
}

void VirtualEventLoop::advance(std::int64_t milliseconds) {
    const std::int64_t target = now_ + std::max<std::int64_t>(0, milliseconds);
    runPosted();
    while (!exited_) {
        VirtualTimer* t = nextDue(target);
        if (!t) break;
        fire(*t);
        runPosted();
    }
    if (!exited_) now_ = std::max(now_, target);
}

LocalDateTime VirtualEventLoop::localNow() const {
    using namespace std::chrono;
    const sys_days day = year{start_.year} / month{static_cast<unsigned>(start_.month)} /
                         std::chrono::day{static_cast<unsigned>(start_.day)};
    const auto t = day + hours{start_.hour} + minutes{start_.minute} + seconds{start_.second} +
                   milliseconds{start_.millisecond} + milliseconds{now_};
    const auto d = floor<days>(t);
    const year_month_day ymd{d};
    const hh_mm_ss hms{floor<milliseconds>(t - d)};
    LocalDateTime out;
    out.year = static_cast<int>(ymd.year());
    out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    out.hour = static_cast<int>(hms.hours().count());
    out.minute = static_cast<int>(hms.minutes().count());
    out.second = static_cast<int>(hms.seconds().count());
    out.millisecond = static_cast<int>(hms.subseconds().count());
    return out;
}

void VirtualEventLoop::addExitCleanup(std::function<void()> cleanup) {
    cleanups_.push_back(std::move(cleanup));
}

void VirtualEventLoop::exitNow(int status) {
    if (exited_) return;
    for (auto& c : cleanups_)
        c();
    exited_ = true;
    exitStatus_ = status;
    posted_.clear();
}

}  // namespace kolt
