#include "hub/core/HubTimers.h"

namespace kolt {

HubTimers::HubTimers(EventLoop& loop) {
    for (const TimerSpec& spec : kHubTimerTable) {
        auto& timer = this->*spec.member;
        timer = loop.createTimer();
        timer->setInterval(spec.intervalMs);
        if (spec.startsOn) timer->start();
    }
}

}  // namespace kolt
