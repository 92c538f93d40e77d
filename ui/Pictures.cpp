#include "Pictures.h"

#include <QIcon>
#include <QImageReader>

QPixmap picture(const QString &resource)
{
    // QIcon, unlike QPixmap, looks for the "@2x" file that suits the screen.
    return QIcon(resource).pixmap(QImageReader(resource).size());
}
