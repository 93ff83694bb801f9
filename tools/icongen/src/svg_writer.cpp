#include "svg_writer.h"

#include "drawing.h"
#include "icon_formats.h"

#include <cstdio>

namespace icongen {

namespace {

std::string hexOf(Rgb c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string pointsOf(const Region &r)
{
    std::string out;
    for (const auto &corner : r.corners) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%.3f,%.3f", out.empty() ? "" : " ", corner[0], corner[1]);
        out += text;
    }
    return out;
}

} // namespace

std::string iconSvg()
{
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n";
    for (const Region &r : iconRegions())
        svg += "<polygon fill=\"" + hexOf(colourOf(r.ink)) + "\" points=\"" + pointsOf(r) + "\"/>\n";
    svg += "</svg>\n";
    return svg;
}

} // namespace icongen
