#include "frmNaslov.h"

#include "Pictures.h"
#include "ScreenDialog.h"
#include "Twips.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <utility>

namespace {

constexpr int kTickMs = 100;
constexpr std::int16_t kTicksShown = 20; // about two seconds

} // namespace

frmNaslov::frmNaslov(std::function<QWidget *()> loadMain, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_loadMain(std::move(loadMain))
{
    setWindowTitle(QStringLiteral("Лингвар"));
    setFixedSize(twipsSize(6870, 1950));

    imgNaslov = new QLabel(this);
    imgNaslov->setGeometry(rect());
    imgNaslov->setPixmap(picture(QStringLiteral(":/naslov.gif")));

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &frmNaslov::Timer1_Timer);

    Form_Load();
}

void frmNaslov::Form_Load()
{
    // The main screen's own load reads the question bank; it is complete before anything shows.
    m_main = m_loadMain();
    Timer1->start();
    centreOnScreen(this);
    show();
}

void frmNaslov::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    if (m_main && !m_main->isVisible())
        m_main->show();
    QWidget::closeEvent(event);
}

void frmNaslov::Timer1_Timer()
{
    ++tickCount;
    if (tickCount != kTicksShown)
        return;
    // The main screen appears first, so that a window stays open when this one goes.
    close();
}
