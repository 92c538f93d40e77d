#pragma once

#include <QColor>
#include <QPushButton>

// A push button drawn in a background colour of its own, with a raised bevel that sinks while
// it is pressed. It never acts as a default button, so Enter does not press it.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    ColourButton(const QString &caption, const QColor &background, QWidget *parent = nullptr);

    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
};
