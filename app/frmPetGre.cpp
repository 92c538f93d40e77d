#include "frmPetGre.h"

#include "Controls.h"
#include "Fonts.h"
#include "Palette.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

frmPetGre::frmPetGre(QWidget *parent) : ScreenDialog(twipsSize(3240, 2160), parent)
{
    setFont(arial(9.75));
    setBackground(this, Qt::white);

    Label1 =
        new TitleStrip(QStringLiteral("  Нема довољно опанака!"), twips(0, 0, 3255, 255), this);

    // The two blanks after "питања" are part of the text.
    Label2 = textLabel(this, twips(120, 360, 3015, 1215),
                       QStringLiteral("Потребно је да одговорима на првих десет питања  стекнете "
                                      "најмање пет опанака... Покушајте да се измерите поново."),
                       Qt::AlignHCenter | Qt::AlignTop);
    Label2->setFont(arial(9.75, true));
    setTextColour(Label2, Qt::black);
    Label2->setWordWrap(true);

    cmdIzlaz = pushButton(this, twips(2160, 1680, 855, 375), QStringLiteral("Излаз"));

    connect(cmdIzlaz, &QPushButton::clicked, this, &frmPetGre::cmdIzlaz_Click);
}

void frmPetGre::cmdIzlaz_Click()
{
    closeScreen();
}
