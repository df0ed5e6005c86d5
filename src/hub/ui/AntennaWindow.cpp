#include "hub/ui/AntennaWindow.h"

namespace kolt {

AntennaWindow::AntennaWindow() {
    form.caption = "Antenna";
    // The default size, in twips.
    form.width = 3675;
    form.height = 2460;
    mnuExit.caption = "Exit";
    mnuExit.shortcut = "Ctrl+X";
}

}  // namespace kolt
