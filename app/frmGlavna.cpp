#include "frmGlavna.h"

#include "ColourButton.h"
#include "Cp1251.h"
#include "DrawingBox.h"
#include "Palette.h"
#include "PictureArchive.h"
#include "TimeBar.h"
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

frmGlavna::frmGlavna(Module1 &module, QWidget *parent) : MainScreenLayout(parent), module(module)
{
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(timebar::kIntervalMs);

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
    LoadQuestionBank(module.questionBank, module.workText, module.folders.dataFolder,
                     module.random);
    imgSlika->hide();
    imgMudrica->hide();
    module.random.SeedFromClock();
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
    setGameAreaReachable(false);
}

void frmGlavna::EnterGameMode()
{
    ResetTimeBar();
    for (ColourButton *b : {cmdLista, cmdRec, cmdOglas, cmdKraj, cmdLingvar})
        b->setEnabled(false);
    FraMudrica->hide();
    setGameAreaReachable(true);
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
        showCounter(counter, 0);
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
    return shown(module.workText);
}

// Raises a counter by one and shows it as plain digits.
void frmGlavna::showCount(QLabel *label, std::int16_t &counter)
{
    counter += 1;
    showCounter(label, counter);
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

void frmGlavna::cmdDalje_Click()
{
    if (Timer1->isActive()) { // the player gives the running question up
        Timer1->stop();
        CloseAsUnanswered();
        return;
    }
    if (TooFewOpanci(session)) {
        StopForTooFewOpanci();
        return;
    }
    if (session.questionNumber == kGameLength) {
        FinishGame();
        return;
    }
    PresentNextQuestion();
}

void frmGlavna::PresentNextQuestion()
{
    ResetTimeBar();
    Timer1->start(); // its first tick comes only after this handler
    cmdOdgovor[3]->hide();
    lblOdgovor[3]->hide();
    cmdOdgovor[4]->hide();
    lblOdgovor[4]->hide();
    lblIzvestaj->clear();
    std::array<std::string, 5> answerText{};

    session.questionNumber += 1;
    const std::int16_t n = session.questionNumber;
    lblBrPitanja->setText(QStringLiteral("ПИТАЊЕ БРОЈ ") + QString::number(n));
    const std::int16_t q = session.gameQuestions[n];
    const std::string record = module.questionBank.questionText[q];
    const Record fields = SplitRecord(record);
    lblPitanje->setText(shown(QuestionLine(DecodeText(fields.head))));

    if (n >= 3) {
        imgSlika->clear();
        imgMudrica->show();
    } else {
        imgMudrica->hide();
        ExtractPicture();
    }
    setBackground(lblPrazno[n], colours::lightRed);

    session.answerCount = 0;
    for (std::string_view answer : fields.answers) {
        session.answerCount += 1;
        const std::int16_t k = session.answerCount;
        cmdOdgovor[k]->show();
        lblOdgovor[k]->show();
        answerText[k] = DecodeText(answer);
    }
    // The correct answer, first in the record, changes places with the row drawn for it.
    session.correctPosition = module.random.Draw(session.answerCount);
    module.workText = answerText[1];
    answerText[1] = answerText[session.correctPosition];
    answerText[session.correctPosition] = module.workText;

    for (int r = 1; r <= session.answerCount; ++r) {
        lblOdgovor[r]->setText(shown(answerText[r]) + QLatin1Char(' '));
        cmdOdgovor[r]->setAccessibleName(cmdOdgovor[r]->text() + QStringLiteral(": ") +
                                         lblOdgovor[r]->text().trimmed());
        cmdOdgovor[r]->setEnabled(true);
        cmdOdgovor[r]->setBackgroundColour(colours::buttonGrey);
    }
}

// Copies the question's picture into t.gif and shows it. A picture that cannot be had does not
// stop the game: the mascot stands in its place, and the reason is told once on stderr.
void frmGlavna::ExtractPicture()
{
    const PictureResult result =
        ExtractPictureFile(module.folders.dataFolder, module.folders.writeFolder,
                           session.gameQuestions[session.questionNumber]);
    QPixmap picture;
    if (result.ok) {
        const auto file = module.folders.writeFolder / kPictureFileName;
        picture.load(QString::fromStdString(file.string()));
    }
    if (picture.isNull()) {
        if (!m_pictureProblemReported) {
            std::cerr << "lingvar: " << (result.ok ? "t.gif is not a picture" : result.reason)
                      << '\n';
            m_pictureProblemReported = true;
        }
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
    frmSkor skor(tag, this);
    skor.lblTacniOd->setText(QStringLiteral(" %1 ").arg(PointsForCorrect(session)));
    skor.lblCrvVr->setText(lblBrCrVr->text() + QLatin1Char(' '));
    module.finalScore = static_cast<std::int16_t>(skor.lblCrvVr->text().trimmed().toShort() +
                                                  skor.lblTacniOd->text().trimmed().toShort());
    skor.lblUkupno->setText(QStringLiteral(" %1 ").arg(module.finalScore));

    module.scoreList.lowestScore = 0;
    if (module.finalScore == 0) {
        skor.fraUpis->hide();
    } else {
        LoadScoreList(module.scoreList, module.folders.writeFolder);
        skor.fraUpis->setVisible(module.finalScore > module.scoreList.lowestScore);
        if (module.scoreList.count < kMaxScoreLines)
            skor.fraUpis->show();
    }
    skor.exec();
    EnterIdleMode();
    if (tag == QLatin1String("U")) {
        frmUpis(module, tag, this).exec();
        if (tag == QLatin1String("L"))
            frmLista(module, this).exec();
        tag.clear();
    }
}

void frmGlavna::cmdLista_Click()
{
    frmLista(module, this).exec();
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
    tag = QStringLiteral(" ");
    frmDaNe(tag, this).exec();
    if (tag == QLatin1String("ne"))
        event->ignore();
    else
        event->accept();
}
