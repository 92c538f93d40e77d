#pragma once

#include <QColor>
#include <QWidget>

// Colours the screens share.
namespace colours {
inline const QColor navy(0, 0, 128);     // title strips; blue of the time bar
inline const QColor lightRed(255, 0, 0); // red time, the slot of the question on screen
inline const QColor yellow(255, 255, 0); // a pressed answer button
inline const QColor buttonGrey(224, 224, 224);
inline const QColor slotCyan(0, 255, 255); // an empty slot
} // namespace colours

// Fills w's background with colour.
void setBackground(QWidget *w, const QColor &colour);
void setTextColour(QWidget *w, const QColor &colour);
