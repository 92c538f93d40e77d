#pragma once

#include <QLabel>

// The navy strip with white bold text across the top of every dialog, where a system title bar
// would otherwise stand.
class TitleStrip : public QLabel
{
    Q_OBJECT
public:
    TitleStrip(const QString &caption, const QRect &geometry, QWidget *parent);
};
