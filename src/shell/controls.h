#pragma once

// The controls of a loaded screen, as its handlers use them: each is found
// by name on its screen (letter case ignored) and is one kind of control.
// Every operation goes to the screen's window, which must still be there.

#include "runtime/window.h"

#include <string>
#include <string_view>

namespace tolvane {

class Screen;

namespace control {

class Control {
public:
    Control(const Screen &screen, runtime::ControlIndex index) : m_screen(screen), m_index(index) {}

protected:
    runtime::Window &window() const;
    runtime::ControlIndex index() const { return m_index; }

private:
    const Screen &m_screen;
    runtime::ControlIndex m_index;
};

class Label : public Control {
public:
    using Control::Control;
    void setCaption(std::string_view caption);
    void setVisible(bool visible);
};

class TextBox : public Control {
public:
    using Control::Control;
    std::string text() const;
};

class Timer : public Control {
public:
    using Control::Control;
    void setEnabled(bool enabled);
};

class PictureBox : public Control {
public:
    using Control::Control;
    bool visible() const;
};

class Image : public Control {
public:
    using Control::Control;
    void setVisible(bool visible);
};

} // namespace control
} // namespace tolvane
