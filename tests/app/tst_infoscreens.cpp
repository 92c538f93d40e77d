#include "ScreenDialog.h"
#include "ScreenTesting.h"
#include "TitleStrip.h"
#include "frmOglas.h"
#include "frmPetGre.h"
#include "frmRec.h"

#include <QFontInfo>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);

// One of the three screens, with its labels and its button by their names in the design.
struct Screen
{
    std::unique_ptr<ScreenDialog> dialog;
    QPushButton *exit = nullptr;
    QMap<QString, QLabel *> labels;
};

Screen makeScreen(const QString &name)
{
    Screen s;
    if (name == QLatin1String("frmRec")) {
        auto *d = new frmRec;
        s.exit = d->cmdIzlaz;
        s.labels = {{"Label1", d->Label1},   {"Label2", d->Label2},   {"Label3", d->Label3},
                    {"Label4", d->Label4},   {"Label5", d->Label5},   {"Label6", d->Label6},
                    {"Label7", d->Label7},   {"Label8", d->Label8},   {"Label9", d->Label9},
                    {"Label10", d->Label10}, {"Label11", d->Label11}, {"Label12", d->Label12},
                    {"Label13", d->Label13}, {"Label14", d->Label14}};
        s.dialog.reset(d);
    } else if (name == QLatin1String("frmOglas")) {
        auto *d = new frmOglas;
        s.exit = d->cmdIzlaz;
        s.labels = {{"Label1", d->Label1},
                    {"Label2", d->Label2},
                    {"Label3", d->Label3},
                    {"Label4", d->Label4},
                    {"Label5", d->Label5}};
        s.dialog.reset(d);
    } else {
        auto *d = new frmPetGre;
        s.exit = d->cmdIzlaz;
        s.labels = {{"Label1", d->Label1}, {"Label2", d->Label2}};
        s.dialog.reset(d);
    }
    return s;
}

const QStringList kScreens = {"frmRec", "frmOglas", "frmPetGre"};

} // namespace

class TestInfoScreens : public QObject
{
    Q_OBJECT
private slots:
    void closesOnlyThroughItsButton_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("centred");
        QTest::newRow("about") << "frmRec" << true;
        QTest::newRow("notice") << "frmOglas" << false;
        QTest::newRow("stop") << "frmPetGre" << true;
    }

    void closesOnlyThroughItsButton()
    {
        QFETCH(QString, screen);
        QFETCH(bool, centred);
        Screen s = makeScreen(screen);
        ScreenDialog *d = s.dialog.get();
        bool stillOpen = true;
        bool closeRefused = false;
        QPoint centreOffset;
        const ModalRun run = runModal(
            *d,
            [&] {
                const QRect available = d->screen()->availableGeometry();
                centreOffset = d->frameGeometry().center() - available.center();
                for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                    QTest::keyClick(keyTarget(d), Qt::Key(key));
                    stillOpen = stillOpen && d->isVisible();
                }
                closeRefused = !d->close();
                stillOpen = stillOpen && d->isVisible();
            },
            [&] { QTest::mouseClick(s.exit, Qt::LeftButton); });

        QCOMPARE(run.modal, d);
        QVERIFY(d->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(stillOpen);
        QVERIFY(closeRefused);
        QVERIFY(run.closedByLeave);
        QCOMPARE(run.result, int(QDialog::Accepted));
        if (centred)
            QVERIFY(centreOffset.manhattanLength() <= 2);
    }

    void showsItsFixedTexts_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor black(Qt::black);
        const QColor white(Qt::white);

        QTest::newRow("stop strip")
            << "frmPetGre"
            << "Label1" << QStringLiteral("  Нема довољно опанака!") << white;
        QTest::newRow("stop text, two blanks kept")
            << "frmPetGre"
            << "Label2"
            << QStringLiteral("Потребно је да одговорима на првих десет питања  стекнете најмање "
                              "пет опанака... Покушајте да се измерите поново.")
            << black;
        QTest::newRow("stop button") << "frmPetGre"
                                     << "cmdIzlaz" << QStringLiteral("Излаз") << QColor();

        QTest::newRow("about strip")
            << "frmRec"
            << "Label1" << QStringLiteral("  Реч, две о програму") << white;
        QTest::newRow("about Label2 empty") << "frmRec"
                                            << "Label2" << QString() << black;
        QTest::newRow("about Label5 empty") << "frmRec"
                                            << "Label5" << QString() << black;
        QTest::newRow("about thanks")
            << "frmRec"
            << "Label14"
            << QStringLiteral("Аутор се захваљује многобројним корисницима прве верзије који су "
                              "му помогли својим примедбама и сугестијама.")
            << black;
        const char *const passage[][2] = {
            {"Label6", "Овај програм намењен је пре свега..."},
            {"Label7", "...онима који осим гибанице и пребранца воле још понешто српско..."},
            {"Label8", "...онима који нису у заблуди да знају матерњи језик само зато што"},
            {"Label9", "   су рођени као Срби..."},
            {"Label10", "...онима који знају да не знају довољно о Србији, Србима, српској"},
            {"Label11", "   историји и култури..."},
            {"Label12", "...а нарочито онима који су свесни да волети свој народ не значи"},
            {"Label13", "   мрзети друге."},
        };
        for (const auto &line : passage)
            QTest::newRow(qPrintable(QStringLiteral("about passage ") + line[0]))
                << "frmRec" << line[0] << QString::fromUtf8(line[1]) << kNavy;
        QTest::newRow("about button") << "frmRec"
                                      << "cmdIzlaz" << QStringLiteral("Излаз") << QColor();
        QTest::newRow("notice button") << "frmOglas"
                                       << "cmdIzlaz" << QStringLiteral("Izlaz") << QColor();
    }

    void showsItsFixedTexts()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        Screen s = makeScreen(screen);
        QLabel *label = s.labels.value(control);
        QWidget *widget = label ? static_cast<QWidget *>(label) : s.exit;
        bool shown = false;
        runModal(
            *s.dialog, [&] { shown = widget->isVisible(); }, [&] { s.exit->click(); });

        QVERIFY(shown);
        QCOMPARE(label ? label->text() : s.exit->text(), text);
        if (colour.isValid())
            QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    void aboutScreenCreditsKeepTheirLeadingWords()
    {
        frmRec d;
        for (const auto &[label, lead] : {std::pair{d.Label3, QStringLiteral("Програмирао: ")},
                                          std::pair{d.Label4, QStringLiteral("Илустровао: ")}}) {
            QVERIFY2(label->text().startsWith(lead), qPrintable(label->text()));
            QVERIFY(!label->text().mid(lead.size()).trimmed().isEmpty());
        }
    }

    // Every time it opens: the blue panel behind the body texts, the navy strip on top.
    void noticeScreenIsABluePanelUnderANavyStrip()
    {
        for (int opening = 1; opening <= 2; ++opening) {
            frmOglas d;
            QImage shown;
            runModal(
                d, [&] { shown = d.grab().toImage(); }, [&] { d.cmdIzlaz->click(); });
            QVERIFY(!shown.isNull());
            const auto at = [&](QLabel *l) { return l->geometry().topLeft() + QPoint(2, 2); };
            QCOMPARE(shown.pixelColor(QPoint(8, 40)), kNoticeBlue); // the window itself
            for (QLabel *l : {d.Label2, d.Label3, d.Label4, d.Label5})
                QCOMPARE(shown.pixelColor(at(l)), kNoticeBlue);
            QCOMPARE(shown.pixelColor(QPoint(d.width() - 6, 8)), kNavy);
            QVERIFY(!d.Label5->autoFillBackground()); // blue only through the window
            QCOMPARE(d.Label2->palette().color(QPalette::WindowText), QColor(Qt::white));
            for (QLabel *l : {d.Label3, d.Label5, d.Label4})
                QCOMPARE(l->palette().color(QPalette::WindowText), kYellow);
            QCOMPARE(d.Label4->font().pointSizeF(), 12.0);
        }
    }

    void noticeScreenSpeaksLatinAndShowsItsPicture()
    {
        frmOglas d;
        const QPixmap picture = d.Image1->pixmap();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), d.Image1->size());
        QVERIFY(d.Label1->text().startsWith(QStringLiteral("  ")));
        const struct
        {
            QLabel *label;
            int fewest, most;
        } lines[] = {{d.Label1, 1, 1},
                     {d.Label2, 4, 6},
                     {d.Label3, 2, 2},
                     {d.Label5, 1, 1},
                     {d.Label4, 1, 1}};
        for (const auto &[label, fewest, most] : lines) {
            const QString text = label->text();
            QVERIFY2(!text.trimmed().isEmpty(), "every text of the notice is written");
            for (QChar c : text)
                QVERIFY2(c.script() != QChar::Script_Cyrillic, qPrintable(text));
            const int count = int(text.count(QLatin1Char('\n'))) + 1;
            QVERIFY2(count >= fewest && count <= most, qPrintable(text));
        }
    }

    // No text may be clipped by its label or by the edge of the window.
    void textsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        for (const QString &screen : kScreens) {
            const Screen s = makeScreen(screen);
            for (auto it = s.labels.cbegin(); it != s.labels.cend(); ++it)
                QTest::newRow(qPrintable(screen + QLatin1Char(' ') + it.key()))
                    << screen << it.key();
        }
    }

    void textsFitTheirLabels()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        Screen s = makeScreen(screen);
        const QLabel *label = s.labels.value(control);
        const QString family = QFontInfo(label->font()).family();
        if (!family.contains(QLatin1String("Liberation Sans")) &&
            !family.contains(QLatin1String("Arial")))
            QSKIP("the screens are laid out for Arial or its metric twin Liberation Sans");

        const QRect box = label->geometry().intersected(s.dialog->rect());
        const QFontMetrics metrics(label->font());
        QRect needed;
        if (label->wordWrap()) {
            needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000),
                                          Qt::TextWordWrap | label->alignment(), label->text());
        } else {
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            for (const QString &line : lines)
                needed.setWidth(qMax(needed.width(), metrics.horizontalAdvance(line)));
            needed.setHeight(int(lines.size()) * metrics.lineSpacing());
        }
        QVERIFY2(needed.width() <= box.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.width()).arg(box.width())));
        QVERIFY2(needed.height() <= box.height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(box.height())));
    }
};

QTEST_MAIN(TestInfoScreens)
#include "tst_infoscreens.moc"
