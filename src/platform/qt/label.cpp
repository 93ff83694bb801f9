#include "platform/qt/label.h"

#include "platform/qt/text.h"
#include "resources/control_rules.h"

#include <QPainter>

namespace tolvane::qt {

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    // Assistive technology reads the caption as it is drawn.
    setAccessibleName(toQString(shownCaption(toUtf8(caption)).text));
}

QString Label::drawnText(const QString &caption)
{
    return toQString(withLineBreaks(toUtf8(caption), "\u2028"));
}

void Label::paintEvent(QPaintEvent *)
{
    const QString drawn = drawnText(text());
    if (drawn.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, drawn);
}

} // namespace tolvane::qt
