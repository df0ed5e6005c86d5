#include "hub/ui/views/ViewSync.h"

#include <QAbstractEventDispatcher>
#include <QThread>

namespace kolt {

ViewSync::ViewSync() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread())) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { syncNow(); });
    }
}

void ViewSync::syncNow() {
    if (syncing_) return;
    syncing_ = true;
    for (auto& s : syncs_)
        s();
    syncing_ = false;
}

}  // namespace kolt
