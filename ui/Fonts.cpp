#include "Fonts.h"

namespace {

QFont font(const QString &family, qreal points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleHint(family == QLatin1String("Courier New") ? QFont::TypeWriter : QFont::SansSerif);
    return f;
}

} // namespace

QFont arial(qreal points, bool bold)
{
    return font(QStringLiteral("Arial"), points, bold);
}

QFont courierNew(qreal points, bool bold)
{
    return font(QStringLiteral("Courier New"), points, bold);
}
