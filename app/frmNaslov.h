#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

// The title screen, the first window of a run. Creating it loads the main screen without
// showing it, then shows the title picture; at the 20th tick of its 100 ms timer it shows the
// main screen and closes itself. It does not own the main screen.
class frmNaslov : public QWidget
{
    Q_OBJECT
public:
    // loadMain creates the main screen hidden and returns it; whatever it throws propagates
    // out of this constructor, before any window is shown.
    explicit frmNaslov(std::function<QWidget *()> loadMain, QWidget *parent = nullptr);

    void Timer1_Timer();

    QLabel *imgNaslov;
    QTimer *Timer1;
    std::int16_t tickCount = 0;

protected:
    // Closed early (a window manager may close even a borderless window), it hands over at once.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    std::function<QWidget *()> m_loadMain;
    QWidget *m_main = nullptr;
};
