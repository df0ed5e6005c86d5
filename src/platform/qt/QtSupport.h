#pragma once

#include <QObject>
#include <memory>

#include "common/Events.h"

namespace kolt {

// Qt objects that deliver events are released with deleteLater and silenced
// first: a handler may end the object whose event it is handling.
struct DeleteLater {
    void operator()(QObject* object) const {
        if (!object) return;
        QObject::disconnect(object, nullptr, nullptr, nullptr);
        object->deleteLater();
    }
};

template <typename T>
using QtOwned = std::unique_ptr<T, DeleteLater>;

// Tells a loop that ran a handler whether its object still exists.
class AliveToken {
  public:
    ~AliveToken() { *alive_ = false; }
    std::shared_ptr<const bool> watch() const { return alive_; }

  private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kolt
