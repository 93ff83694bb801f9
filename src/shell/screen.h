#pragma once

// One registry slot's screen: its window's lifecycle and the delivery of its
// controls' events to its handlers.
//
//   created, not loaded --Show--> loading --load handler returns--> loaded
//   loaded --the player's close control--> created, not loaded
//
// A Show that meets a screen still loading only makes it visible: the load
// handler never runs inside itself.

#include "resources/screen_id.h"
#include "shell/centring.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

namespace tolvane {

class Form;
class Image;
class Label;
class PictureBox;
class ScreenRegistry;
class TextBox;
class Timer;

class Screen : private Placeable {
public:
    enum class State { Created, Loading, Loaded };

    Screen(ScreenRegistry &screens, ScreenId id);
    ~Screen() override;
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    ScreenId id() const { return m_id; }
    QString name() const;
    State state() const { return m_state; }
    bool isLoaded() const { return m_state != State::Created; }
    bool isVisible() const;
    int loadCount() const { return m_loads; }
    // How often the load handler ran: once per load, never more.
    int loadHandlerRuns() const { return m_loadHandlerRuns; }

    // The operations handlers use.
    void show();
    void hide();
    void setVisible(bool visible); // only False is ever written
    void centre();
    // The modal input box, from inside a handler: the game may end while it waits.
    QString inputBox(const QString &prompt, const QString &title);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const override;  // outer size, twips
    float height() const override;
    void setLeft(float left) override;
    void setTop(float top) override;

    // This screen's controls, by name, letter case ignored; a name the window
    // does not have is a runtime error.
    Label &label(std::string_view name) const;
    TextBox &textBox(std::string_view name) const;
    Timer &timer(std::string_view name) const;
    PictureBox &pictureBox(std::string_view name) const;
    Image &image(std::string_view name) const;

    // The window while the screen is loaded; nullptr otherwise.
    Form *form() const;

    // Delivers one control event ("Form"/"Load" for the load handler) to the
    // handler bound to it; an event without a handler is dropped.
    void dispatch(const QString &control, const QString &event);

    // End: the window closes without counting as the player's close.
    void discard();

protected:
    struct Handler {
        QString name; // control_Event, as bound; compared without letter case
        std::function<void()> run;
    };
    // The screen's handlers, one per bound control event.
    virtual std::vector<Handler> handlers() = 0;

    ScreenRegistry &screens() const { return m_screens; }

private:
    void load();
    void unloadAfterClose();
    Form &loadedForm() const;
    template <class T> T &controlOf(std::string_view name) const;

    ScreenRegistry &m_screens;
    ScreenId m_id;
    State m_state = State::Created;
    QPointer<Form> m_form;
    std::vector<Handler> m_handlers;
    bool m_handlersBound = false;
    int m_loads = 0;
    int m_loadHandlerRuns = 0;
    float m_left = 0.0f;
    float m_top = 0.0f;
};

} // namespace tolvane
