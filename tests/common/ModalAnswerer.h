#pragma once

#include "ScreenDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

// Answers the modal screens a test opens, one action per screen in the order they come up.
// Each action gets the screen; it usually clicks one of its buttons. A screen that its action
// leaves open (a failed check returns early) or that comes up with no action left is closed,
// so that a test fails instead of waiting for ever; seen() names every screen that came up.
class ModalAnswerer : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;

    ModalAnswerer(std::initializer_list<Action> actions = {}) : m_actions(actions)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(5);
    }

    ModalAnswerer &then(Action action)
    {
        m_actions.push_back(std::move(action));
        return *this;
    }

    QStringList seen() const { return m_seen; }

    template <class Screen, class Button> static Action click(Button *Screen::*button)
    {
        return [button](QWidget *w) {
            if (auto *screen = qobject_cast<Screen *>(w))
                (screen->*button)->click();
            else
                qWarning("ModalAnswerer: %s came up instead", w->metaObject()->className());
        };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != m_last) { // a new screen, answered while actions are left
            m_last = modal;
            m_seen << QString::fromLatin1(modal->metaObject()->className());
            if (!m_actions.empty()) {
                const Action action = std::move(m_actions.front());
                m_actions.pop_front();
                return action(modal);
            }
        }
        if (auto *screen = qobject_cast<ScreenDialog *>(modal))
            screen->closeScreen(QDialog::Rejected);
        else if (modal)
            modal->close();
    }

    QTimer m_timer;
    std::deque<Action> m_actions;
    QPointer<QWidget> m_last;
    QStringList m_seen;
};
