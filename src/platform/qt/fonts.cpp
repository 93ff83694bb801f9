#include "platform/qt/fonts.h"

#include <QFontMetrics>

namespace tolvane::qt {

QString installedFaceFor(std::string_view layoutFace)
{
    // Liberation Sans keeps the plain, narrow look of the old dialog face;
    // Lobster Two is a bold display script, decorative like the title face.
    if (layoutFace == displayFace)
        return QStringLiteral("Lobster Two");
    return QStringLiteral("Liberation Sans");
}

QFont fontFor(const FontSpec &wanted)
{
    QFont font(installedFaceFor(wanted.face));
    font.setPointSizeF(wanted.points);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    // The old dialog face sets its letters a little closer than Liberation
    // Sans; the labels were sized for it, so that " P'TIT CON VAS !!!" fits
    // on one line of its verdict label.
    if (wanted.face == sansFace)
        font.setLetterSpacing(QFont::PercentageSpacing, 96);
    return font;
}

void prepareFonts()
{
    for (std::string_view face : {sansFace, displayFace})
        QFontMetrics(fontFor({face, windowFont.points, windowFont.weight})).height();
}

} // namespace tolvane::qt
