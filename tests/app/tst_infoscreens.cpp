#include "ScreenDialog.h"
#include "ScreenTesting.h"
#include "frmOglas.h"
#include "frmPetGre.h"
#include "frmRec.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<ScreenDialog> makeScreen(const QString &name)
{
    if (name == QLatin1String("frmRec"))
        return std::make_unique<frmRec>();
    if (name == QLatin1String("frmOglas"))
        return std::make_unique<frmOglas>();
    return std::make_unique<frmPetGre>();
}

// Each of these screens has one button, the way out.
QPushButton *exitButton(ScreenDialog *screen)
{
    return screen->findChild<QPushButton *>();
}

// Whether the label shows its whole text, cut neither by its own edges nor by the window's.
bool fits(const QLabel *label, const QRect &window)
{
    const QRect box = label->geometry().intersected(window);
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, box.width(), 10000),
                                           wrap | label->alignment(), label->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

} // namespace

class TestInfoScreens : public QObject
{
    Q_OBJECT
private slots:
    void showsItsTextsAndClosesOnlyThroughItsButton_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QString>("text"); // one the screen shows exactly
        QTest::newRow("about") << "frmRec" << true << QStringLiteral("   мрзети друге.");
        QTest::newRow("notice") << "frmOglas" << false << QStringLiteral("Kako poslati: README.md");
        QTest::newRow("stop, two blanks kept")
            << "frmPetGre" << true
            << QStringLiteral("Потребно је да одговорима на првих десет питања  стекнете најмање "
                              "пет опанака... Покушајте да се измерите поново.");
    }
    void showsItsTextsAndClosesOnlyThroughItsButton()
    {
        QFETCH(QString, screen);
        QFETCH(bool, centred);
        QFETCH(QString, text);
        const std::unique_ptr<ScreenDialog> d = makeScreen(screen);
        QStringList shown;
        QStringList clipped;
        int hidden = 0;
        bool stillOpen = true;
        QPoint centreOffset;
        const ModalRun run = runModal(
            *d,
            [&] {
                for (const QLabel *label : d->findChildren<QLabel *>()) {
                    shown << label->text();
                    hidden += !label->isVisible();
                    if (!fits(label, d->rect()))
                        clipped << label->text();
                }
                centreOffset =
                    d->frameGeometry().center() - d->screen()->availableGeometry().center();
                for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                    QTest::keyClick(keyTarget(d.get()), key);
                    stillOpen = stillOpen && d->isVisible();
                }
                QVERIFY(!d->close());
                stillOpen = stillOpen && d->isVisible();
            },
            [&] { QTest::mouseClick(exitButton(d.get()), Qt::LeftButton); });

        QCOMPARE(run.modal, d.get());
        QVERIFY2(shown.contains(text), qPrintable(shown.join('|')));
        QCOMPARE(hidden, 0);
        // The screens are laid out for Arial, or its metric twin Liberation Sans.
        const QString family = QFontInfo(d->font()).family();
        if (family.contains("Arial") || family.contains("Liberation Sans"))
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('|')));
        else
            qWarning("texts measured in %s, not checked for clipping", qPrintable(family));
        QVERIFY(stillOpen);
        QVERIFY(run.closedByLeave);
        QCOMPARE(run.result, int(QDialog::Accepted));
        if (centred)
            QVERIFY(centreOffset.manhattanLength() <= 2);
    }

    // The blue panel behind the body texts, the navy strip on top, the texts' own colours.
    void noticeScreenColoursAfterLoad()
    {
        frmOglas d;
        QImage shown;
        runModal(
            d, [&] { shown = d.grab().toImage(); }, [&] { d.cmdIzlaz->click(); });
        QVERIFY(!d.Image1->pixmap().isNull());
        QCOMPARE(shown.pixelColor(QPoint(8, 40)), kNoticeBlue); // the window itself
        for (QLabel *l : {d.Label2, d.Label3, d.Label4, d.Label5})
            QCOMPARE(shown.pixelColor(l->geometry().topLeft() + QPoint(2, 2)), kNoticeBlue);
        QCOMPARE(shown.pixelColor(QPoint(d.width() - 6, 8)), QColor(0, 0, 128));
        QCOMPARE(d.Label2->palette().color(QPalette::WindowText), QColor(Qt::white));
        for (QLabel *l : {d.Label3, d.Label5, d.Label4})
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    }
};

QTEST_MAIN(TestInfoScreens)
#include "tst_infoscreens.moc"
