#pragma once

#include "AppFolders.h"
#include "Game.h"
#include "MainScreenLayout.h"

// The main screen, where a game is played. In idle mode the steelyard frame covers the game
// area and only the menu row acts; in game mode the game area shows what the game returns and
// passes on what the player does.
class frmGlavna : public MainScreenLayout
{
    Q_OBJECT
public:
    // Loads the question bank; throws BankError when it cannot be played.
    explicit frmGlavna(AppFolders folders, Random random = Random(), QWidget *parent = nullptr);

    void EnterIdleMode();
    void EnterGameMode();
    void ResetTimeBar();

    void cmdLingvar_Click();
    void cmdPrekid_Click();
    void cmdDalje_Click();
    void cmdOdgovor_Click(std::int16_t Index);
    void Timer1_Timer();
    void StopForTooFewOpanci();
    void FinishGame();
    void cmdLista_Click();
    void cmdRec_Click();
    void cmdOglas_Click();
    void cmdKraj_Click();

    const Game &game() const { return m_game; }

protected:
    // Every way of closing the main screen asks first; only "Не" keeps the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void PresentNextQuestion();
    void ExtractPicture(std::int16_t question);
    void showVerdict(const Verdict &verdict);
    // Says the report on "Даље" and moves the focus there: a screen reader reads it out.
    void reportOnDalje(const QString &report);
    // The buttons under the steelyard frame take no focus while the frame covers them.
    void setGameAreaReachable(bool reachable);

    AppFolders m_folders;
    Random m_random;
    QuestionBank m_bank;
    Game m_game;
    bool m_pictureProblemReported = false;
};
