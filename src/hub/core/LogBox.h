#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/FormControls.h"
#include "platform/EventLoop.h"

namespace kolt {

// A multi-line text box that lines are appended to: the main window's monitor
// box and the trace window's box. It keeps its newest text only, so a long
// run never fills memory with it.
struct LogBox : Control {
    static constexpr std::size_t kLimit = 60000;  // more than this is cut ...
    static constexpr std::size_t kKeep = 50000;   // ... to its newest characters

    // "HH:MM:SS -> " line CR LF at the end, after cutting the old text.
    void append(std::string_view line, const LocalDateTime& now);
    void clear();

    const std::string& text() const { return text_; }
    // Counts the cuts and clears, so a view can tell an append from a rewrite.
    std::uint64_t rewrites() const { return rewrites_; }

  private:
    std::string text_;
    std::uint64_t rewrites_ = 0;
};

// "HH:MM:SS", 24-hour.
std::string clockText(const LocalDateTime& t);

}  // namespace kolt
