#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace kolt {

// Brings every view up to date with its model whenever the event loop is
// about to wait, so the logic never has to tell a view that something changed.
class ViewSync : public QObject {
  public:
    ViewSync();
    void add(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }
    void syncNow();

  private:
    std::vector<std::function<void()>> syncs_;
    bool syncing_ = false;
};

}  // namespace kolt
