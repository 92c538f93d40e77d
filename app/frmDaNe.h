#pragma once

#include "ScreenDialog.h"

class QLabel;
class QPushButton;
class TitleStrip;

// Asks whether the player really leaves the program. The answer goes into the main screen's
// tag string: "da" to leave, "ne" to stay; it is left untouched if the screen closes otherwise.
class frmDaNe : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmDaNe(QString &tag, QWidget *parent = nullptr);

    void cmdDa_Click();
    void cmdNe_Click();

    TitleStrip *Label1;
    QLabel *Label2;
    QPushButton *cmdDa, *cmdNe;

private:
    QString &tag;
};
