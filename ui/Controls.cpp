#include "Controls.h"

QLabel *textLabel(QWidget *parent, const QRect &geometry, const QString &text, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(align);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *pushButton(QWidget *parent, const QRect &geometry, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(geometry);
    return b;
}
