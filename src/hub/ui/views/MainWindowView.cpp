#include "hub/ui/views/MainWindowView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kolt {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

void addModelAndPortRows(FormBinder& binder, QGridLayout& grid, ListControl& model,
                         const PortRow& azimuth, const PortRow& elevation) {
    grid.addWidget(new QLabel("Model:"), 0, 0);
    grid.addWidget(binder.newList(model, false), 0, 1, 1, 2);
    int row = 1;
    for (const PortRow* port : {&azimuth, &elevation}) {
        grid.addWidget(binder.newLabel(port->caption), row, 0);
        grid.addWidget(binder.newList(port->list, true), row, 1);
        grid.addWidget(binder.newButton(port->open), row, 2);
        ++row;
    }
}

MainWindowView::MainWindowView(MainWindow& model)
    : model_(model), tabs_(new QTabWidget(this)), monitor_(new QPlainTextEdit(this)) {
    MainWindow& m = model_;
    auto* outer = new QVBoxLayout(this);

    // Rotor
    auto* rotor = new QWidget;
    auto* rotorGrid = new QGridLayout(rotor);
    addModelAndPortRows(binder_, *rotorGrid, m.cmbModel, {m.lblAzPort, m.cmbAzPort, m.cmdAzOpen},
                        {m.lblElPort, m.cmbElPort, m.cmdElOpen});
    rotorGrid->addWidget(binder_.newList(m.cmbBoardAxes, false), 3, 1);
    rotorGrid->addWidget(binder_.newCheck(m.chkOpenPorts), 4, 0, 1, 2);
    rotorGrid->addWidget(binder_.newButton(m.cmdConfig), 4, 2);
    rotorGrid->setRowStretch(5, 1);
    tabs_->addTab(rotor, {});

    // Virtual COM
    auto* vcom = new QWidget;
    auto* vcomGrid = new QGridLayout(vcom);
    vcomGrid->addWidget(new QLabel("Virtual port:"), 0, 0);
    vcomGrid->addWidget(binder_.newList(m.cmbCOM, true), 0, 1);
    vcomGrid->addWidget(binder_.newButton(m.cmdDelete), 0, 2);
    vcomGrid->addWidget(binder_.newCheck(m.chkRunVCOM), 1, 0, 1, 3);
    vcomGrid->setRowStretch(2, 1);
    tabs_->addTab(vcom, {});

    // Emulation
    auto* emulation = new QWidget;
    auto* emulationBox = new QVBoxLayout(emulation);
    for (CheckBox& c : m.chkEmul)
        emulationBox->addWidget(binder_.newCheck(c));
    emulationBox->addStretch();
    tabs_->addTab(emulation, {});

    // IP Setup
    auto* ip = new QWidget;
    auto* ipForm = new QFormLayout(ip);
    ipForm->addRow(binder_.newCheck(m.chkTCPServer));
    ipForm->addRow("TCP Port:", binder_.newText(m.txtTCP));
    for (CheckBox* c : {&m.chkN1MM, &m.chkWT})
        ipForm->addRow(binder_.newCheck(*c));
    tabs_->addTab(ip, {});

    // Loggers
    auto* loggers = new QWidget;
    auto* loggersBox = new QVBoxLayout(loggers);
    loggersBox->addWidget(new QLabel("DXLog, WinTest and DDE links"));
    loggersBox->addStretch();
    tabs_->addTab(loggers, {});

    // Save
    auto* save = new QWidget;
    auto* saveBox = new QVBoxLayout(save);
    saveBox->addWidget(binder_.newCheck(m.chkGraphic));
    saveBox->addWidget(binder_.newButton(m.cmdSave));
    saveBox->addStretch();
    tabs_->addTab(save, {});
    outer->addWidget(tabs_);

    // The preset boxes, their buttons and the position
    auto* presets = new QGridLayout;
    const auto presetRow = [&](int row, const char* caption, TextBox& box, Button& go, Button& stop,
                               Label& position) {
        QLineEdit* text = binder_.newText(box);
        text->setMaximumWidth(60);
        auto* name = new QLabel(caption);
        binder_.control(name, box);  // shown with its box
        presets->addWidget(name, row, 0);
        presets->addWidget(text, row, 1);
        presets->addWidget(binder_.newButton(go), row, 2);
        presets->addWidget(binder_.newButton(stop), row, 3);
        presets->addWidget(binder_.newLabel(position), row, 4);
        return text;
    };
    presetAz_ = presetRow(0, "Azimuth:", m.txtPreAz, m.cmdGoPreAz, m.cmdStopPreAz, m.lblAZ);
    presetRow(1, "Elevation:", m.txtPreEl, m.cmdGoPreEl, m.cmdStopPreEl, m.lblEL);
    presets->addWidget(binder_.newLabel(m.lblAzBusy), 0, 5);
    presets->setColumnStretch(4, 1);
    outer->addLayout(presets);

    monitor_->setReadOnly(true);
    monitor_->setMaximumBlockCount(0);
    monitor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    outer->addWidget(monitor_, 1);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        model_.selectTab(i);
        sync();
    });
    resize(toPixels(model_.form.width), toPixels(model_.form.height));
    sync();
}

void MainWindowView::sync() {
    binder_.sync();
    {
        const QSignalBlocker block(tabs_);
        for (int i = 0; i < MainWindow::kTabCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            tabs_->setTabText(i, qs(model_.tabCaptions[k]));
            tabs_->setTabEnabled(i, model_.tabEnabled[k]);
        }
        if (tabs_->currentIndex() != model_.tabIndex) tabs_->setCurrentIndex(model_.tabIndex);
    }
    mirror_.sync(model_.txtRX, *monitor_);
    const bool wasVisible = isVisible();
    // The operator may size this window freely: only caption and visibility follow.
    if (windowTitle() != qs(model_.form.caption)) setWindowTitle(qs(model_.form.caption));
    if (isVisible() != model_.form.visible) setVisible(model_.form.visible);
    if (!wasVisible && isVisible() && model_.form.centred && !centred_) {
        centreOnScreen(*this);
        centred_ = true;
    }
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    model_.form.requestClose();
    sync();
}

void MainWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The azimuth preset box takes the keyboard, its text selected.
    QTimer::singleShot(0, presetAz_, [box = presetAz_] {
        box->setFocus();
        box->selectAll();
    });
}

}  // namespace kolt
