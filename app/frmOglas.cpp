#include "frmOglas.h"

#include "Controls.h"
#include "Fonts.h"
#include "Palette.h"
#include "Pictures.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel *centredText(QWidget *parent, const QRect &geometry, const QString &text, const QFont &font,
                    const QColor &colour)
{
    QLabel *l = textLabel(parent, geometry, text, Qt::AlignHCenter | Qt::AlignTop);
    l->setFont(font);
    setTextColour(l, colour);
    return l;
}

} // namespace

frmOglas::frmOglas(QWidget *parent) : ScreenDialog(twipsSize(6315, 4545), parent)
{
    setFont(arial(9.75));
    setCentred(false);

    Label1 = new TitleStrip(QStringLiteral("  Lingvar traži nova pitanja"), twips(0, 0, 6375, 255),
                            this);

    Image1 = new QLabel(this);
    Image1->setGeometry(twips(1680, 360, 2730, 990));
    Image1->setPixmap(picture(QStringLiteral(":/oglas.gif")));

    Label2 = centredText(this, twips(120, 1440, 6015, 1695),
                         QStringLiteral("Znate dobro pitanje o srpskom jeziku\n"
                                        "koje bi trebalo da se nađe u Lingvaru?\n"
                                        "Primetili ste grešku u nekom pitanju\n"
                                        "ili u nekom od ponuđenih odgovora?\n"
                                        "Pošaljite nam pitanje ili ispravku."),
                         arial(9.75, true), Qt::white);
    Label3 = centredText(this, twips(120, 3240, 6135, 495),
                         QStringLiteral("Uz svako pitanje pošaljite tačan odgovor\n"
                                        "i još jedan do tri netačna."),
                         arial(9.75, true), colours::yellow);
    Label5 = centredText(this, twips(120, 3720, 6015, 255),
                         QStringLiteral("Hvala svima koji pomažu da Lingvar bude bolji!"),
                         arial(9.75, true), colours::yellow);
    Label4 =
        centredText(this, twips(1200, 4080, 3855, 375), QStringLiteral("Kako poslati: README.md"),
                    arial(12, true), colours::yellow);

    cmdIzlaz = pushButton(this, twips(5280, 4080, 855, 360), QStringLiteral("Izlaz"));

    connect(cmdIzlaz, &QPushButton::clicked, this, &frmOglas::cmdIzlaz_Click);

    Form_Load();
}

void frmOglas::Form_Load()
{
    // Label5 has no background of its own: the window's blue shows through it.
    setBackground(this, kNoticeBlue);
    setBackground(Label2, kNoticeBlue);
    setBackground(Label3, kNoticeBlue);
    setBackground(Label4, kNoticeBlue);
}

void frmOglas::cmdIzlaz_Click()
{
    closeScreen();
}
