#pragma once

#include <QPixmap>
#include <QString>

// One of the screens' pictures at its own size; on a desktop scaled by 2 the sharper "@2x"
// drawing beside it is taken when there is one.
QPixmap picture(const QString &resource);
