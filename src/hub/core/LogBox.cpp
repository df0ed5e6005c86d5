#include "hub/core/LogBox.h"

#include <cstdio>

namespace kolt {

std::string clockText(const LocalDateTime& t) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.hour % 100, t.minute % 100,
                  t.second % 100);
    return buffer;
}

void LogBox::append(std::string_view line, const LocalDateTime& now) {
    if (text_.size() > kLimit) {
        std::size_t cut = text_.size() - kKeep;
        // Never start the kept text inside a multi-byte character.
        while (cut < text_.size() && (static_cast<unsigned char>(text_[cut]) & 0xC0) == 0x80)
            ++cut;
        text_.erase(0, cut);
        ++rewrites_;
    }
    text_ += clockText(now);
    text_ += " -> ";
    text_ += line;
    text_ += "\r\n";
}

void LogBox::clear() {
    text_.clear();
    ++rewrites_;
}

}  // namespace kolt
