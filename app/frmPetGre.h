#pragma once

#include "ScreenDialog.h"

class QLabel;
class QPushButton;
class TitleStrip;

// Tells the player that the game was stopped: too few opanci after the first ten questions.
// Left through "Излаз".
class frmPetGre : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmPetGre(QWidget *parent = nullptr);

    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QLabel *Label2;
    QPushButton *cmdIzlaz;
};
