#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

class ColourButton;
class DrawingBox;
class QFrame;

// The controls of the main screen, placed as its layout gives them: the menu row, the
// steelyard frame over the game area, the question, answer and report panels, the counters,
// the time bar and the twenty slots. The screen's behaviour lives in frmGlavna.
class MainScreenLayout : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSlots = 20;

    explicit MainScreenLayout(QWidget *parent = nullptr);

    // Shows a counter's value; a screen reader hears it with the counter's caption.
    static void showCounter(QLabel *counter, int value);
    // Names a slot for screen readers: "питање N", and what became of the question if anything.
    void nameSlot(int slot, const QString &state = QString());

    // menu row
    ColourButton *cmdLingvar, *cmdLista, *cmdRec, *cmdOglas, *cmdKraj;
    // the frame over the game area, and the pictures at the top right
    QFrame *FraMudrica;
    QLabel *imgNaKantaru, *imgMudrica, *imgSlika;
    // game area; arrays are indexed from 1
    QFrame *Picture1, *Picture2, *Picture3, *Picture4, *Picture5, *Picture6, *Picture7;
    QLabel *lblBrPitanja, *lblPitanje, *lblIzvestaj, *lblIzvestaj2;
    std::array<QLabel *, 5> lblOdgovor{};
    std::array<ColourButton *, 5> cmdOdgovor{};
    QLabel *lblBrTacO, *lblBrNetO, *lblBrBezO, *lblBrCrVr;
    ColourButton *cmdDalje, *cmdPrekid;
    DrawingBox *pctVreme;
    std::array<QLabel *, kSlots + 1> lblPrazno{};
    std::array<QLabel *, kSlots + 1> imgOpan{};
    QTimer *Timer1;

private:
    void buildMenuRow();
    void buildPictures();
    void buildGameArea();
    QLabel *buildCounter(QFrame *&box, int top, const char *first, const char *second);
    void setTabOrder();
};
