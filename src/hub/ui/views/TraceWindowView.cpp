#include "hub/ui/views/TraceWindowView.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>

namespace kolt {

TraceWindowView::TraceWindowView(TraceWindow& model)
    : model_(model), box_(new QPlainTextEdit(this)) {
    box_->setReadOnly(true);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setMaximumBlockCount(0);
    // Traffic lines read best in columns.
    box_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(box_);
    for (MenuItem* item : {&model_.mnuExit, &model_.mnuClear, &model_.mnuStart, &model_.mnuStop}) {
        addMenuAction(*item);
    }
    sync();
}

QAction* TraceWindowView::addMenuAction(MenuItem& item) {
    QAction* a = menuBar()->addAction(qs(item.caption));
    connect(a, &QAction::triggered, this, [this, &item] {
        item.click();
        sync();
    });
    actions_.emplace_back(&item, a);
    return a;
}

QAction* TraceWindowView::action(const MenuItem& item) const {
    for (const auto& [m, a] : actions_) {
        if (m == &item) return a;
    }
    return nullptr;
}

void TraceWindowView::sync() {
    syncing_ = true;
    for (const auto& [m, a] : actions_)
        syncAction(*a, *m);
    syncWindow(*this, model_.form);
    mirror_.sync(model_.txtRX, *box_);
    syncing_ = false;
}

void TraceWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (syncing_ || isMinimized()) return;
    model_.form.windowState = isMaximized() ? WindowState::Maximized : WindowState::Normal;
    model_.resized(toTwips(event->size().width()), toTwips(event->size().height()));
    sync();
}

void TraceWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    model_.form.requestClose();
    sync();
}

}  // namespace kolt
