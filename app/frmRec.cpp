#include "frmRec.h"

#include "Controls.h"
#include "Fonts.h"
#include "Palette.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *line(QWidget *parent, const QRect &geometry, const QString &text,
             const QColor &colour = Qt::black)
{
    QLabel *l = textLabel(parent, geometry, text);
    setTextColour(l, colour);
    return l;
}

} // namespace

frmRec::frmRec(QWidget *parent) : ScreenDialog(twipsSize(6615, 4125), parent)
{
    setFont(arial(9.75));
    const QColor &navy = colours::navy;

    Label1 = new TitleStrip(QStringLiteral("  Реч, две о програму"), twips(0, 0, 6615, 255), this);
    Label2 = line(this, twips(240, 360, 4695, 255), QString());
    Label3 = line(this, twips(240, 600, 5535, 255), QStringLiteral("Програмирао: тим Лингвара"));
    // The full credits, with the licences' texts, are in the CREDITS files and the package.
    Label4 = line(this, twips(240, 840, 5535, 255),
                  QStringLiteral("Илустровао: тим Лингвара; Twemoji (CC-BY), Lobster (OFL)"));
    Label5 = line(this, twips(240, 1080, 3735, 255), QString());
    Label14 = line(this, twips(240, 1320, 6135, 495),
                   QStringLiteral("Аутор се захваљује многобројним корисницима прве верзије који "
                                  "су му помогли својим примедбама и сугестијама."));
    Label14->setWordWrap(true);
    Label6 = line(this, twips(240, 1920, 4575, 255),
                  QStringLiteral("Овај програм намењен је пре свега..."), navy);
    Label7 = line(
        this, twips(240, 2160, 6375, 255),
        QStringLiteral("...онима који осим гибанице и пребранца воле још понешто српско..."), navy);
    Label8 = line(
        this, twips(240, 2400, 6015, 255),
        QStringLiteral("...онима који нису у заблуди да знају матерњи језик само зато што"), navy);
    Label9 =
        line(this, twips(240, 2640, 6015, 255), QStringLiteral("   су рођени као Срби..."), navy);
    Label10 = line(
        this, twips(240, 2880, 6015, 255),
        QStringLiteral("...онима који знају да не знају довољно о Србији, Србима, српској"), navy);
    Label11 =
        line(this, twips(240, 3120, 6015, 255), QStringLiteral("   историји и култури..."), navy);
    Label12 = line(
        this, twips(240, 3360, 6015, 255),
        QStringLiteral("...а нарочито онима који су свесни да волети свој народ не значи"), navy);
    Label13 = line(this, twips(240, 3600, 2775, 255), QStringLiteral("   мрзети друге."), navy);
    cmdIzlaz = pushButton(this, twips(5400, 3660, 855, 375), QStringLiteral("Излаз"));

    connect(cmdIzlaz, &QPushButton::clicked, this, &frmRec::cmdIzlaz_Click);
}

void frmRec::cmdIzlaz_Click()
{
    closeScreen();
}
