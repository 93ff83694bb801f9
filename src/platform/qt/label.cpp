#include "platform/qt/label.h"

#include <QPainter>

namespace tolvane::qt {

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

QString Label::drawnText(const QString &caption)
{
    QString drawn = caption;
    drawn.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    drawn.replace(QLatin1Char('\r'), QChar::LineSeparator);
    drawn.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return drawn;
}

void Label::paintEvent(QPaintEvent *)
{
    const QString drawn = drawnText(text());
    if (drawn.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, drawn);
}

} // namespace tolvane::qt
