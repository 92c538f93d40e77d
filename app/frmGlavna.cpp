#include "frmGlavna.h"

#include "ColourButton.h"
#include "DrawingBox.h"
#include "Cp1251.h"
#include "Palette.h"
#include "TimeBar.h"

#include <QFrame>

frmGlavna::frmGlavna(Module1 &module, QWidget *parent) : MainScreenLayout(parent), module(module)
{
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(timebar::kIntervalMs);

    connect(cmdLingvar, &QPushButton::clicked, this, &frmGlavna::cmdLingvar_Click);
    connect(cmdPrekid, &QPushButton::clicked, this, &frmGlavna::cmdPrekid_Click);
    for (std::int16_t i = 1; i <= 4; ++i)
        connect(cmdOdgovor[i], &QPushButton::clicked, this, [this, i] { cmdOdgovor_Click(i); });
    connect(Timer1, &QTimer::timeout, this, &frmGlavna::Timer1_Timer);

    Form_Load();
}

void frmGlavna::Form_Load()
{
    LoadQuestionBank(module.questionBank, module.workText, module.folders.dataFolder,
                     module.random);
    imgSlika->hide();
    imgMudrica->hide();
    module.random.SeedFromClock();
}

void frmGlavna::ResetTimeBar()
{
    pctVreme->setPenWidth(timebar::PenWidthFor(pctVreme->innerWidth()));
    pctVreme->setPenPosition(timebar::kStartPosition);
    pctVreme->setBackgroundColour(colours::buttonGrey);
}

void frmGlavna::EnterIdleMode()
{
    Timer1->stop();
    FraMudrica->show();
    imgSlika->hide();
    imgMudrica->hide();
    for (ColourButton *b : {cmdLingvar, cmdLista, cmdRec, cmdOglas, cmdKraj})
        b->setEnabled(true);
}

void frmGlavna::EnterGameMode()
{
    ResetTimeBar();
    for (ColourButton *b : {cmdLista, cmdRec, cmdOglas, cmdKraj, cmdLingvar})
        b->setEnabled(false);
    FraMudrica->hide();
    imgSlika->show();
    for (int i = 1; i <= 4; ++i) {
        cmdOdgovor[i]->hide();
        lblOdgovor[i]->hide();
    }
    for (int i = 1; i <= kGameLength; ++i) {
        imgOpan[i]->hide();
        lblPrazno[i]->show();
        setBackground(lblPrazno[i], colours::slotCyan);
    }
    lblBrPitanja->clear();
    lblPitanje->clear();
    lblIzvestaj->setText(QStringLiteral("Треба да одговорите на 20 питања. Притисните \"Даље\"."));
    session.correctCount = 0;
    session.wrongCount = 0;
    session.unansweredCount = 0;
    session.redTimeCount = 0;
    for (QLabel *counter : {lblBrTacO, lblBrNetO, lblBrBezO, lblBrCrVr})
        counter->setText(QStringLiteral("0"));
    session.questionNumber = 0;
}

void frmGlavna::cmdLingvar_Click()
{
    EnterGameMode();
    SelectGameQuestions(module.questionBank, module.random, session.gameQuestions);
    imgMudrica->show();
}

void frmGlavna::cmdPrekid_Click()
{
    EnterIdleMode();
}

QString frmGlavna::workTextShown() const
{
    return QString::fromStdString(cp1251::toUtf8(module.workText));
}

// Raises a counter by one and shows it as plain digits.
void frmGlavna::showCount(QLabel *label, std::int16_t &counter)
{
    counter += 1;
    label->setText(QString::number(counter));
}

void frmGlavna::CloseAsUnanswered()
{
    AnswerLetter(session.correctPosition, module.workText);
    lblIzvestaj->setText(QStringLiteral("Нисте одговорили на питање. Тачан је одговор ") +
                         workTextShown() + QStringLiteral("."));
    showCount(lblBrBezO, session.unansweredCount);
    for (int i = 1; i <= session.answerCount; ++i)
        cmdOdgovor[i]->setEnabled(false);
}

void frmGlavna::Timer1_Timer()
{
    const float x = pctVreme->penPosition();
    pctVreme->drawVerticalLine(x, timebar::StrokeIsRed(x) ? colours::lightRed : colours::navy);
    pctVreme->setPenPosition(x + static_cast<float>(pctVreme->penWidth()));
    if (timebar::TimeIsUp(pctVreme->penPosition())) {
        Timer1->stop();
        CloseAsUnanswered();
    }
}

void frmGlavna::cmdOdgovor_Click(std::int16_t Index)
{
    Timer1->stop();
    cmdOdgovor[Index]->setBackgroundColour(colours::yellow);
    for (int i = 1; i <= session.answerCount; ++i)
        cmdOdgovor[i]->setEnabled(false);
    AnswerLetter(session.correctPosition, module.workText);
    std::string chosen;
    AnswerLetter(Index, chosen);
    if (chosen != module.workText) {
        lblIzvestaj->setText(QStringLiteral("Погрешили сте! Тачан је одговор ") + workTextShown() +
                             QStringLiteral("."));
        showCount(lblBrNetO, session.wrongCount);
        return;
    }
    lblIzvestaj->setText(QStringLiteral("Тачно! "));
    showCount(lblBrTacO, session.correctCount);
    imgOpan[session.questionNumber]->show();
    if (timebar::EarnsRedTime(pctVreme->penPosition()))
        showCount(lblBrCrVr, session.redTimeCount);
}
