#include "ScreenDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

ScreenDialog::ScreenDialog(const QSize &clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(clientSize);
    setModal(true);
}

void ScreenDialog::closeScreen(int choice)
{
    m_closing = true;
    done(choice);
}

void ScreenDialog::reject()
{
    // Escape and similar requests: the screen is left only through its buttons.
}

void ScreenDialog::closeEvent(QCloseEvent *event)
{
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void ScreenDialog::showEvent(QShowEvent *event)
{
    // Buttons of a dialog become default buttons on their own; none may answer Enter here.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    if (m_centred)
        centreOnScreen(this);
    QDialog::showEvent(event);
}

void ScreenDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // A thin outline, so that the borderless window stands apart from what lies behind it.
    QPainter p(this);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(frame.topLeft());
}
