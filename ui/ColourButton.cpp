#include "ColourButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

ColourButton::ColourButton(const QString &caption, const QColor &background, QWidget *parent)
    : QPushButton(caption, parent), m_background(background)
{
    setAutoDefault(false);
    setDefault(false);
}

void ColourButton::setBackgroundColour(const QColor &colour)
{
    if (colour == m_background)
        return;
    m_background = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_background);

    const bool down = isDown();
    const QColor light = down ? QColor(128, 128, 128) : QColor(255, 255, 255);
    const QColor shadow = down ? QColor(255, 255, 255) : QColor(128, 128, 128);
    // outer line black below and right, then the bevel inside it
    p.setPen(Qt::black);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(shadow);
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() - QPoint(1, 1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() - QPoint(1, 1));

    QRect text = r.adjusted(2, 2, -2, -2);
    if (down)
        text.translate(1, 1);
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
    } else {
        // the engraved look of a disabled caption
        p.setPen(Qt::white);
        p.drawText(text.translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
        p.setPen(QColor(128, 128, 128));
        p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(3, 3, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}
