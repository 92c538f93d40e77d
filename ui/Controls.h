#pragma once

#include <QLabel>
#include <QPushButton>

// The plain controls of the screens, placed where their layout puts them.

// A label of plain text, its text at the top: at the left unless align says otherwise.
QLabel *textLabel(QWidget *parent, const QRect &geometry, const QString &text = QString(),
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

QPushButton *pushButton(QWidget *parent, const QRect &geometry, const QString &caption);
