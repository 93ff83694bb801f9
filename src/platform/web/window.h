#pragma once

// A game window on the page: built from its layout by windows.js and controls.js, out of view
// until shown, its timers counting from its creation.

#include "resources/screen_layout.h"
#include "runtime/input_rules.h"
#include "runtime/picture.h"
#include "runtime/window.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tolvane::web {

class WebRuntime;

class WebWindow final : public runtime::Window {
public:
    WebWindow(WebRuntime &runtime, int id, const ScreenLayout &layout, runtime::PictureSource &pictures,
              runtime::WindowEvents &events);
    ~WebWindow() override;

    void show() override;
    void hide() override;
    bool isVisible() const override { return m_visible; }
    void setLeft(float twips) override;
    void setTop(float twips) override;
    float width() const override;
    float height() const override;
    void setCaption(runtime::ControlIndex control, std::string_view text) override;
    void setControlVisible(runtime::ControlIndex control, bool visible) override;
    bool controlVisible(runtime::ControlIndex control) const override;
    std::string text(runtime::ControlIndex textBox) const override;
    void setTimerEnabled(runtime::ControlIndex timer, bool enabled) override;

    int id() const { return m_id; }
    const ScreenLayout &layout() const { return m_layout; }
    // The focus back where it was when the window was last active (the
    // runtime made it active, or a box over it closed).
    void takeFocus();

    // What the message loop hands the window. Each may end in its destruction.
    void clicked(int control); // a control's index, or a menu command (page.h)
    void key(const runtime::KeyPress &press);
    void closedByPlayer();
    void timerTicked(runtime::ControlIndex timer);

private:
    void buildControls(runtime::PictureSource &pictures);
    // The page's focus, where it is in this window, and its menu, as the
    // player may have left them with the mouse.
    void readPage();
    void focusOnPage(std::optional<runtime::ControlIndex> control, bool select);
    // What a screen reader is told of the control.
    void describe(runtime::ControlIndex control, std::string_view caption);
    void apply(const runtime::InputDecision &decision);
    int containerOf(runtime::ControlIndex control) const; // -1: the client area
    // The page's number of a picture for the screen's density: from 1.5
    // device pixels a CSS pixel, the 2x file, at the 1x picture's CSS size.
    int pictureFor(runtime::PictureSource &pictures, PictureId id);

    WebRuntime &m_runtime;
    int m_id;
    const ScreenLayout &m_layout;
    runtime::WindowEvents &m_events;
    runtime::WindowInput m_input;
    bool m_visible = false;
    int m_left = 0; // CSS pixels
    int m_top = 0;
};

} // namespace tolvane::web
