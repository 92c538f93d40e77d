#include "frmSkor.h"

#include "Controls.h"
#include "Fonts.h"
#include "Palette.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kOfferGrey(224, 224, 224);

QLabel *number(QWidget *parent, const QRect &geometry)
{
    QLabel *l = textLabel(parent, geometry, QString(), Qt::AlignRight | Qt::AlignTop);
    l->setFont(arial(12, true));
    setBackground(l, Qt::white);
    return l;
}

} // namespace

frmSkor::frmSkor(QWidget *parent) : ScreenDialog(twipsSize(3600, 2415), parent)
{
    setFont(arial(9.75));

    Label1 = new TitleStrip(QStringLiteral("  Лингвар - резултат"), twips(0, 0, 3615, 255), this);
    Label2 =
        textLabel(this, twips(240, 480, 2535, 255), QStringLiteral("Бодови за тачне одговоре:"));
    lblTacniOd = number(this, twips(2760, 480, 615, 255));
    Label3 = textLabel(this, twips(360, 840, 2295, 255), QStringLiteral("Бодови за црвено време:"));
    lblCrvVr = number(this, twips(2760, 840, 615, 255));
    Label5 = textLabel(this, twips(1920, 1200, 735, 255), QStringLiteral("Укупно:"));
    lblUkupno = number(this, twips(2760, 1200, 615, 255));
    cmdIzlaz = pushButton(this, twips(240, 1800, 855, 375), QStringLiteral("Излаз"));

    fraUpis = new QFrame(this);
    fraUpis->setGeometry(twips(0, 1560, 3615, 855));
    setBackground(fraUpis, kOfferGrey);
    Label4 = textLabel(fraUpis, twips(60, 60, 3495, 735),
                       QStringLiteral("Желите ли да се упишете у листу?"));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setWordWrap(true);
    setBackground(Label4, kOfferGrey);
    cmdDa = pushButton(fraUpis, twips(240, 360, 615, 375), QStringLiteral("Да"));
    cmdNe = pushButton(fraUpis, twips(960, 360, 615, 375), QStringLiteral("Не"));

    QWidget::setTabOrder(cmdIzlaz, cmdDa);
    QWidget::setTabOrder(cmdDa, cmdNe);
    // The focus starts on "Излаз" even while the offer covers it.
    cmdIzlaz->setFocus();

    connect(cmdDa, &QPushButton::clicked, this, &frmSkor::cmdDa_Click);
    connect(cmdNe, &QPushButton::clicked, this, &frmSkor::cmdNe_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &frmSkor::cmdIzlaz_Click);
}

void frmSkor::cmdDa_Click()
{
    closeScreen(Accepted);
}

void frmSkor::cmdNe_Click()
{
    closeScreen(Rejected);
}

void frmSkor::cmdIzlaz_Click()
{
    closeScreen(Rejected);
}
