#pragma once

#include "platform/qt/desktop_frame.h"
#include "resources/screen_layout.h"
#include "runtime/activation_order.h"
#include "runtime/picture.h"
#include "runtime/window.h"

#include <QPointer>

namespace tolvane::qt {

class Form;

// A game window on Qt: a Form, driven as the game asks, reporting its
// controls' events and the player's close to the screen that owns it.
class QtWindow final : public runtime::Window {
public:
    // `activation` is the runtime's order of the windows last active.
    QtWindow(const ScreenLayout &layout, runtime::PictureSource &pictures, DesktopFrame &frame,
             runtime::WindowEvents &events, runtime::ActivationOrder<Form> &activation);
    // The form is deleted once the event that led here has been handled.
    ~QtWindow() override;

    void show() override;
    void hide() override;
    bool isVisible() const override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    float width() const override;
    float height() const override;
    void setCaption(runtime::ControlIndex label, std::string_view text) override;
    void setControlVisible(runtime::ControlIndex control, bool visible) override;
    bool controlVisible(runtime::ControlIndex control) const override;
    std::string text(runtime::ControlIndex textBox) const override;
    void setTimerEnabled(runtime::ControlIndex timer, bool enabled) override;

    Form *form() const { return m_form; }

private:
    Form &alive() const;

    QPointer<Form> m_form;
    runtime::ActivationOrder<Form> &m_activation;
};

} // namespace tolvane::qt
