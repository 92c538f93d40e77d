#pragma once

#include "ScreenDialog.h"

class QLabel;
class QPushButton;
class TitleStrip;

// Asks whether the player really leaves the program. exec() returns Leave for "Да" and Stay
// for "Не"; anything else (a close the screen could not refuse) counts as leaving.
class frmDaNe : public ScreenDialog
{
    Q_OBJECT
public:
    enum Choice { Leave = 1, Stay = 2 };

    explicit frmDaNe(QWidget *parent = nullptr);

    void cmdDa_Click();
    void cmdNe_Click();

    TitleStrip *Label1;
    QLabel *Label2;
    QPushButton *cmdDa, *cmdNe;
};
