#pragma once

#include <QWidget>

#include "hub/core/MainWindow.h"
#include "hub/ui/views/FormBinder.h"
#include "hub/ui/views/ViewHelpers.h"

class QGridLayout;
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

// The model list and the two port rows (caption, list, "open" button) that the
// rotor tab and the rotor setup dialog both have, in rows 0 to 2 of a grid.
struct PortRow {
    Label& caption;
    ListControl& list;
    Button& open;
};
void addModelAndPortRows(FormBinder& binder, QGridLayout& grid, ListControl& model,
                         const PortRow& azimuth, const PortRow& elevation);

}  // namespace kolt
