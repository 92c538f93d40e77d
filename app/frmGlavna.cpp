#include "frmGlavna.h"

#include "Accessibility.h"
#include "ColourButton.h"
#include "Cp1251.h"
#include "DrawingBox.h"
#include "Palette.h"
#include "PictureArchive.h"
#include "frmDaNe.h"
#include "frmLista.h"
#include "frmOglas.h"
#include "frmPetGre.h"
#include "frmRec.h"
#include "frmSkor.h"
#include "frmUpis.h"

#include <QCloseEvent>
#include <QFrame>
#include <iostream>

namespace {

// A Windows-1251 text of the core as the screens show it.
QString shown(const std::string &bytes)
{
    return QString::fromStdString(cp1251::toUtf8(bytes));
}

} // namespace

frmGlavna::frmGlavna(AppFolders folders, Random random, QWidget *parent)
    : MainScreenLayout(parent), m_folders(std::move(folders)), m_random(std::move(random)),
      m_game(m_bank, m_random, pctVreme->innerWidth())
{
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TimeBar::kIntervalMs);
    connect(cmdLingvar, &QPushButton::clicked, this, &frmGlavna::cmdLingvar_Click);
    connect(cmdPrekid, &QPushButton::clicked, this, &frmGlavna::cmdPrekid_Click);
    for (std::int16_t i = 1; i <= 4; ++i)
        connect(cmdOdgovor[i], &QPushButton::clicked, this, [this, i] { cmdOdgovor_Click(i); });
    connect(Timer1, &QTimer::timeout, this, &frmGlavna::Timer1_Timer);
    connect(cmdDalje, &QPushButton::clicked, this, &frmGlavna::cmdDalje_Click);
    connect(cmdLista, &QPushButton::clicked, this, &frmGlavna::cmdLista_Click);
    connect(cmdRec, &QPushButton::clicked, this, &frmGlavna::cmdRec_Click);
    connect(cmdOglas, &QPushButton::clicked, this, &frmGlavna::cmdOglas_Click);
    connect(cmdKraj, &QPushButton::clicked, this, &frmGlavna::cmdKraj_Click);

    Form_Load();
}

void frmGlavna::Form_Load()
{
    LoadQuestionBank(m_bank, m_folders.dataFolder, m_random);
    imgSlika->hide();
    imgMudrica->hide();
    m_random.SeedFromClock();
    setGameAreaReachable(false);
}

void frmGlavna::setGameAreaReachable(bool reachable)
{
    const Qt::FocusPolicy policy = reachable ? Qt::StrongFocus : Qt::NoFocus;
    for (QWidget *w :
         {cmdOdgovor[1], cmdOdgovor[2], cmdOdgovor[3], cmdOdgovor[4], cmdDalje, cmdPrekid}) {
        w->setFocusPolicy(policy);
        w->setAttribute(Qt::WA_TransparentForMouseEvents, !reachable);
        // a covered button that kept the focus would still answer Space
        if (!reachable && w->hasFocus())
            cmdLingvar->setFocus();
    }
}

void frmGlavna::ResetTimeBar()
{
    pctVreme->setBackgroundColour(colours::buttonGrey);
    // Called right after the game has emptied its bar, so what is left is the whole time.
    const int whole = m_game.SecondsLeft();
    pctVreme->setMeter(whole, whole);
}

void frmGlavna::EnterIdleMode()
{
    Timer1->stop();
    a11y::setCoverShown(FraMudrica, true);
    imgSlika->hide();
    imgMudrica->hide();
    for (ColourButton *b : {cmdLingvar, cmdLista, cmdRec, cmdOglas, cmdKraj})
        b->setEnabled(true);
    setGameAreaReachable(false);
}

void frmGlavna::EnterGameMode()
{
    ResetTimeBar();
    for (ColourButton *b : {cmdLista, cmdRec, cmdOglas, cmdKraj, cmdLingvar})
        b->setEnabled(false);
    a11y::setCoverShown(FraMudrica, false);
    setGameAreaReachable(true);
    imgSlika->clear(); // nothing of an aborted game's picture may show through
    imgSlika->show();
    for (int i = 1; i <= 4; ++i) {
        cmdOdgovor[i]->hide();
        lblOdgovor[i]->hide();
    }
    for (int i = 1; i <= kGameLength; ++i) {
        imgOpan[i]->hide();
        lblPrazno[i]->show();
        setBackground(lblPrazno[i], colours::slotCyan);
        nameSlot(i);
    }
    lblBrPitanja->clear();
    lblPitanje->clear();
    lblIzvestaj->setText(QStringLiteral("Треба да одговорите на 20 питања. Притисните \"Даље\"."));
    lblIzvestaj2->clear();
    const Counters &counters = m_game.counters();
    showCounter(lblBrTacO, counters.correct);
    showCounter(lblBrNetO, counters.wrong);
    showCounter(lblBrBezO, counters.unanswered);
    showCounter(lblBrCrVr, counters.redTime);
    reportOnDalje(lblIzvestaj->text());
}

void frmGlavna::cmdLingvar_Click()
{
    m_game.Start();
    EnterGameMode();
    imgMudrica->show();
}

void frmGlavna::cmdPrekid_Click()
{
    m_game.Abort();
    EnterIdleMode();
}

void frmGlavna::showVerdict(const Verdict &verdict)
{
    lblIzvestaj2->setText(shown(verdict.rule));
    const Counters &counters = m_game.counters();
    const QString letter = shown(verdict.correctLetter);
    switch (verdict.outcome) {
    case Outcome::Correct:
        lblIzvestaj->setText(QStringLiteral("Тачно! "));
        nameSlot(verdict.slot, QStringLiteral("тачно"));
        showCounter(lblBrTacO, counters.correct);
        imgOpan[verdict.slot]->show();
        if (verdict.redTime)
            showCounter(lblBrCrVr, counters.redTime);
        break;
    case Outcome::Wrong:
        lblIzvestaj->setText(QStringLiteral("Погрешили сте! Тачан је одговор ") + letter +
                             QLatin1Char('.'));
        nameSlot(verdict.slot, QStringLiteral("погрешно"));
        showCounter(lblBrNetO, counters.wrong);
        break;
    case Outcome::Unanswered:
        lblIzvestaj->setText(QStringLiteral("Нисте одговорили на питање. Тачан је одговор ") +
                             letter + QLatin1Char('.'));
        nameSlot(verdict.slot, QStringLiteral("без одговора"));
        showCounter(lblBrBezO, counters.unanswered);
        break;
    }
    // A screen reader hears the rule with the verdict; the focus leaves the answers before they
    // are locked, so that it does not stop on the next one on its way.
    QString report = lblIzvestaj->text().trimmed();
    if (!lblIzvestaj2->text().isEmpty())
        report += QLatin1Char(' ') + lblIzvestaj2->text();
    reportOnDalje(report);
    for (int i = 1; i <= 4; ++i)
        cmdOdgovor[i]->setEnabled(false);
}

void frmGlavna::reportOnDalje(const QString &report)
{
    cmdDalje->setAccessibleDescription(report); // Qt announces the change
    cmdDalje->setFocus();
}

void frmGlavna::Timer1_Timer()
{
    if (!m_game.QuestionRunning())
        return;
    const Game::TickResult tick = m_game.Tick();
    pctVreme->drawVerticalLine(tick.stroke.x, tick.stroke.width,
                               tick.stroke.red ? colours::lightRed : colours::navy);
    pctVreme->setMeter(m_game.SecondsLeft(), pctVreme->meterMaximum());
    if (tick.timeOut) {
        Timer1->stop();
        showVerdict(*tick.timeOut);
    }
}

void frmGlavna::cmdOdgovor_Click(std::int16_t Index)
{
    if (!m_game.QuestionRunning())
        return;
    Timer1->stop();
    cmdOdgovor[Index]->setBackgroundColour(colours::yellow);
    showVerdict(m_game.Answer(Index));
}

void frmGlavna::cmdDalje_Click()
{
    if (m_game.QuestionRunning()) { // the player gives the running question up
        Timer1->stop();
        showVerdict(m_game.GiveUp());
        return;
    }
    switch (m_game.Next()) {
    case NextStep::StopForTooFewOpanci:
        StopForTooFewOpanci();
        break;
    case NextStep::FinishGame:
        FinishGame();
        break;
    case NextStep::PresentQuestion:
        PresentNextQuestion();
        break;
    }
}

void frmGlavna::PresentNextQuestion()
{
    const QuestionView question = m_game.PresentNextQuestion();
    ResetTimeBar();
    Timer1->start(); // its first tick comes only after this handler
    cmdOdgovor[3]->hide();
    lblOdgovor[3]->hide();
    cmdOdgovor[4]->hide();
    lblOdgovor[4]->hide();
    lblIzvestaj->clear();
    lblIzvestaj2->clear();
    cmdDalje->setAccessibleDescription(QString());

    const std::int16_t n = question.number;
    lblBrPitanja->setText(QStringLiteral("ПИТАЊЕ БРОЈ ") + QString::number(n));
    lblPitanje->setText(shown(question.questionLine));
    if (question.pictureQuestion == 0) {
        imgSlika->clear();
        imgMudrica->show();
    } else {
        imgMudrica->hide();
        ExtractPicture(question.pictureQuestion);
    }
    setBackground(lblPrazno[n], colours::lightRed);
    nameSlot(n, QStringLiteral("тренутно"));

    for (int r = 1; r <= question.answerCount; ++r) {
        cmdOdgovor[r]->show();
        lblOdgovor[r]->show();
        lblOdgovor[r]->setText(shown(question.answers[r]));
        cmdOdgovor[r]->setAccessibleName(cmdOdgovor[r]->text() + QStringLiteral(": ") +
                                         lblOdgovor[r]->text().trimmed());
        cmdOdgovor[r]->setEnabled(true);
        cmdOdgovor[r]->setBackgroundColour(colours::buttonGrey);
    }
    // The first answer takes the focus and tells the question with its own row.
    cmdOdgovor[1]->setAccessibleDescription(lblBrPitanja->text() + QStringLiteral(". ") +
                                            lblPitanje->text());
    cmdOdgovor[1]->setFocus();
}

// Shows the question's picture, decoded from the archive's bytes, and keeps a copy in t.gif.
// A picture that cannot be had does not stop the game: the mascot stands in its place, and the
// reason is told once on stderr.
void frmGlavna::ExtractPicture(std::int16_t question)
{
    const PictureResult cut = ReadPicture(m_folders.dataFolder, question);
    std::string problem = cut.reason;
    QPixmap picture;
    if (problem.empty()) {
        problem = WritePictureFile(m_folders.writeFolder, cut.bytes, question);
        picture.loadFromData(reinterpret_cast<const uchar *>(cut.bytes.data()),
                             static_cast<uint>(cut.bytes.size()), "GIF");
        if (picture.isNull())
            problem = "Slike.dat: the picture of question " + std::to_string(question) +
                      " is not a GIF picture";
    }
    if (!problem.empty() && !m_pictureProblemReported) {
        std::cerr << "lingvar: " << problem << '\n';
        m_pictureProblemReported = true;
    }
    if (picture.isNull()) {
        imgSlika->clear();
        imgMudrica->show();
        return;
    }
    imgSlika->setPixmap(picture);
}

void frmGlavna::StopForTooFewOpanci()
{
    frmPetGre(this).exec();
    EnterIdleMode();
}

void frmGlavna::FinishGame()
{
    const GameResult result = m_game.Result();
    frmSkor skor(this);
    skor.lblTacniOd->setText(QStringLiteral(" %1 ").arg(result.pointsForCorrect));
    skor.lblCrvVr->setText(QStringLiteral("%1 ").arg(result.pointsForRedTime));
    skor.lblUkupno->setText(QStringLiteral(" %1 ").arg(result.finalScore));

    if (result.finalScore == 0) {
        skor.fraUpis->hide();
    } else {
        ScoreList list;
        LoadScoreList(list, m_folders.writeFolder);
        skor.fraUpis->setVisible(OffersListEntry(result.finalScore, list));
    }
    const bool enterList = skor.exec() == QDialog::Accepted;
    EnterIdleMode();
    if (enterList &&
        frmUpis(m_folders.writeFolder, result.finalScore, this).exec() == QDialog::Accepted)
        frmLista(m_folders.writeFolder, this).exec();
}

void frmGlavna::cmdLista_Click()
{
    frmLista(m_folders.writeFolder, this).exec();
}

void frmGlavna::cmdRec_Click()
{
    frmRec(this).exec();
}

void frmGlavna::cmdOglas_Click()
{
    frmOglas(this).exec();
}

void frmGlavna::cmdKraj_Click()
{
    close();
}

void frmGlavna::closeEvent(QCloseEvent *event)
{
    if (frmDaNe(this).exec() == frmDaNe::Stay)
        event->ignore();
    else
        event->accept();
}
