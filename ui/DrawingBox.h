#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A surface that keeps what is drawn on it, in pixel units. Its whole state is a pen position,
// a pen width and a background colour; setting the background erases every stroke.
class DrawingBox : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingBox(QWidget *parent = nullptr);

    float penPosition() const { return m_penPosition; }
    void setPenPosition(float x) { m_penPosition = x; }
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width) { m_penWidth = width; }
    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor &colour);

    int innerWidth() const { return width(); }
    int innerHeight() const { return height(); }

    // A vertical stroke of the pen's width from the top edge to the bottom edge at x.
    void drawVerticalLine(float x, const QColor &colour);

    // The colour of the drawing at a pixel, for tests and checks.
    QColor pixel(int x, int y) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void erase();

    QImage m_image;
    float m_penPosition = 0.0f;
    int m_penWidth = 1;
    QColor m_background = Qt::white;
};
