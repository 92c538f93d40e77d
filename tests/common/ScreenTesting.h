#pragma once

#include "ScreenDialog.h"

#include <QList>
#include <QListWidget>
#include <QStringList>
#include <QTimer>
#include <functional>

// Shows the screen modally and runs act once it is up. The result is what exec returned when act
// closed the screen; a screen that act leaves open (a failed check returns early) is closed, and
// the result is -1, so that a test never waits on a screen.
inline int runModal(ScreenDialog &screen, const std::function<void()> &act)
{
    bool closed = false;
    QTimer::singleShot(0, &screen, [&] {
        act();
        closed = !screen.isVisible();
        if (!closed)
            screen.closeScreen(QDialog::Rejected);
    });
    const int result = screen.exec();
    return closed ? result : -1;
}

// The widgets that Tab visits, in order, starting at first.
inline QList<QWidget *> tabOrder(QWidget *first)
{
    QList<QWidget *> order{first};
    for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == first->window())
            order << w;
    }
    return order;
}

// The texts of a list's rows, top to bottom.
inline QStringList rows(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
