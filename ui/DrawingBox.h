#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A surface that keeps what is drawn on it, in pixel units. Setting the background colour
// erases every stroke.
class DrawingBox : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingBox(QWidget *parent = nullptr);

    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor &colour);

    int innerWidth() const { return width(); }
    int innerHeight() const { return height(); }

    // A vertical stroke of the given width from the top edge to the bottom edge at x.
    void drawVerticalLine(float x, int width, const QColor &colour);

    // The colour of the drawing at a pixel, for tests and checks.
    QColor pixel(int x, int y) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void erase();

    QImage m_image;
    QColor m_background = Qt::white;
};
