#pragma once

#include <QWidget>

#include "hub/core/MainWindow.h"
#include "hub/ui/views/FormBinder.h"
#include "hub/ui/views/ViewHelpers.h"

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace kolt {

// The settings window ("KOLT-Virtual COM") on screen: its tabs, the preset
// boxes through which the hub is pointed, and the monitor box.
class MainWindowView : public QWidget {
  public:
    explicit MainWindowView(MainWindow& model);

    void sync();

    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* azimuthPresetBox() const { return presetAz_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    MainWindow& model_;
    FormBinder binder_;
    QTabWidget* tabs_;
    QLineEdit* presetAz_ = nullptr;
    QPlainTextEdit* monitor_;
    LogBoxMirror mirror_;
    bool centred_ = false;
};

// Puts a window in the middle of its screen once, when its form asks for it.
void centreOnScreen(QWidget& window);

}  // namespace kolt
