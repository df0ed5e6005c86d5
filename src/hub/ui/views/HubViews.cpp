#include "hub/ui/views/HubViews.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace kolt {

namespace {

// A small compass face for the tray and the windows.
QIcon hubIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 44, 52), 4));
    p.setBrush(QColor(245, 243, 236));
    p.drawEllipse(QPointF(32, 32), 28, 28);
    QPolygonF needle;
    needle << QPointF(32, 8) << QPointF(38, 34) << QPointF(26, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 32, 32));
    p.drawPolygon(needle);
    p.setBrush(QColor(60, 64, 72));
    p.drawEllipse(QPointF(32, 34), 5, 5);
    return QIcon(pixmap);
}

}  // namespace

HubViews::HubViews(HubApplication& hub)
    : hub_(hub),
      antenna_(std::make_unique<AntennaWindowView>(hub.antennaWindow(), hub.antennaControl())),
      main_(std::make_unique<MainWindowView>(hub.mainWindow())),
      rotorSetup_(std::make_unique<RotorSetupView>(hub.rotorSetup())),
      memory_(std::make_unique<MemoryDialogView>(hub.memories().dialog())),
      antennaSetup_(std::make_unique<AntennaSetupView>(hub.antennas().dialog())),
      digital_(std::make_unique<DigitalAzimuthView>(hub.digitalAzimuth())),
      trace_(std::make_unique<TraceWindowView>(hub.trace().window())) {
    const QIcon icon = hubIcon();
    antenna_->setWindowIcon(icon);
    main_->setWindowIcon(icon);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = std::make_unique<QSystemTrayIcon>(icon);
        QObject::connect(tray_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             TrayIcon& model = hub_.trayIcon();
                             if (reason == QSystemTrayIcon::Trigger) {
                                 fireEvent(model.onLeftButton);
                             } else if (reason == QSystemTrayIcon::DoubleClick) {
                                 fireEvent(model.onRestore);
                             }
                             sync();
                         });
    } else {
        // Without a tray the hidden settings window would be out of reach.
        hub.antennaWindow().mnuGeneralSetup.visible = true;
    }
    viewSync_.add([this] { sync(); });
}

HubViews::~HubViews() = default;

void HubViews::sync() {
    antenna_->sync();
    main_->sync();
    rotorSetup_->sync();
    memory_->sync();
    antennaSetup_->sync();
    digital_->sync();
    trace_->sync();
    syncTray();
}

void HubViews::syncTray() {
    if (!tray_) return;
    const TrayIcon& model = hub_.trayIcon();
    if (tray_->toolTip() != qs(model.tip)) tray_->setToolTip(qs(model.tip));
    if (tray_->isVisible() != model.inTray) tray_->setVisible(model.inTray);
}

}  // namespace kolt
