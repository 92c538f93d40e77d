#include "TitleStrip.h"

#include "Fonts.h"
#include "Palette.h"

TitleStrip::TitleStrip(const QString &caption, const QRect &geometry, QWidget *parent)
    : QLabel(caption, parent)
{
    setGeometry(geometry);
    setFont(arial(9.75, true));
    setBackground(this, colours::navy);
    setTextColour(this, Qt::white);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    // The window has no title bar to show it, but a screen reader names the window by it.
    if (parent && parent->isWindow() && parent->windowTitle().isEmpty())
        parent->setWindowTitle(caption.trimmed());
}
