#include "frmDaNe.h"

#include "Fonts.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

frmDaNe::frmDaNe(QString &tag, QWidget *parent)
    : ScreenDialog(twipsSize(2760, 1530), parent), tag(tag)
{
    setFont(arial(9.75));

    Label1 = new TitleStrip(QStringLiteral("  Да или не?"), twips(0, 0, 2775, 255), this);
    Label2 = new QLabel(QStringLiteral("Заиста напуштате програм?"), this);
    Label2->setGeometry(twips(120, 480, 2775, 255));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    cmdDa = new QPushButton(QStringLiteral("Да"), this);
    cmdDa->setGeometry(twips(960, 960, 735, 375));
    cmdNe = new QPushButton(QStringLiteral("Не"), this);
    cmdNe->setGeometry(twips(1800, 960, 735, 375));

    setTabOrder(cmdDa, cmdNe);
    cmdDa->setFocus();

    connect(cmdDa, &QPushButton::clicked, this, &frmDaNe::cmdDa_Click);
    connect(cmdNe, &QPushButton::clicked, this, &frmDaNe::cmdNe_Click);
}

void frmDaNe::cmdDa_Click()
{
    tag = QStringLiteral("da");
    closeScreen();
}

void frmDaNe::cmdNe_Click()
{
    tag = QStringLiteral("ne");
    closeScreen();
}
