#pragma once

#include "ScreenDialog.h"

#include <QColor>

class QLabel;
class QPushButton;
class TitleStrip;

// The notice screen, in Latin script: an invitation to send new questions and corrections.
// A mid-blue panel under a navy headline, left through "Izlaz".
class frmOglas : public ScreenDialog
{
    Q_OBJECT
public:
    explicit frmOglas(QWidget *parent = nullptr);

    void Form_Load();
    void cmdIzlaz_Click();

    TitleStrip *Label1;
    QLabel *Image1;
    QLabel *Label2, *Label3, *Label5, *Label4;
    QPushButton *cmdIzlaz;
};

// The panel colour set when the notice screen loads.
inline const QColor kNoticeBlue(62, 119, 190);
