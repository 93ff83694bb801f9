#include "platform/fonts.h"

namespace tolvane {

QString installedFaceFor(std::string_view layoutFace)
{
    // Liberation Sans keeps the plain, narrow look of the old dialog face;
    // Lobster Two is a bold display script, decorative like the title face.
    if (layoutFace == displayFace)
        return QStringLiteral("Lobster Two");
    return QStringLiteral("Liberation Sans");
}

QFont fontFor(const FontSpec &spec)
{
    QFont font(installedFaceFor(spec.face));
    font.setPointSizeF(spec.points);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace tolvane
