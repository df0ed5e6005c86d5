#pragma once

#include <utility>

namespace kolt {

// Calls a copy of an event handler, so that the handler may replace or end
// the object that holds it while it runs.
template <typename F, typename... Args>
void fireEvent(const F& handler, Args&&... args) {
    if (!handler) return;
    F copy = handler;
    copy(std::forward<Args>(args)...);
}

}  // namespace kolt
