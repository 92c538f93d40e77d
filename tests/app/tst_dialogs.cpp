#include "ScreenTesting.h"
#include "TestFiles.h"
#include "frmDaNe.h"
#include "frmLista.h"
#include "frmNaslov.h"
#include "frmOglas.h"
#include "frmPetGre.h"
#include "frmRec.h"
#include "frmSkor.h"
#include "frmUpis.h"

#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// Types keys the way a keyboard sends them: a Latin key as its key code, Shift held for
// capitals; anything else as a key press carrying its text, as a layout or input method does.
void typeKeys(QWidget *box, const QString &keys)
{
    for (const char32_t c : keys.toUcs4())
        QTest::sendKeyEvent(
            QTest::Click, box, c < 0x7F ? QTest::asciiToKey(char(c)) : Qt::Key_unknown,
            QString::fromUcs4(&c, 1), QChar::isUpper(c) ? Qt::ShiftModifier : Qt::NoModifier);
}

// Accepts the message box that comes up next and keeps its text.
void answerMessage(QString &text)
{
    QTimer::singleShot(0, [&text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
}

const QByteArray kList("  80  A\r\n  57  B\r\n  40  C\r\n");

std::unique_ptr<ScreenDialog> makeScreen(const QString &name, const std::filesystem::path &folder,
                                         ScoreList &list)
{
    if (name == "frmRec")
        return std::make_unique<frmRec>();
    if (name == "frmOglas")
        return std::make_unique<frmOglas>();
    if (name == "frmPetGre")
        return std::make_unique<frmPetGre>();
    if (name == "frmDaNe")
        return std::make_unique<frmDaNe>();
    if (name == "frmSkor")
        return std::make_unique<frmSkor>();
    if (name == "frmUpis")
        return std::make_unique<frmUpis>(list, folder, std::int16_t(57));
    return std::make_unique<frmLista>(folder);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath(kScoreFileName);
    ScoreList m_list;

private slots:
    void init()
    {
        QVERIFY(writeFile(m_file, kList));
        LoadScoreList(m_list, m_dir.path().toStdString());
    }

    // A screen is left only through its own buttons: keys and the window manager's close do
    // nothing by themselves.
    void onlyTheButtonsLeave_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("how");
        for (const char *screen :
             {"frmRec", "frmOglas", "frmPetGre", "frmDaNe", "frmSkor", "frmUpis", "frmLista"}) {
            for (const char *how : {"Escape", "Return", "close"})
                QTest::addRow("%s, %s", screen, how) << screen << how;
        }
    }
    void onlyTheButtonsLeave()
    {
        QFETCH(QString, screen);
        QFETCH(QString, how);
        auto dlg = makeScreen(screen, m_dir.path().toStdString(), m_list);
        const ModalRun run = runModal(*dlg, [] {}, [&] { tryToLeave(dlg.get(), how); });
        QVERIFY(!run.closedByLeave);
        QCOMPARE(readFile(m_file), kList);
    }

    // Latin letter keys, y aside, and ten punctuation keys give the Cyrillic letter at their
    // place; the rest passes unchanged. Only what the list file can hold gets into the box.
    void theNameBoxTakes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted"); // after what was typed
        QTest::addColumn<QString>("shown");
        QTest::newRow("a-j, the eleventh refused") << "abcdefghijk" << "" << "абцдефгхиј";
        QTest::newRow("k-t") << "klmnopqrst" << "" << "клмнопљрст";
        QTest::newRow("u-z") << "uvwxyz" << "" << "увњџyз";
        QTest::newRow("A-J") << "ABCDEFGHIJ" << "" << "АБЦДЕФГХИЈ";
        QTest::newRow("nothing pasted past ten") << "KLMNOPQRST" << "UVWXYZ" << "КЛМНОПЉРСТ";
        QTest::newRow("U-Z") << "UVWXYZ" << "" << "УВЊЏYЗ";
        QTest::newRow("punctuation") << "[]\\;'{}|:\"" << "" << "шђжчћШЂЖЧЋ";
        QTest::newRow("beside the tables") << " 09@`^_~,./" << "" << " 09@`^_~,.";
        QTest::newRow("Cyrillic") << "жЂшЧћЏљЊјЁ" << "" << "жЂшЧћЏљЊјЁ";
        QTest::newRow("typed Greek and emoji") << "Anaα😀€" << "" << "Ана€";
        QTest::newRow("pasted Ђура") << "Ana" << "Ђура" << "АнаЂура";
        QTest::newRow("pasted with a tab") << "Ana" << "a\tb" << "Ана";
    }
    void theNameBoxTakes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        frmUpis dlg(m_list, m_dir.path().toStdString(), 57);
        typeKeys(dlg.txtIme, typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            dlg.txtIme->paste();
        }
        QCOMPARE(dlg.txtIme->text(), shown);
    }

    // "Излаз" with a name stores the line below the equal score; a blank name or a list that
    // cannot be written keeps the screen open and the file as it was.
    void storingAName_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cause"); // of a failed save, as the message names it
        QTest::addColumn<QString>("stored"); // null when nothing may be stored
        QTest::newRow("a name") << "Igra;" << "" << "Играч";
        QTest::newRow("a blank kept in front") << " Ana" << "" << " Ана";
        QTest::newRow("blanks only") << "   " << "" << QString();
        QTest::newRow("the folder is gone") << "Ana" << "фасцикла листе не постоји" << QString();
        QTest::newRow("a write-protected list")
            << "Ana" << "датотека листе је заштићена од уписа" << QString();
    }
    void storingAName()
    {
        QFETCH(QString, keys);
        QFETCH(QString, cause);
        QFETCH(QString, stored);
        const bool gone = cause.contains("фасцикла");
        const std::string folder = gone ? m_file.toStdString() : m_dir.path().toStdString();
        if (cause.contains("заштићена"))
            QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::ReadGroup));
        frmUpis dlg(m_list, folder, 57);
        QString message;
        bool stayed = false;
        const ModalRun run = runModal(
            dlg, [&] { typeKeys(dlg.txtIme, keys); },
            [&] {
                answerMessage(message);
                dlg.cmdIzlaz->click();
                stayed = dlg.isVisible();
                if (stayed)
                    dlg.cmdOdustani->click();
            });
        QCOMPARE(stayed, stored.isNull());
        QCOMPARE(run.result, stored.isNull() ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QByteArray file = kList;
        if (!stored.isNull())
            file.insert(18, "  57  " + windows1251(stored).leftJustified(12) +
                                QDate::currentDate().toString("dd.MM.yyyy.").toLatin1() + "\r\n");
        QCOMPARE(readFile(m_file), file);
        QCOMPARE(message.isEmpty(), cause.isEmpty());
        QVERIFY2(cause.isEmpty() || (message.contains(cause) &&
                                     message.endsWith("остала каква је била.")),
                 qPrintable(message));
        QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner);
    }

    void theListShowsAndClears()
    {
        const QString folder = m_dir.path();
        frmLista lista(folder.toStdString());
        QCOMPARE(rows(lista.List1), (QStringList{"  1.  80  A", "  2.  57  B", "  3.  40  C"}));
        QCOMPARE(lista.focusWidget(), lista.cmdIzlaz);
        QCOMPARE(tabOrder(lista.cmdIzlaz), (QList<QWidget *>{lista.cmdIzlaz, lista.List1, lista.cmdBrisi}));
        lista.cmdBrisi->click();
        QCOMPARE(rows(lista.List1), QStringList{" Нема уписаних."});
        QVERIFY(!lista.cmdBrisi->isEnabled() && !QFile::exists(m_file));
        QCOMPARE(rows(frmLista(folder.toStdString()).List1), QStringList{" Нема уписаних."});
    }

    // A list that cannot be deleted is said so, and the screen shows what the file still holds.
    void aListThatStaysIsShown()
    {
        frmLista lista(m_dir.path().toStdString());
        QVERIFY(QFile::remove(m_file) && QDir(m_dir.path()).mkpath(m_file + "/x"));
        QString message;
        answerMessage(message);
        lista.cmdBrisi->click();
        QVERIFY2(message.startsWith("Листа није поништена"), qPrintable(message));
        QCOMPARE(rows(lista.List1), QStringList{" Нема уписаних."});
        QVERIFY(QDir(m_file).exists());
        QDir(m_file).removeRecursively();
    }

    void theTitleHandsOverAtTheTwentiethTick()
    {
        std::unique_ptr<QWidget> main;
        frmNaslov w([&] {
            main = std::make_unique<QWidget>();
            return main.get();
        });
        QVERIFY(w.isVisible() && !main->isVisible());
        QCOMPARE(w.Timer1->interval(), 100);
        for (int tick = 1; tick < 20; ++tick)
            w.Timer1_Timer();
        QVERIFY(!main->isVisible() && w.isVisible());
        w.Timer1_Timer();
        QVERIFY(main->isVisible() && !w.isVisible() && !w.Timer1->isActive());

        std::unique_ptr<QWidget> other; // closed by the window manager before its time
        frmNaslov early([&] {
            other = std::make_unique<QWidget>();
            return other.get();
        });
        early.Timer1_Timer();
        early.close();
        QVERIFY(other->isVisible() && !early.Timer1->isActive());
    }

    // Each screen opens with the focus where the player starts, and Tab goes on in order;
    // Space on the result screen's first focus leaves it without an entry.
    void theFocusOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("result") << "frmSkor" << QStringList{"Излаз", "Да", "Не"};
        QTest::newRow("name entry") << "frmUpis" << QStringList{"", "Излаз", "Одустани"};
        QTest::newRow("list") << "frmLista" << QStringList{"Излаз", "", "Поништи листу"};
        QTest::newRow("exit") << "frmDaNe" << QStringList{"Да", "Не"};
    }
    void theFocusOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        auto dlg = makeScreen(screen, m_dir.path().toStdString(), m_list);
        QStringList seen;
        const ModalRun run = runModal(
            *dlg,
            [&] {
                for (QWidget *w : tabOrder(dlg->focusWidget())) {
                    auto *button = qobject_cast<QPushButton *>(w);
                    seen << (button ? button->text() : QString(""));
                }
            },
            [&] {
                if (screen == "frmSkor")
                    QTest::keyClick(dlg->focusWidget(), Qt::Key_Space);
            });
        QCOMPARE(seen, order);
        if (screen == "frmSkor")
            QVERIFY(run.closedByLeave && run.result == QDialog::Rejected);
    }

    // The credits of the about screen fit their labels, which keep the widths of the layout.
    void theAboutScreenShowsWholeLines()
    {
        frmRec rec;
        QCOMPARE(rec.Label4->width(), 369);
        for (const QLabel *l : rec.findChildren<QLabel *>()) {
            const int wrap = l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect needed = l->fontMetrics().boundingRect(
                QRect(0, 0, l->width(), 1000), wrap | l->alignment(), l->text());
            QVERIFY2(needed.width() <= l->width() && needed.height() <= l->height(),
                     qPrintable(l->text()));
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
