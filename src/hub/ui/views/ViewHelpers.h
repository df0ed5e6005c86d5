#pragma once

#include <QAction>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

#include "common/FormControls.h"

namespace kolt {

inline QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

inline int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}
inline int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Copies a menu item's state to its action; the action's signals stay quiet.
void syncAction(QAction& action, const MenuItem& item);

// A window's caption, size and visibility from its form state.
void syncWindow(QWidget& window, const FormState& form);

// Appends only what a log box gained since the last call; rewrites the view
// after a cut or a clear.
class LogBoxMirror {
  public:
    template <typename Box, typename Edit>
    void sync(const Box& box, Edit& edit);

  private:
    std::size_t shown_ = 0;
    std::uint64_t rewrites_ = ~0ULL;
};

template <typename Box, typename Edit>
void LogBoxMirror::sync(const Box& box, Edit& edit) {
    const std::string& text = box.text();
    if (box.rewrites() == rewrites_ && text.size() == shown_) return;
    QString added;
    if (box.rewrites() == rewrites_ && text.size() > shown_) {
        added = qs(text.substr(shown_));
    } else {
        edit.clear();
        added = qs(text);
    }
    added.remove(QLatin1Char('\r'));
    if (added.endsWith(QLatin1Char('\n'))) added.chop(1);
    if (!added.isEmpty()) edit.appendPlainText(added);
    shown_ = text.size();
    rewrites_ = box.rewrites();
}

}  // namespace kolt
