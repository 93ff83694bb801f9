// Writes the title window the page draws before its program runs, as JSON,
// to the file named on the command line, for make_page.py. Built for node
// and run while the page is built: the same layouts and rules as the program.

#include "platform/web/first_window_markup.h"
#include "resources/screen_layout.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

std::string json(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FIRST_WINDOW.json\n", argv[0]);
        return 2;
    }
    using namespace tolvane;
    const web::FirstWindow window = web::firstWindow(layoutOf(ScreenId::TOLVANE1), largestClientArea());
    std::string pictures;
    for (const std::string &file : window.pictures)
        pictures += (pictures.empty() ? "" : ", ") + json(file);
    std::ofstream out(argv[1]);
    out << "{\"markup\": " << json(window.markup) << ",\n \"style\": " << json(window.style)
        << ",\n \"text\": " << json(window.text) << ",\n \"pictures\": [" << pictures << "]}\n";
    out.close();
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
