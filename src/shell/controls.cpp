#include "shell/controls.h"

#include "shell/screen.h"

namespace tolvane::control {

runtime::Window &Control::window() const { return m_screen.window(); }

void Label::setCaption(std::string_view caption) { window().setCaption(index(), caption); }
void Label::setVisible(bool visible) { window().setControlVisible(index(), visible); }

std::string TextBox::text() const { return window().text(index()); }

void Timer::setEnabled(bool enabled) { window().setTimerEnabled(index(), enabled); }

bool PictureBox::visible() const { return window().controlVisible(index()); }

void Image::setVisible(bool visible) { window().setControlVisible(index(), visible); }

} // namespace tolvane::control
