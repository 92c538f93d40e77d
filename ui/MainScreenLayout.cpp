#include "MainScreenLayout.h"

#include "Accessibility.h"
#include "ColourButton.h"
#include "Controls.h"
#include "DrawingBox.h"
#include "Fonts.h"
#include "Palette.h"
#include "Pictures.h"
#include "Twips.h"

#include <QFrame>
#include <QPixmap>

namespace {

const QColor kGrey(192, 192, 192);
const QColor kMenuButton(207, 210, 140);
const QColor kAnswerRow(28, 204, 255);
const QColor kCounterBox(238, 238, 238);
const QColor kCounterNumber(0, 0, 255);

QLabel *label(QWidget *parent, const QRect &geometry, const QFont &font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    QLabel *l = textLabel(parent, geometry, QString(), align);
    l->setFont(font);
    return l;
}

QFrame *panel(QWidget *parent, const QRect &geometry, const QColor &background)
{
    auto *p = new QFrame(parent);
    p->setGeometry(geometry);
    if (background.isValid())
        setBackground(p, background);
    return p;
}

QLabel *image(QWidget *parent, const QRect &geometry, const QPixmap &pixmap = QPixmap())
{
    auto *l = new QLabel(parent);
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!pixmap.isNull())
        l->setPixmap(pixmap);
    return l;
}

} // namespace

MainScreenLayout::MainScreenLayout(QWidget *parent) : QWidget(parent)
{
    a11y::installFor(this);
    setWindowTitle(QStringLiteral("Лингвар"));
    setFixedSize(twipsSize(9480, 5940));
    setBackground(this, kGrey);
    setFont(arial(11.25, true));

    buildMenuRow();
    buildPictures();
    buildGameArea();
    FraMudrica->raise(); // the frame lies in front of the whole game area
    a11y::markAsCover(FraMudrica);
    setTabOrder();

    Timer1 = new QTimer(this);
}

void MainScreenLayout::buildMenuRow()
{
    auto menuButton = [this](const char *caption, int left) {
        auto *b = new ColourButton(QString::fromUtf8(caption), kMenuButton, this);
        b->setGeometry(twips(left, 90, 1275, 465));
        b->setFont(arial(11.25));
        return b;
    };
    cmdLingvar = menuButton("Лингвар", 180);
    cmdLista = menuButton("Листа", 1500);
    cmdRec = menuButton("Реч, две...", 2820);
    cmdOglas = menuButton("Оглас", 4140);
    cmdKraj = menuButton("Крај", 5460);
}

void MainScreenLayout::buildPictures()
{
    FraMudrica = panel(this, twips(120, 600, 9195, 5295), kGrey);
    imgNaKantaru = image(FraMudrica, twips(2280, 240, 4710, 4335), picture(QStringLiteral(":/kantar.gif")));
    imgNaKantaru->setAccessibleName(QStringLiteral("Мудрица на кантару"));
    imgMudrica = image(this, twips(7500, 120, 1785, 1725), picture(QStringLiteral(":/mudrica.jpg")));
    imgMudrica->setAccessibleName(QStringLiteral("Мудрица"));
    imgSlika = image(this, twips(7500, 120, 1695, 1950));
    imgSlika->setAccessibleName(QStringLiteral("Слика уз питање"));
}

QLabel *MainScreenLayout::buildCounter(QFrame *&box, int top, const char *first, const char *second)
{
    box = panel(this, twips(7500, top, 1785, 525), kCounterBox);
    label(box, twips(40, 0, 1215, 255), arial(9.75))->setText(QString::fromUtf8(first));
    label(box, twips(40, 210, 1215, 255), arial(9.75))->setText(QString::fromUtf8(second));
    QLabel *number = label(box, twips(1260, 120, 375, 280), arial(11.25, true),
                           Qt::AlignHCenter | Qt::AlignTop);
    number->setAccessibleDescription(QString::fromUtf8(first) + QLatin1Char(' ') +
                                     QString::fromUtf8(second));
    setBackground(number, kCounterNumber);
    setTextColour(number, Qt::white);
    return number;
}

void MainScreenLayout::buildGameArea()
{
    Picture1 = panel(this, twips(180, 660, 7125, 1395), QColor(255, 20, 20));
    lblBrPitanja = label(Picture1, twips(120, 90, 2325, 285), arial(11.25));
    lblPitanje = label(Picture1, twips(120, 600, 6885, 645), arial(12, true),
                       Qt::AlignHCenter | Qt::AlignTop);
    lblPitanje->setWordWrap(true);

    Picture2 = panel(this, twips(180, 2055, 7125, 1395), QColor(50, 80, 255));
    static const char *const kLetters[] = {"", "А", "Б", "В", "Г"};
    for (int i = 1; i <= 4; ++i) {
        lblOdgovor[i] = label(Picture2, twips(540, 90 + 300 * (i - 1), 6500, 255), arial(11.25));
        setBackground(lblOdgovor[i], kAnswerRow);
        setTextColour(lblOdgovor[i], Qt::black);
        cmdOdgovor[i] = new ColourButton(QString::fromUtf8(kLetters[i]), colours::buttonGrey, this);
        cmdOdgovor[i]->setGeometry(twips(300, 2130 + 300 * (i - 1), 345, 285));
        cmdOdgovor[i]->setFont(arial(9.75));
    }

    // The report panel has the system's window background, that of text areas.
    Picture3 = panel(this, twips(180, 3450, 7125, 1395), QPalette().color(QPalette::Base));
    lblIzvestaj = label(Picture3, twips(150, 90, 6645, 495), arial(11.25));
    lblIzvestaj->setWordWrap(true);
    // Below the verdict, the rule that decides the question: it may take the panel down to its
    // lower edge, three lines of a slightly smaller type.
    lblIzvestaj2 = label(Picture3, twips(150, 690, 6645, 690), arial(9.75));
    lblIzvestaj2->setWordWrap(true);

    lblBrTacO = buildCounter(Picture5, 1950, "Тачни", "одговори");
    lblBrNetO = buildCounter(Picture6, 2445, "Погрешни", "одговори");
    lblBrBezO = buildCounter(Picture7, 2940, "Питања без", "одговора");
    lblBrCrVr = buildCounter(Picture4, 3435, "Црвено", "време");

    cmdDalje = new ColourButton(QStringLiteral("Даље"), kMenuButton, this);
    cmdDalje->setGeometry(twips(7500, 4065, 1815, 405));
    cmdPrekid = new ColourButton(QStringLiteral("Прекид"), kMenuButton, this);
    cmdPrekid->setGeometry(twips(7500, 4500, 1815, 405));

    pctVreme = new DrawingBox(this);
    pctVreme->setGeometry(twips(180, 4980, 9135, 135));
    pctVreme->setBackgroundColour(colours::buttonGrey);
    pctVreme->setAccessibleName(QStringLiteral("Време за одговор"));

    const QPixmap opanak = picture(QStringLiteral(":/opanak.gif")); // decoded once, shared by all
    for (int i = 1; i <= kSlots; ++i) {
        const QRect slot = twips(180 + 630 * ((i - 1) % 10), i <= 10 ? 5220 : 5550, 495, 255);
        lblPrazno[i] = label(this, slot, arial(11.25), Qt::AlignHCenter | Qt::AlignTop);
        lblPrazno[i]->setText(QString::number(i));
        nameSlot(i);
        setBackground(lblPrazno[i], colours::slotCyan);
        imgOpan[i] = image(this, slot, opanak);
        imgOpan[i]->setAccessibleName(QStringLiteral("Опанак за питање %1").arg(i));
        setBackground(imgOpan[i], kGrey); // the opanak covers the whole slot, number and all
        imgOpan[i]->hide();
    }
    // Pictures lie under the panels, as on a form where images are drawn on its own surface.
    imgMudrica->lower();
    imgSlika->lower();
}

void MainScreenLayout::setTabOrder()
{
    const QWidget *order[] = {cmdOdgovor[1], cmdOdgovor[2], cmdOdgovor[3], cmdOdgovor[4],
                              cmdLingvar,    cmdLista,      cmdRec,        cmdKraj,
                              cmdDalje,      cmdPrekid,     cmdOglas};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(order[i]), const_cast<QWidget *>(order[i + 1]));
}

void MainScreenLayout::showCounter(QLabel *counter, int value)
{
    counter->setText(QString::number(value));
    counter->setAccessibleName(counter->accessibleDescription() + QStringLiteral(": ") +
                               counter->text());
}

void MainScreenLayout::nameSlot(int slot, const QString &state)
{
    QString name = QStringLiteral("питање %1").arg(slot);
    if (!state.isEmpty())
        name += QStringLiteral(": ") + state;
    lblPrazno[slot]->setAccessibleName(name);
}
