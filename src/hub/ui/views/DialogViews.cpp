#include "hub/ui/views/DialogViews.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "hub/ui/views/MainWindowView.h"
#include "hub/ui/views/ViewHelpers.h"

namespace kolt {

FormDialog::FormDialog(FormState& form) : form_(form) {
    resize(toPixels(form.width), toPixels(form.height));
}

void FormDialog::sync() {
    binder_.sync();
    if (windowTitle() != qs(form_.caption)) setWindowTitle(qs(form_.caption));
    const bool wasVisible = isVisible();
    if (isVisible() != form_.visible) setVisible(form_.visible);
    if (!wasVisible && isVisible() && form_.centred && !centred_) {
        centreOnScreen(*this);
        centred_ = true;
    }
}

void FormDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    form_.requestClose();
    sync();
}

void FormDialog::reject() {
    form_.requestClose();
    sync();
}

bool FormDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) form_.activate();
    return QDialog::event(event);
}

namespace {

// A box for a number of three digits.
QLineEdit* narrow(QLineEdit* box) {
    box->setMaximumWidth(50);
    return box;
}

// "OK" (the default button) and "Cancel" at the right, after what comes first.
QHBoxLayout* okCancelRow(FormBinder& binder, Button& ok, Button& cancel, QWidget* first) {
    auto* row = new QHBoxLayout;
    if (first) row->addWidget(first);
    row->addStretch();
    QPushButton* okButton = binder.newButton(ok);
    okButton->setDefault(true);
    row->addWidget(okButton);
    row->addWidget(binder.newButton(cancel));
    return row;
}

}  // namespace

RotorSetupView::RotorSetupView(RotorSetup& m) : FormDialog(m.form) {
    auto* grid = new QGridLayout(this);
    addModelAndPortRows(binder_, *grid, m.cmbModel, {m.lblAzPort, m.cmbAzPort, m.cmdAzOpen},
                        {m.lblElPort, m.cmbElPort, m.cmdElOpen});
    auto* remote = new QGroupBox("Remote Rotator");
    binder_.control(remote, m.fraRemote);
    auto* remoteBox = new QVBoxLayout(remote);
    auto* sites = new QListWidget;
    binder_.list(sites, m.lstRemoteSites);
    remoteBox->addWidget(sites);
    auto* remoteButtons = new QHBoxLayout;
    remoteButtons->addWidget(binder_.newButton(m.cmdConnect));
    remoteButtons->addWidget(binder_.newButton(m.cmdRemoteConfig));
    remoteBox->addLayout(remoteButtons);
    grid->addWidget(remote, 3, 0, 1, 3);
    grid->addWidget(binder_.newList(m.cmbBoardAxes, false), 4, 1);
    grid->addWidget(binder_.newButton(m.cmdConfig), 4, 2);
    grid->addWidget(binder_.newCheck(m.chkOpenPorts), 5, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(binder_.newButton(m.cmdSave));
    buttons->addWidget(binder_.newButton(m.cmdCancel));
    grid->addLayout(buttons, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    sync();
}

MemoryDialogView::MemoryDialogView(MemoryDialog& m) : FormDialog(m.form) {
    setWindowModality(Qt::ApplicationModal);
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    for (int half = 0; half < 2; ++half) {
        grid->addWidget(new QLabel("Memory"), 0, half * 2);
        grid->addWidget(new QLabel("Angle"), 0, half * 2 + 1);
        for (int row = 0; row < 4; ++row) {
            const auto i = static_cast<std::size_t>(half * 4 + row);
            grid->addWidget(binder_.newText(m.txtMemory[i]), row + 1, half * 2);
            grid->addWidget(narrow(binder_.newText(m.txtAngle[i])), row + 1, half * 2 + 1);
        }
    }
    outer->addWidget(frame);
    outer->addLayout(okCancelRow(binder_, m.cmdOK, m.cmdCancel, binder_.newLabel(m.lblHelp)));
    sync();
}

AntennaSetupView::AntennaSetupView(AntennaSetupDialog& m) : FormDialog(m.form) {
    setWindowModality(Qt::ApplicationModal);
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox("Antenna Selection");
    auto* grid = new QGridLayout(frame);
    int column = 1;
    for (const char* heading : {"Name", "Offset", "Bidirectionability", "Limit"})
        grid->addWidget(new QLabel(heading), 0, column++);
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(binder_.newCheck(m.chkAnt[i]), row, 0);
        grid->addWidget(binder_.newText(m.txtName[i]), row, 1);
        grid->addWidget(narrow(binder_.newText(m.txtOffset[i])), row, 2);
        grid->addWidget(binder_.newCheck(m.chkBidirectional[i]), row, 3);
        grid->addWidget(narrow(binder_.newText(m.txtLimit[i])), row, 4);
    }
    outer->addWidget(frame);
    outer->addLayout(okCancelRow(binder_, m.cmdOK, m.cmdCancel, nullptr));
    sync();
}

DigitalAzimuthView::DigitalAzimuthView(DigitalAzimuthWindow& m)
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      model_(m),
      progress_(new QProgressBar) {
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(8, 4, 8, 8);
    box->setSpacing(2);
    QLabel* big = binder_.newLabel(m.lblBig);
    big->setAlignment(Qt::AlignCenter);
    QFont font = big->font();
    font.setPixelSize(40);
    font.setBold(true);
    big->setFont(font);
    box->addWidget(big);
    QLabel* small = binder_.newLabel(m.lblSmall);
    small->setAlignment(Qt::AlignCenter);
    box->addWidget(small);
    progress_->setRange(0, 360);
    progress_->setTextVisible(false);
    box->addWidget(progress_);
    setFixedSize(toPixels(m.form.width), toPixels(m.form.height));
    auto* toggle = new QShortcut(QKeySequence("Ctrl+O"), this);
    connect(toggle, &QShortcut::activated, this, [this] {
        fireEvent(model_.onToggleKey);
        sync();
    });
    sync();
}

void DigitalAzimuthView::sync() {
    binder_.sync();
    if (progress_->value() != model_.progressValue) progress_->setValue(model_.progressValue);
    if (windowTitle() != qs(model_.form.caption)) setWindowTitle(qs(model_.form.caption));
    if (isVisible() != model_.form.visible) setVisible(model_.form.visible);
}

void DigitalAzimuthView::closeEvent(QCloseEvent* event) {
    event->ignore();
    model_.form.requestClose();
    sync();
}

}  // namespace kolt
