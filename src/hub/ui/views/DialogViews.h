#pragma once

#include <QDialog>
#include <QWidget>

#include "hub/controller/RotorSetup.h"
#include "hub/ui/AntennaSelection.h"
#include "hub/ui/AntennaWindow.h"
#include "hub/ui/Memories.h"
#include "hub/ui/views/FormBinder.h"

class QLabel;
class QProgressBar;

namespace kolt {

// What the dialogs on screen share: caption, visibility, centring, the close
// box and activation go through the form's model.
class FormDialog : public QDialog {
  public:
    explicit FormDialog(FormState& form);
    void sync();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    // Escape: as the close box, through the model.
    void reject() override;
    FormBinder binder_;

  private:
    FormState& form_;
    bool centred_ = false;
};

class RotorSetupView : public FormDialog {
  public:
    explicit RotorSetupView(RotorSetup& model);
};

class MemoryDialogView : public FormDialog {
  public:
    explicit MemoryDialogView(MemoryDialog& model);
};

class AntennaSetupView : public FormDialog {
  public:
    explicit AntennaSetupView(AntennaSetupDialog& model);
};

// The azimuth in large digits, in a small window of its own.
class DigitalAzimuthView : public QWidget {
  public:
    explicit DigitalAzimuthView(DigitalAzimuthWindow& model);
    void sync();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    DigitalAzimuthWindow& model_;
    FormBinder binder_;
    QProgressBar* progress_;
};

}  // namespace kolt
