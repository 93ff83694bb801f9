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

void Label::setCaption(const QString &caption)
{
    setText(caption);
    // Assistive technology reads the caption as it is drawn.
    setAccessibleName(caption.contains(QLatin1Char('&')) ? readText(caption) : QString());
}

QString Label::readText(const QString &caption)
{
    QString read;
    read.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        read += caption[i];
    }
    return read;
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
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, drawn);
}

} // namespace tolvane::qt
