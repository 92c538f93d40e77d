#include "AppIcon.h"

QIcon appIcon()
{
    // The sizes a window's title bar and task switcher show; the desktop's larger ones come
    // from the installed theme icons. The window system asks for every size given, and each
    // is decoded then.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/lingvar.png").arg(size),
                     QSize(size, size));
    return icon;
}
