#pragma once

#include "ScreenDialog.h"

class QLabel;
class QPushButton;
class TitleStrip;

// The about screen: who made the program and whom it is meant for. Left through "Излаз".
class frmRec : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmRec(QWidget *parent = nullptr);

    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label14;
    // the passage in navy, one label a line
    QLabel *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12, *Label13;
    QPushButton *cmdIzlaz;
};
