#include "platform/web/first_window_markup.h"

#include "platform/web/marked_caption.h"
#include "resources/control_rules.h"
#include "resources/picture_scale.h"

#include <cstdio>
#include <string_view>

namespace tolvane::web {

namespace {

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#x27;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string marked(std::string_view caption, std::string &text)
{
    const MarkedCaption shown = markCaption(caption);
    text += shown.before + shown.letter + shown.after;
    std::string out = escaped(shown.before);
    if (!shown.letter.empty())
        out += "<u>" + escaped(shown.letter) + "</u>";
    return out + escaped(shown.after);
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string px(double twips) { return std::to_string(pixelsFromTwips(twips)) + "px"; }

bool onView(const ScreenLayout &layout, std::size_t control)
{
    if (!layout.controls[control].visible)
        return false;
    for (const std::size_t box : containersOf(layout, control))
        if (!layout.controls[box].visible)
            return false;
    return true;
}

// The 2x file of a picture: its own file named NAME@2x.
std::string sharpFile(const PictureInfo &info)
{
    const std::string_view file = info.file;
    return std::string(info.name) + "@2x" + std::string(file.substr(file.rfind('.')));
}

struct Drawing {
    const ScreenLayout &layout;
    FirstWindow &window;

    std::string box(std::size_t control)
    {
        const ControlLayout &c = layout.controls[control];
        const std::string id = "first-" + std::string(c.name);
        const TwipsRect rect = controlRect(c);
        window.style += "#" + id + "{left:" + px(rect.left) + ";top:" + px(rect.top) + ";width:" + px(rect.width) +
                        ";height:" + px(rect.height) + ";z-index:" + std::to_string(1000 - int(control)) + "}\n";
        std::string out = "<div class=\"picture-box\" id=\"" + id + "\"><div class=\"inner\">";
        if (c.picture != PictureId::None) {
            const PictureInfo &info = pictureInfo(c.picture);
            const std::string file(info.file);
            window.pictures.push_back(file);
            // first_window.js gives it its address, the 2x file's on a screen that shows them.
            out += "<img class=\"picture\" alt=\"\" data-src=\"pictures/" + escaped(file) + "\"";
            if (hasSharpFile(c.picture)) {
                window.pictures.push_back(sharpFile(info));
                out += " data-sharp=\"pictures/" + escaped(sharpFile(info)) + "\"";
            }
            out += ">";
            // A 2x file is drawn at its 1x picture's size.
            window.style += "#" + id + " > .inner > img{width:" + std::to_string(info.width) +
                            "px;height:" + std::to_string(info.height) + "px}\n";
        }
        for (std::size_t child = 0; child < layout.controls.size(); ++child) {
            const std::vector<std::size_t> boxes = containersOf(layout, child);
            if (!boxes.empty() && boxes.front() == control && shown(child))
                out += box(child);
        }
        return out + "</div></div>";
    }

    bool shown(std::size_t control) const
    {
        return layout.controls[control].kind == ControlKind::PictureBox && onView(layout, control);
    }
};

} // namespace

FirstWindow firstWindow(const ScreenLayout &layout, ClientArea largest)
{
    FirstWindow window;
    window.text = std::string(layout.caption);
    std::string menu;
    if (layout.menu.present()) {
        // The bar's items; "&Quitter" is in the "&Jeu" menu, closed.
        const std::string game = marked(gameMenuCaption, window.text);
        const std::string about = marked(aboutItemCaption, window.text);
        menu = "<div class=\"menu-bar\"><div class=\"menu-item\"><span>" + game +
               "</span></div><div class=\"menu-item\"><span>" + about + "</span></div></div>";
    }
    Drawing drawing{layout, window};
    std::string client;
    for (std::size_t control = 0; control < layout.controls.size(); ++control)
        if (containersOf(layout, control).empty() && drawing.shown(control))
            client += drawing.box(control);
    window.style += "#first-window .client{width:" + px(layout.clientWidth) + ";height:" + px(layout.clientHeight) +
                    "}\n";
    window.markup = "<div class=\"window active\" id=\"first-window\" aria-hidden=\"true\" data-need=\"" +
                    std::to_string(pixelsFromTwips(largest.width)) + " " +
                    std::to_string(pixelsFromTwips(largest.height)) + "\" data-sharp-ratio=\"" +
                    number(sharpPictureRatio) + "\"><div class=\"title-bar\"><span class=\"caption\">" +
                    escaped(layout.caption) +
                    "</span><button class=\"close\" type=\"button\" tabindex=\"-1\"></button></div>" + menu +
                    "<div class=\"client\">" + client + "</div></div>";
    return window;
}

} // namespace tolvane::web
