#pragma once

#include <QMainWindow>

#include "hub/core/TraceWindow.h"
#include "hub/ui/views/ViewHelpers.h"

class QPlainTextEdit;
class QAction;

namespace kolt {

// The trace window on screen: draws its model and forwards the menu, resizes
// and the close box to it.
class TraceWindowView : public QMainWindow {
  public:
    explicit TraceWindowView(TraceWindow& model);

    void sync();

    QPlainTextEdit* box() const { return box_; }
    QAction* action(const MenuItem& item) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* addMenuAction(MenuItem& item);

    TraceWindow& model_;
    QPlainTextEdit* box_;
    std::vector<std::pair<const MenuItem*, QAction*>> actions_;
    LogBoxMirror mirror_;
    bool syncing_ = false;
};

}  // namespace kolt
