#pragma once

#include <QAction>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

#include "common/FormControls.h"
#include "hub/core/LogBox.h"

class QPlainTextEdit;

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
    void sync(const LogBox& box, QPlainTextEdit& edit);

  private:
    std::size_t shown_ = 0;
    std::uint64_t rewrites_ = ~0ULL;
};

}  // namespace kolt
