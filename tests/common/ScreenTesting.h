#pragma once

#include "ScreenDialog.h"

#include <QApplication>
#include <QList>
#include <QListWidget>
#include <QMap>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Driving one screen from a test: the probe and the way out run once the screen's modal loop
// runs, and the screen is closed afterwards, so that a failing check never leaves it waiting.

// What runModal saw: the modal widget while the screen was up, whether leave closed the screen,
// and what exec returned.
struct ModalRun
{
    QWidget *modal = nullptr;
    bool closedByLeave = false;
    int result = -1;
};

// Shows the screen modally and runs probe while it is up, then leave.
inline ModalRun runModal(ScreenDialog &screen, const std::function<void()> &probe,
                         const std::function<void()> &leave)
{
    ModalRun run;
    QTimer::singleShot(0, &screen, [&] {
        run.modal = QApplication::activeModalWidget();
        probe();
        leave();
        run.closedByLeave = !screen.isVisible();
        if (screen.isVisible())
            screen.closeScreen();
    });
    run.result = screen.exec();
    return run;
}

// Where a key sent to the screen goes: its focused control, or the screen itself.
inline QWidget *keyTarget(QWidget *screen)
{
    return screen->focusWidget() ? screen->focusWidget() : screen;
}

// Tries to leave the screen other than through its buttons: "Escape", "Return" or "Enter" sent
// where its keys go, or "close", the window manager's close request.
inline void tryToLeave(QWidget *screen, const QString &how)
{
    static const QMap<QString, Qt::Key> keys{
        {"Escape", Qt::Key_Escape}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
    if (how == QLatin1String("close"))
        screen->close();
    else
        QTest::keyClick(keyTarget(screen), keys.value(how));
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
