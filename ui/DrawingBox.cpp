#include "DrawingBox.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

DrawingBox::DrawingBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingBox::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    erase();
}

void DrawingBox::erase()
{
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(m_background);
    update();
}

void DrawingBox::drawVerticalLine(float x, int width, const QColor &colour)
{
    if (m_image.isNull())
        erase();
    QPainter p(&m_image);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, 0), QPointF(x, innerHeight()));
    const int half = (width + 1) / 2 + 1;
    update(QRect(static_cast<int>(x) - half, 0, 2 * half + 1, height()));
}

QColor DrawingBox::pixel(int x, int y) const
{
    const qreal ratio = m_image.devicePixelRatio();
    return m_image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

void DrawingBox::setMeter(int value, int maximum)
{
    m_meterMaximum = maximum;
    if (value == m_meterValue)
        return;
    m_meterValue = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void DrawingBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_image.isNull())
        p.fillRect(event->rect(), m_background);
    else
        p.drawImage(event->rect(), m_image,
                    QRectF(event->rect().topLeft() * m_image.devicePixelRatio(),
                           event->rect().size() * m_image.devicePixelRatio()));
}

void DrawingBox::resizeEvent(QResizeEvent *)
{
    erase();
}
