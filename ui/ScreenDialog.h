#pragma once

#include <QDialog>

// A small modal screen without a system title bar, centred on the screen, of a fixed size.
// It is left only through its own buttons: Escape, Enter and the window manager's close do
// nothing by themselves.
class ScreenDialog : public QDialog
{
    Q_OBJECT
public:
    ScreenDialog(const QSize &clientSize, QWidget *parent = nullptr);

    // Closes the screen with the choice that exec() returns; the only way out, for the
    // screen's own buttons.
    void closeScreen(int choice = Accepted);

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Whether the screen opens in the middle of the screen; the notice screen does not.
    void setCentred(bool centred) { m_centred = centred; }

private:
    bool m_closing = false;
    bool m_centred = true;
};

// Moves a top-level window to the middle of the screen it is on.
void centreOnScreen(QWidget *window);
