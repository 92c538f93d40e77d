#pragma once

#include <QFont>

// The screens' fonts: Arial, and Courier New where columns must line up. Fontconfig gives the
// metric-compatible Liberation fonts, which cover Serbian Cyrillic.
QFont arial(qreal points, bool bold = false);
QFont courierNew(qreal points, bool bold = false);
