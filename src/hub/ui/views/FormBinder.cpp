#include "hub/ui/views/FormBinder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "hub/ui/views/ViewHelpers.h"

namespace kolt {

namespace {

QString colourStyle(const std::optional<Rgb>& c) {
    if (!c) return {};
    return QStringLiteral("background-color: rgb(%1, %2, %3);").arg(c->r).arg(c->g).arg(c->b);
}

QStringList itemsOf(const ListControl& m) {
    QStringList out;
    for (const std::string& s : m.items)
        out << qs(s);
    return out;
}

// Calls a handler when the widget gets the keyboard focus.
class FocusWatch : public QObject {
  public:
    FocusWatch(QObject* parent, std::function<void()> onFocus)
        : QObject(parent), onFocus_(std::move(onFocus)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) onFocus_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onFocus_;
};

}  // namespace

void syncControl(QWidget& w, const Control& m, bool placed) {
    if (placed) {
        const QRect r(toPixels(m.rect.left), toPixels(m.rect.top), toPixels(m.rect.width),
                      toPixels(m.rect.height));
        if (w.geometry() != r) w.setGeometry(r);
    }
    if (w.isEnabled() != m.enabled) w.setEnabled(m.enabled);
    // A child of a hidden window reports itself hidden; compare what was asked.
    if (w.isHidden() == m.visible) w.setVisible(m.visible);
}

void FormBinder::button(QPushButton* w, Button& m, bool placed) {
    QObject::connect(w, &QPushButton::clicked, w, [&m] { m.click(); });
    syncs_.push_back([w, &m, placed] {
        syncControl(*w, m, placed);
        if (w->text() != qs(m.caption)) w->setText(qs(m.caption));
        const QString style = colourStyle(m.backColour);
        if (w->styleSheet() != style) w->setStyleSheet(style);
    });
}

void FormBinder::text(QLineEdit* w, TextBox& m, bool placed) {
    QObject::connect(w, &QLineEdit::textEdited, w,
                     [&m](const QString& t) { m.text = t.toStdString(); });
    QObject::connect(w, &QLineEdit::returnPressed, w, [w, &m] {
        m.text = w->text().toStdString();
        m.pressEnter();
    });
    syncs_.push_back([w, &m, placed] {
        syncControl(*w, m, placed);
        const int max = m.maxLength > 0 ? static_cast<int>(m.maxLength) : 32767;
        if (w->maxLength() != max) w->setMaxLength(max);
        if (w->text() != qs(m.text)) {
            const QSignalBlocker block(w);
            w->setText(qs(m.text));
        }
    });
}

void FormBinder::list(QComboBox* w, ListControl& m) {
    QObject::connect(w, &QComboBox::activated, w, [&m](int i) { m.choose(i); });
    if (w->isEditable()) {
        QObject::connect(w, &QComboBox::editTextChanged, w,
                         [&m](const QString& t) { m.text = t.toStdString(); });
    }
    w->installEventFilter(new FocusWatch(w, [&m] { m.focus(); }));
    syncs_.push_back([w, &m] {
        syncControl(*w, m, false);
        const QSignalBlocker block(w);
        const QStringList items = itemsOf(m);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->itemText(i);
        if (shown != items) {
            w->clear();
            w->addItems(items);
        }
        if (w->currentIndex() != m.listIndex) w->setCurrentIndex(m.listIndex);
        if (w->isEditable() && w->currentText() != qs(m.text)) w->setEditText(qs(m.text));
        if (m.backColour) {
            w->setStyleSheet(colourStyle(m.backColour));
        } else if (!w->styleSheet().isEmpty()) {
            w->setStyleSheet({});
        }
    });
}

void FormBinder::list(QListWidget* w, ListControl& m) {
    QObject::connect(w, &QListWidget::currentRowChanged, w, [&m](int i) { m.choose(i); });
    syncs_.push_back([w, &m] {
        syncControl(*w, m, false);
        const QSignalBlocker block(w);
        const QStringList items = itemsOf(m);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->item(i)->text();
        if (shown != items) {
            w->clear();
            w->addItems(items);
        }
        if (w->currentRow() != m.listIndex) w->setCurrentRow(m.listIndex);
    });
}

void FormBinder::check(QCheckBox* w, CheckBox& m) {
    QObject::connect(w, &QCheckBox::clicked, w, [&m] { m.click(); });
    syncs_.push_back([w, &m] {
        syncControl(*w, m, false);
        if (w->text() != qs(m.caption)) w->setText(qs(m.caption));
        if (w->isChecked() != m.value) {
            const QSignalBlocker block(w);
            w->setChecked(m.value);
        }
    });
}

void FormBinder::label(QLabel* w, Label& m) {
    syncs_.push_back([w, &m] {
        syncControl(*w, m, false);
        if (w->text() != qs(m.caption)) w->setText(qs(m.caption));
        const QString style = m.foreColour ? QStringLiteral("color: rgb(%1, %2, %3);")
                                                 .arg(m.foreColour->r)
                                                 .arg(m.foreColour->g)
                                                 .arg(m.foreColour->b)
                                           : QString();
        if (w->styleSheet() != style) w->setStyleSheet(style);
    });
}

void FormBinder::control(QWidget* w, const Control& m, bool placed) {
    syncs_.push_back([w, &m, placed] { syncControl(*w, m, placed); });
}

void FormBinder::action(QAction* a, MenuItem& m) {
    a->setCheckable(m.checkable);
    QObject::connect(a, &QAction::triggered, a, [&m] { m.click(); });
    syncs_.push_back([a, &m] { syncAction(*a, m); });
}

QPushButton* FormBinder::newButton(Button& model) {
    auto* w = new QPushButton;
    button(w, model);
    return w;
}

QLineEdit* FormBinder::newText(TextBox& model) {
    auto* w = new QLineEdit;
    text(w, model);
    return w;
}

QComboBox* FormBinder::newList(ListControl& model, bool editable) {
    auto* w = new QComboBox;
    w->setEditable(editable);
    list(w, model);
    return w;
}

QCheckBox* FormBinder::newCheck(CheckBox& model) {
    auto* w = new QCheckBox;
    check(w, model);
    return w;
}

QLabel* FormBinder::newLabel(Label& model) {
    auto* w = new QLabel;
    label(w, model);
    return w;
}

void FormBinder::sync() {
    for (auto& s : syncs_)
        s();
}

}  // namespace kolt
