#include "platform/qt/fonts.h"

#include "resources/stand_in_faces.h"

#include <QFontMetrics>

namespace tolvane::qt {

QString installedFaceFor(std::string_view layoutFace)
{
    const std::string_view standIn = standInFor(layoutFace).standIn;
    return QString::fromUtf8(standIn.data(), qsizetype(standIn.size()));
}

QFont fontFor(const FontSpec &wanted)
{
    QFont font(installedFaceFor(wanted.face));
    font.setPointSizeF(wanted.points);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setLetterSpacing(QFont::PercentageSpacing, standInFor(wanted.face).width * 100.0);
    return font;
}

void prepareFonts()
{
    for (std::string_view face : {sansFace, displayFace})
        QFontMetrics(fontFor({face, windowFont.points, windowFont.weight})).height();
}

} // namespace tolvane::qt
