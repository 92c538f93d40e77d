#include "frmDaNe.h"

#include "Controls.h"
#include "Fonts.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

frmDaNe::frmDaNe(QWidget *parent) : ScreenDialog(twipsSize(2760, 1530), parent)
{
    setFont(arial(9.75));

    Label1 = new TitleStrip(QStringLiteral("  Да или не?"), twips(0, 0, 2775, 255), this);
    Label2 =
        textLabel(this, twips(120, 480, 2775, 255), QStringLiteral("Заиста напуштате програм?"));
    cmdDa = pushButton(this, twips(960, 960, 735, 375), QStringLiteral("Да"));
    cmdNe = pushButton(this, twips(1800, 960, 735, 375), QStringLiteral("Не"));

    setTabOrder(cmdDa, cmdNe);
    cmdDa->setFocus();

    connect(cmdDa, &QPushButton::clicked, this, &frmDaNe::cmdDa_Click);
    connect(cmdNe, &QPushButton::clicked, this, &frmDaNe::cmdNe_Click);
}

void frmDaNe::cmdDa_Click()
{
    closeScreen(Leave);
}

void frmDaNe::cmdNe_Click()
{
    closeScreen(Stay);
}
