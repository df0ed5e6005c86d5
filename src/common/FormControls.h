#pragma once

// The state of a form's controls as plain data. Logic reads and writes these;
// a Qt view copies them to its widgets and forwards the user's events to the
// handlers. Headless, only these exist.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Events.h"

namespace kolt {

using Handler = std::function<void()>;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class WindowState { Normal, Minimized, Maximized };

// Geometry in twips, the unit the form layouts are written in.
inline constexpr int kTwipsPerPixel = 15;

// A control's place on its form, in twips.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Control {
    bool enabled = true;
    bool visible = true;
    Rect rect;
    // Only a control the operator can reach reacts to a click.
    bool reachable() const { return enabled && visible; }
};

struct Label : Control {
    std::string caption;
    std::optional<Rgb> foreColour;
};

struct Button : Control {
    std::string caption;
    std::optional<Rgb> backColour;  // empty: the normal button colour
    Handler onClick;
    void click() const {
        if (reachable()) fireEvent(onClick);
    }
};

struct TextBox : Control {
    std::string text;
    std::size_t maxLength = 0;  // 0: no limit
    Handler onEnter;            // the Enter key in the box
    void pressEnter() const {
        if (reachable()) fireEvent(onEnter);
    }
};

// A tick box. Setting its value from code reacts as an operator's click does,
// but only when the value changes.
struct CheckBox : Control {
    std::string caption;
    bool value = false;
    Handler onClick;
    void setValue(bool v) {
        if (v == value) return;
        value = v;
        fireEvent(onClick);
    }
    void click() {
        if (reachable()) setValue(!value);
    }
};

// Drop-down and plain lists: the items, the text shown and the selected index.
struct ListControl : Control {
    std::vector<std::string> items;
    std::string text;
    int listIndex = -1;
    std::optional<Rgb> backColour;
    Handler onClick;  // an item chosen by the operator
    Handler onFocus;  // the list gets the keyboard focus

    void focus() const {
        if (reachable()) fireEvent(onFocus);
    }

    void clear() {
        items.clear();
        text.clear();
        listIndex = -1;
    }
    void addItem(std::string item) { items.push_back(std::move(item)); }
    // The operator picks item i.
    void choose(int i) {
        if (!reachable() || i < 0 || i >= static_cast<int>(items.size())) return;
        listIndex = i;
        text = items[static_cast<std::size_t>(i)];
        fireEvent(onClick);
    }
};

struct MenuItem : Control {
    std::string caption;
    std::string shortcut;  // as Qt's key sequence text, "Ctrl+X"
    bool checkable = false;
    bool checked = false;
    Handler onClick;
    void click() const {
        if (reachable()) fireEvent(onClick);
    }
};

struct FormState {
    // The window's close box: true lets it close (hide); false keeps it.
    std::function<bool()> onCloseRequest;
    bool requestClose() {
        if (onCloseRequest) return onCloseRequest();
        visible = false;
        return true;
    }
    // The window becomes the active one.
    Handler onActivate;
    void activate() const { fireEvent(onActivate); }

    std::string caption;
    bool visible = false;
    bool centred = false;  // shown in the middle of the screen
    bool stayOnTop = false;
    WindowState windowState = WindowState::Normal;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace kolt
