#pragma once

#include <QMainWindow>
#include <array>

#include "hub/ui/AntennaWindow.h"
#include "hub/ui/AntennaWindowControl.h"
#include "hub/ui/views/DialView.h"
#include "hub/ui/views/FormBinder.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kolt {

// The antenna window on screen: its two dials, buttons and menus, laid out
// as the model says; resizes, moves, minimising and the close box go back to it.
class AntennaWindowView : public QMainWindow {
  public:
    AntennaWindowView(AntennaWindow& model, AntennaWindowControl& control);

    void sync();

    DialView* azimuthDial() const { return azimuth_; }
    DialView* elevationDial() const { return elevation_; }
    // The action or submenu of a menu item, for tests and the screenshots.
    QAction* action(const MenuItem& item) const;
    QPushButton* button(const Button& model) const;
    QLineEdit* presetBox() const { return preset_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* add(QMenu* menu, MenuItem& item);
    QMenu* submenu(QMenu* parent, MenuItem& item);
    QAction* separator(QMenu* menu, MenuItem& item);
    void buildMenus();
    QPushButton* addButton(QWidget* parent, Button& model);
    void applyStayOnTop();

    AntennaWindow& model_;
    AntennaWindowControl& control_;
    FormBinder binder_;
    DialView* azimuth_;
    DialView* elevation_;
    QLineEdit* preset_ = nullptr;
    std::vector<std::pair<const MenuItem*, QAction*>> actions_;
    std::vector<std::pair<const Button*, QPushButton*>> buttons_;
    bool syncing_ = false;
    bool stayOnTop_ = false;
    bool placed_ = false;
};

}  // namespace kolt
