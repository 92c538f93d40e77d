#pragma once

#include "ScreenDialog.h"

class QFrame;
class QLabel;
class QPushButton;
class TitleStrip;

// The result of a finished game, and the offer to enter the list. The caller fills the three
// numbers and shows or hides fraUpis before the screen opens; exec() returns Accepted for "Да"
// (enter the list) and Rejected for "Не" and "Излаз".
class frmSkor : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmSkor(QWidget *parent = nullptr);

    void cmdDa_Click();
    void cmdNe_Click();
    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QLabel *Label2, *lblTacniOd, *Label3, *lblCrvVr, *Label5, *lblUkupno;
    QPushButton *cmdIzlaz;
    QFrame *fraUpis; // lies in front of cmdIzlaz and covers it
    QLabel *Label4;
    QPushButton *cmdDa, *cmdNe;
};
