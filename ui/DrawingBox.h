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

    // The number the drawing stands for, from 0 to maximum (the seconds a time bar has left);
    // screen readers hear the box as a progress bar of this value, and each change is announced.
    void setMeter(int value, int maximum);
    int meterValue() const { return m_meterValue; }
    int meterMaximum() const { return m_meterMaximum; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void erase();

    QImage m_image;
    QColor m_background = Qt::white;
    int m_meterValue = 0;
    int m_meterMaximum = 0;
};
