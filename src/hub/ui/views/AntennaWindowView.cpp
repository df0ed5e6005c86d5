#include "hub/ui/views/AntennaWindowView.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindowStateChangeEvent>

#include "hub/ui/views/ViewHelpers.h"

namespace kolt {

namespace {
// The layout's heights count the title bar, as the window's outer height
// does; Qt sizes the window without it.
constexpr int kTitleBarTwips = 300;

QSize clientSize(const FormState& f) {
    return QSize(toPixels(f.width), toPixels(f.height - kTitleBarTwips));
}
}  // namespace

AntennaWindowView::AntennaWindowView(AntennaWindow& model, AntennaWindowControl& control)
    : model_(model), control_(control) {
    auto* central = new QWidget(this);
    central->setObjectName("antennaFace");
    central->setAutoFillBackground(true);
    setCentralWidget(central);
    azimuth_ = new DialView(model_.AG_Az, central);
    elevation_ = new DialView(model_.AG_EL, central);
    for (Button* b : {&model_.cmdPresetAz, &model_.CmdStopAz, &model_.cmdPresetEl,
                      &model_.CmdStopEl, &model_.cmdGo, &model_.CmdStop, &model_.cmdAntA_B}) {
        addButton(central, *b);
    }
    for (Button& b : model_.CmdMemo)
        addButton(central, b);
    preset_ = new QLineEdit(central);
    preset_->setAlignment(Qt::AlignCenter);
    binder_.text(preset_, model_.txtPreset, true);
    buildMenus();
    // The menus' shortcuts (Ctrl+A, Ctrl+X…) win over the box's own editing keys.
    preset_->installEventFilter(this);
    setMinimumSize(60, 40);
    sync();
}

QPushButton* AntennaWindowView::addButton(QWidget* parent, Button& model) {
    auto* b = new QPushButton(parent);
    b->setFocusPolicy(Qt::NoFocus);
    binder_.button(b, model, true);
    buttons_.emplace_back(&model, b);
    return b;
}

QAction* AntennaWindowView::add(QMenu* menu, MenuItem& item) {
    QAction* a = menu ? menu->addAction(qs(item.caption)) : menuBar()->addAction(qs(item.caption));
    binder_.action(a, item);
    actions_.emplace_back(&item, a);
    return a;
}

QMenu* AntennaWindowView::submenu(QMenu* parent, MenuItem& item) {
    QMenu* m = parent ? parent->addMenu(qs(item.caption)) : menuBar()->addMenu(qs(item.caption));
    QAction* a = m->menuAction();
    actions_.emplace_back(&item, a);
    // A submenu has no handler of its own; its caption, state and visibility follow.
    binder_.action(a, item);
    return m;
}

QAction* AntennaWindowView::separator(QMenu* menu, MenuItem& item) {
    QAction* a = menu->addSeparator();
    actions_.emplace_back(&item, a);
    // Separators follow only the visibility of their model.
    binder_.action(a, item);
    return a;
}

void AntennaWindowView::buildMenus() {
    AntennaWindow& m = model_;
    QMenu* program = submenu(nullptr, m.mnuProgram);
    for (MenuItem* item : {&m.mnuGeneralSetup, &m.mnuRotorSetup, &m.mnuAntennaSetup,
                           &m.mnuVirtualPort, &m.mnuTcpIp, &m.mnuDdeNova, &m.mnuWinTestSetup}) {
        add(program, *item);
    }
    separator(program, m.mnuMapSeparator);
    add(program, m.mnuMapaAz);
    QMenu* maps = submenu(program, m.mnuMap0);
    for (MenuItem& item : m.MnuMap)
        add(maps, item);
    QMenu* graphics = submenu(program, m.mnugraphics);
    add(graphics, m.mnuGraficoAz);
    add(graphics, m.mnuGraficoEl);
    QMenu* parking = submenu(program, m.mnuParking);
    add(parking, m.mnuParkAz);
    add(parking, m.mnuParkEl);
    add(parking, m.mnuAutoParking);
    QMenu* config = submenu(parking, m.mnuParkConfig);
    add(config, m.mnuSetParking);
    add(config, m.mnuSetParkingEl);
    submenu(program, m.mnuLanguage);
    add(program, m.mnuHide);
    separator(program, m.mnuAntSeparator);
    for (MenuItem& item : m.mnuAnt)
        add(program, item);
    separator(program, m.mnuExitSeparator);
    add(program, m.mnuExit);

    QMenu* remote = submenu(nullptr, m.mnuRemote);
    QMenu* connect = submenu(remote, m.mnuConnect);
    for (MenuItem& item : m.mnuRemotoIP)
        add(connect, item);
    add(remote, m.mnuDisconnect);
    add(remote, m.mnuDirectory);

    QMenu* memory = submenu(nullptr, m.mnuMemory);
    for (MenuItem& item : m.mnuMemo)
        add(memory, item);
    add(memory, m.mnuEdit);

    for (MenuItem* item : {&m.mnuStepLeft15, &m.mnuStepLeft5, &m.mnuStepRight5, &m.mnuStepRight15})
        add(nullptr, *item);

    QMenu* options = submenu(nullptr, m.mnuOptions);
    for (MenuItem* item :
         {&m.mnuDefaultSize, &m.mnuDebugDde, &m.mnuShowAz, &m.mnuOnlyAzimuth, &m.mnuAlwaysActive}) {
        add(options, *item);
    }
    QMenu* focus = submenu(options, m.mnuAutoFocus);
    add(focus, m.mnuFocusDxLog);
    add(focus, m.mnuFocusWinTest);
    add(options, m.mnuWinTestMessages);
    separator(options, m.mnuWinTestSeparator);
    add(options, m.mnuButton);
    separator(options, m.mnuButtonSeparator);
}

QAction* AntennaWindowView::action(const MenuItem& item) const {
    for (const auto& [m, a] : actions_) {
        if (m == &item) return a;
    }
    return nullptr;
}

QPushButton* AntennaWindowView::button(const Button& model) const {
    for (const auto& [m, b] : buttons_) {
        if (m == &model) return b;
    }
    return nullptr;
}

void AntennaWindowView::applyStayOnTop() {
    if (stayOnTop_ == model_.form.stayOnTop) return;
    stayOnTop_ = model_.form.stayOnTop;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop_);
    if (shown) show();  // changing the flags hides the window
}

void AntennaWindowView::sync() {
    syncing_ = true;
    const FormState& f = model_.form;
    if (windowTitle() != qs(f.caption)) setWindowTitle(qs(f.caption));
    applyStayOnTop();
    if (f.windowState == WindowState::Minimized && !isMinimized()) {
        showMinimized();
    } else if (f.windowState == WindowState::Normal && isMinimized()) {
        showNormal();
    }
    if (!isMinimized()) {
        const QSize size = clientSize(f);
        if (f.width > 0 && f.height > kTitleBarTwips && this->size() != size) resize(size);
    }
    if (!placed_ && (f.left > 0 || f.top > 0)) move(toPixels(f.left), toPixels(f.top));
    placed_ = true;
    binder_.sync();
    syncControl(*azimuth_, model_.AG_Az, true);
    syncControl(*elevation_, model_.AG_EL, true);
    azimuth_->sync();
    elevation_->sync();
    if (isVisible() != f.visible) setVisible(f.visible);
    syncing_ = false;
}

void AntennaWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Sizes that the sync itself sets are not taken as the operator's, nor is
    // the model's own size coming back later from the window system: twips
    // rounded to pixels would otherwise creep the window smaller.
    if (syncing_ || isMinimized()) return;
    const FormState& f = model_.form;
    if (size() == clientSize(f)) return;
    control_.resized(toTwips(width()), toTwips(height()) + kTitleBarTwips);
    sync();
}

void AntennaWindowView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (syncing_ || isMinimized() || isMaximized()) return;
    model_.form.left = toTwips(x());
    model_.form.top = toTwips(y());
}

void AntennaWindowView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || syncing_) return;
    model_.form.windowState = isMinimized()   ? WindowState::Minimized
                              : isMaximized() ? WindowState::Maximized
                                              : WindowState::Normal;
}

bool AntennaWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == preset_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const auto& [item, action] : actions_) {
            if (action->isVisible() && action->isEnabled() && !action->shortcut().isEmpty() &&
                action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
                return true;  // left unaccepted: the menu's shortcut takes the key
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void AntennaWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    model_.form.requestClose();
    sync();
}

}  // namespace kolt
