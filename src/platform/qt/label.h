#pragma once

#include <QLabel>

namespace tolvane::qt {

// A transparent caption: left- and top-aligned, wrapped at word boundaries,
// clipped at its edges. Leading spaces are drawn, and a carriage return starts
// a new line on screen while the caption itself keeps the character. As on a
// button, "&" underlines the letter after it and is not drawn; "&&" draws one.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

    // The text as it is laid out: each line break of the caption as Qt's own.
    static QString drawnText(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tolvane::qt
