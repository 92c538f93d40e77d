#pragma once

#include "Module1.h"
#include "QuizSession.h"

#include "MainScreenLayout.h"

// The main screen, where a game is played. In idle mode the steelyard frame covers the game
// area and only the menu row acts; in game mode the game area is shown and played.
class frmGlavna : public MainScreenLayout
{
    Q_OBJECT
public:
    // Loads the question bank; throws BankError when it cannot be played.
    explicit frmGlavna(Module1 &module, QWidget *parent = nullptr);

    void EnterIdleMode();
    void EnterGameMode();
    void ResetTimeBar();

    void cmdLingvar_Click();
    void cmdPrekid_Click();
    void cmdDalje_Click();
    void cmdOdgovor_Click(std::int16_t Index);
    void Timer1_Timer();
    void StopForTooFewOpanci();
    void ExtractPicture();
    void FinishGame();
    void cmdLista_Click();
    void cmdRec_Click();
    void cmdOglas_Click();
    void cmdKraj_Click();

    Module1 &module;
    QuizSession session;
    QString tag; // where the modal screens report the player's choice

protected:
    // Every way of closing the main screen asks first; only "Не" keeps the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void PresentNextQuestion();
    // Closes the running question as unanswered, naming the correct letter.
    void CloseAsUnanswered();
    void showCount(QLabel *label, std::int16_t &counter);
    QString workTextShown() const;
    // The buttons under the steelyard frame take no focus while the frame covers them.
    void setGameAreaReachable(bool reachable);

    bool m_pictureProblemReported = false;
};
