#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "common/FormControls.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace kolt {

// Ties widgets to their control models: the widgets' signals call the
// models' handlers, and sync() copies every model into its widget.
class FormBinder {
  public:
    // With placed, the widget takes the control's rectangle (twips) too.
    void button(QPushButton* widget, Button& model, bool placed = false);
    void text(QLineEdit* widget, TextBox& model, bool placed = false);
    void list(QComboBox* widget, ListControl& model);
    void list(QListWidget* widget, ListControl& model);
    void check(QCheckBox* widget, CheckBox& model);
    void label(QLabel* widget, Label& model);
    void control(QWidget* widget, const Control& model, bool placed = false);
    void action(QAction* action, MenuItem& model);

    // New widgets bound to their models, for forms laid out by Qt's layouts.
    QPushButton* newButton(Button& model);
    QLineEdit* newText(TextBox& model);
    QComboBox* newList(ListControl& model, bool editable);
    QCheckBox* newCheck(CheckBox& model);
    QLabel* newLabel(Label& model);

    void sync();

  private:
    std::vector<std::function<void()>> syncs_;
};

// The control's visibility, enabled state and, when placed, its rectangle.
void syncControl(QWidget& widget, const Control& model, bool placed);

}  // namespace kolt
