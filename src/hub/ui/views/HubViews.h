#pragma once

#include <QObject>
#include <memory>

#include "hub/core/HubApplication.h"
#include "hub/ui/views/AntennaWindowView.h"
#include "hub/ui/views/DialogViews.h"
#include "hub/ui/views/MainWindowView.h"
#include "hub/ui/views/TraceWindowView.h"
#include "hub/ui/views/ViewSync.h"

class QSystemTrayIcon;

namespace kolt {

// Every window of the hub on screen, and the tray icon, kept up to date
// with their models whenever the event loop is about to wait.
class HubViews {
  public:
    explicit HubViews(HubApplication& hub);
    ~HubViews();
    HubViews(const HubViews&) = delete;
    HubViews& operator=(const HubViews&) = delete;

    void sync();

    AntennaWindowView& antenna() { return *antenna_; }
    MainWindowView& main() { return *main_; }
    RotorSetupView& rotorSetup() { return *rotorSetup_; }
    MemoryDialogView& memoryDialog() { return *memory_; }
    AntennaSetupView& antennaSetup() { return *antennaSetup_; }
    DigitalAzimuthView& digitalAzimuth() { return *digital_; }
    TraceWindowView& trace() { return *trace_; }

  private:
    void syncTray();

    HubApplication& hub_;
    std::unique_ptr<AntennaWindowView> antenna_;
    std::unique_ptr<MainWindowView> main_;
    std::unique_ptr<RotorSetupView> rotorSetup_;
    std::unique_ptr<MemoryDialogView> memory_;
    std::unique_ptr<AntennaSetupView> antennaSetup_;
    std::unique_ptr<DigitalAzimuthView> digital_;
    std::unique_ptr<TraceWindowView> trace_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    ViewSync viewSync_;
};

}  // namespace kolt
