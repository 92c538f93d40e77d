#pragma once

#include "Module1.h"
#include "QuizSession.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

class ColourButton;
class DrawingBox;
class QFrame;

// The main screen, where a game is played. In idle mode the steelyard frame covers the game
// area and only the menu row acts; in game mode the question, its answers, the counters, the
// time bar and the twenty slots are shown.
class frmGlavna : public QWidget
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

    Module1 &module;
    QuizSession session;
    QString tag; // where the modal screens report the player's choice

    // menu row
    ColourButton *cmdLingvar, *cmdLista, *cmdRec, *cmdOglas, *cmdKraj;
    // the frame over the game area, and the pictures at the top right
    QFrame *FraMudrica;
    QLabel *imgNaKantaru, *imgMudrica, *imgSlika;
    // game area; arrays are indexed from 1
    QFrame *Picture1, *Picture2, *Picture3, *Picture4, *Picture5, *Picture6, *Picture7;
    QLabel *lblBrPitanja, *lblPitanje, *lblIzvestaj, *lblIzvestaj2;
    std::array<QLabel *, 5> lblOdgovor{};
    std::array<ColourButton *, 5> cmdOdgovor{};
    QLabel *lblBrTacO, *lblBrNetO, *lblBrBezO, *lblBrCrVr;
    ColourButton *cmdDalje, *cmdPrekid;
    DrawingBox *pctVreme;
    std::array<QLabel *, kGameLength + 1> lblPrazno{};
    std::array<QLabel *, kGameLength + 1> imgOpan{};
    QTimer *Timer1;

private:
    void Form_Load();
    void buildMenuRow();
    void buildPictures();
    void buildGameArea();
    QLabel *buildCounter(QFrame *&box, int top, const char *first, const char *second);
    void setTabOrder();
};
