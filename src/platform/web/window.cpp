#include "platform/web/window.h"

#include "platform/web/marked_caption.h"
#include "platform/web/page.h"
#include "platform/web/styles.h"
#include "platform/web/picture.h"
#include "platform/web/runtime.h"
#include "resources/control_rules.h"
#include "resources/picture_scale.h"
#include "runtime/accessibility.h"
#include "runtime/checks.h"
#include "runtime/runtime_error.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace tolvane::web {

namespace {

// The page's CSS pixels are the game's 96-dpi pixels: the browser scales them for its display.
int pixels(double twips) { return pixelsFromTwips(twips); }

// The menu bar's items, as the page numbers them (page.h).
constexpr int quitItem = -1;
constexpr int aboutItem = -2;
constexpr std::pair<int, std::string_view> menuItems[] = {
    {0, gameMenuCaption}, {quitItem, quitItemCaption}, {aboutItem, aboutItemCaption}};

} // namespace

WebWindow::WebWindow(WebRuntime &runtime, int id, const ScreenLayout &layout, runtime::PictureSource &pictures,
                     runtime::WindowEvents &events)
    : m_runtime(runtime), m_id(id), m_layout(layout), m_events(events), m_input(layout)
{
    const std::string caption(layout.caption);
    page_window_create(id, caption.c_str(), pixels(layout.clientWidth), pixels(layout.clientHeight),
                       cssColour(layout.backColour, "ButtonFace").c_str(),
                       pictureFor(pictures, layout.backgroundPicture));
    if (layout.menu.present()) {
        for (const auto &[item, caption] : menuItems) {
            const MarkedCaption marked = markCaption(caption);
            page_menu_item(id, item, marked.before.c_str(), marked.letter.c_str(), marked.after.c_str());
        }
    }
    // The design position, until the game centres the window.
    m_left = pixels(layout.clientLeft);
    m_top = pixels(layout.clientTop);
    page_window_move(id, m_left, m_top);
    buildControls(pictures);
}

WebWindow::~WebWindow()
{
    if (m_visible)
        hide();
    m_runtime.forget(*this);
    page_window_remove(m_id);
}

int WebWindow::containerOf(runtime::ControlIndex control) const
{
    const std::vector<std::size_t> boxes = containersOf(m_layout, control);
    return boxes.empty() ? -1 : int(boxes.front());
}

int WebWindow::pictureFor(runtime::PictureSource &pictures, PictureId id)
{
    if (pictureScaleFor(id, page_device_pixel_ratio()) == 2) {
        if (const int sharp = m_runtime.sharpPicture(id); sharp != WebPicture::none)
            return sharp;
    }
    return WebPicture::handleOf(pictures.picture(id, 1));
}

void WebWindow::buildControls(runtime::PictureSource &pictures)
{
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        const ControlLayout &c = m_layout.controls[i];
        const int id = int(i);
        const int box = containerOf(i);
        const TwipsRect rect = controlRect(c);
        const int left = pixels(rect.left), top = pixels(rect.top);
        const int width = pixels(rect.width), height = pixels(rect.height);
        const std::string font = cssFont(c.font);
        switch (c.kind) {
        case ControlKind::Timer:
            m_runtime.timers().add(this, i, c.interval, emscripten_get_now());
            break;
        case ControlKind::Label:
            page_label(m_id, id, box, left, top, width, height, font.c_str(),
                       cssColour(c.foreColour, "ButtonText").c_str(), c.visible);
            setCaption(i, c.caption);
            break;
        case ControlKind::TextBox:
            page_text_box(m_id, id, box, left, top, width, height, font.c_str(), c.visible);
            describe(i, {});
            break;
        case ControlKind::CommandButton: {
            page_button(m_id, id, box, left, top, width, height, font.c_str(), c.visible);
            setCaption(i, c.caption);
            break;
        }
        case ControlKind::PictureBox:
            page_picture_box(m_id, id, box, left, top, width, height, c.visible, pictureFor(pictures, c.picture));
            describe(i, {});
            break;
        case ControlKind::Image:
            page_image(m_id, id, box, left, top, width, height, c.visible, pictureFor(pictures, c.picture));
            describe(i, {});
            break;
        }
    }
}

void WebWindow::show()
{
    page_window_show(m_id);
    m_visible = true;
    m_runtime.activate(*this);
    apply(m_input.shown());
}

void WebWindow::hide()
{
    page_window_hide(m_id);
    m_visible = false;
    m_runtime.leaving(*this);
}

void WebWindow::takeFocus()
{
    readPage();
    focusOnPage(m_input.focus(), false);
}

void WebWindow::focusOnPage(std::optional<runtime::ControlIndex> control, bool select)
{
    page_focus(m_id, control ? int(*control) : -1, select);
}

void WebWindow::describe(runtime::ControlIndex control, std::string_view caption)
{
    const runtime::AccessibleControl read = runtime::accessibleControl(m_layout, control, caption);
    page_accessible(m_id, int(control), read.name.c_str(), read.shortcut.value_or(std::string()).c_str());
}

void WebWindow::setLeft(float twips)
{
    m_left = runtime::windowPixels(twips);
    page_window_move(m_id, m_left, m_top);
}

void WebWindow::setTop(float twips)
{
    m_top = runtime::windowPixels(twips);
    page_window_move(m_id, m_left, m_top);
}

float WebWindow::width() const { return float(page_window_outer_width(m_id) * twipsPerPixel); }

float WebWindow::height() const { return float(page_window_outer_height(m_id) * twipsPerPixel); }

void WebWindow::setCaption(runtime::ControlIndex control, std::string_view text)
{
    runtime::controlFor(m_layout, control, runtime::ControlProperty::Caption);
    const MarkedCaption caption = markCaption(text);
    page_caption(m_id, int(control), caption.before.c_str(), caption.letter.c_str(), caption.after.c_str());
    if (m_layout.controls[control].kind == ControlKind::CommandButton)
        describe(control, text);
    m_input.setCaption(control, text);
}

void WebWindow::setControlVisible(runtime::ControlIndex index, bool visible)
{
    runtime::controlFor(m_layout, index, runtime::ControlProperty::Visible);
    readPage();
    page_control_visible(m_id, int(index), visible);
    apply(m_input.setVisible(index, visible));
}

bool WebWindow::controlVisible(runtime::ControlIndex index) const
{
    runtime::controlFor(m_layout, index, runtime::ControlProperty::Visible);
    return m_input.visible(index);
}

std::string WebWindow::text(runtime::ControlIndex textBox) const
{
    runtime::controlFor(m_layout, textBox, runtime::ControlProperty::Text);
    return pageText([&](char *buffer, int size) { return page_text(m_id, int(textBox), buffer, size); });
}

void WebWindow::setTimerEnabled(runtime::ControlIndex timer, bool enabled)
{
    runtime::controlFor(m_layout, timer, runtime::ControlProperty::Enabled);
    m_runtime.timers().setEnabled(this, timer, enabled, emscripten_get_now());
}

void WebWindow::readPage()
{
    if (const int focus = page_focused_control(m_id); focus != -2)
        m_input.focusedByDesktop(focus < 0 ? std::nullopt : std::optional<runtime::ControlIndex>(focus));
    m_input.menuByDesktop(page_menu_open(m_id) != 0);
}

void WebWindow::apply(const runtime::InputDecision &decision)
{
    using Action = runtime::InputDecision::Action;
    if (decision.moveFocus)
        focusOnPage(decision.focus, decision.selectAll);
    switch (decision.action) {
    case Action::Click:
        m_events.controlEvent(m_layout.controls[decision.control].name, "Click");
        break;
    case Action::ChooseQuit:
    case Action::ChooseAbout:
        page_menu(m_id, 0);
        m_events.controlEvent(decision.action == Action::ChooseQuit ? m_layout.menu.quit : m_layout.menu.about, "Click");
        break;
    case Action::OpenMenu:
    case Action::CloseMenu:
        page_menu(m_id, decision.action == Action::OpenMenu);
        break;
    case Action::CloseByPlayer:
        closedByPlayer();
        break;
    default: // a text box has typed the key already, or nothing happens
        break;
    }
}

void WebWindow::clicked(int index)
{
    if (index == quitItem)
        m_events.controlEvent(m_layout.menu.quit, "Click");
    else if (index == aboutItem)
        m_events.controlEvent(m_layout.menu.about, "Click");
    else if (index >= 0 && std::size_t(index) < m_layout.controls.size()) {
        readPage();
        apply(m_input.click(std::size_t(index)));
    }
}

void WebWindow::key(const runtime::KeyPress &press)
{
    readPage();
    apply(m_input.key(press));
}

void WebWindow::closedByPlayer() { runtime::closeAsPlayer(*this, m_layout, m_events); }

void WebWindow::timerTicked(runtime::ControlIndex timer) { m_events.controlEvent(m_layout.controls[timer].name, "Timer"); }

} // namespace tolvane::web
