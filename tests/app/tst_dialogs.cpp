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
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

// Types keys the way a keyboard sends them: a Latin key as its key code, Shift held for
// capitals; anything else as a key press carrying its text, as a layout or input method does.
static void typeKeys(QWidget *box, const QString &keys)
{
    for (const char32_t c : keys.toUcs4())
        QTest::sendKeyEvent(
            QTest::Click, box, c < 0x7F ? QTest::asciiToKey(char(c)) : Qt::Key_unknown,
            QString::fromUcs4(&c, 1), QChar::isUpper(c) ? Qt::ShiftModifier : Qt::NoModifier);
}

// Accepts the message box that comes up next over screen and keeps its text.
static void answerMessage(QWidget *screen, QString &text)
{
    QTimer::singleShot(0, screen, [&text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            text = box->text(), box->accept();
    });
}

const QByteArray kList("  80  A\r\n  57  B\r\n  40  C\r\n");

class TestDialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath(kScoreFileName);
    std::string m_folder = m_dir.path().toStdString();

private slots:
    void init()
    {
        QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner); // after protecting
        QVERIFY(writeFile(m_file, kList));
    }

    // Keys and the window manager's close do nothing; the focus starts where the player does, Tab
    // goes on in order, and Space clicks the first focus, even the result screen's covered "Излаз".
    void theKeysOfEachScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order"); // "" for the list and the name box
        QTest::addColumn<int>("space"); // what exec returns, -1 while the screen stays
        QTest::newRow("result") << "frmSkor" << QStringList{"Излаз", "Да", "Не"} << 0;
        QTest::newRow("name entry") << "frmUpis" << QStringList{"", "Излаз", "Одустани"} << -1;
        QTest::newRow("list") << "frmLista" << QStringList{"Излаз", "", "Поништи листу"} << 1;
        QTest::newRow("exit") << "frmDaNe" << QStringList{"Да", "Не"} << int(frmDaNe::Leave);
        QTest::newRow("about, no first focus") << "frmRec" << QStringList() << -1;
        QTest::newRow("notice, no first focus") << "frmOglas" << QStringList() << -1;
        QTest::newRow("too few, no first focus") << "frmPetGre" << QStringList() << -1;
    }
    void theKeysOfEachScreen()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        QFETCH(int, space);
        const std::map<QString, std::function<ScreenDialog *()>> make{
            {"frmSkor", [] { return new frmSkor; }}, {"frmDaNe", [] { return new frmDaNe; }},
            {"frmRec", [] { return new frmRec; }}, {"frmOglas", [] { return new frmOglas; }},
            {"frmPetGre", [] { return new frmPetGre; }},
            {"frmLista", [&] { return new frmLista(m_folder); }},
            {"frmUpis", [&] { return new frmUpis(m_folder, 57); }}};
        std::unique_ptr<ScreenDialog> dlg(make.at(screen)());
        QStringList seen;
        const int result = runModal(*dlg, [&] {
            QWidget *first = dlg->focusWidget(), *to = first ? first : dlg.get();
            // Key_No stands for the window manager's close.
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_No}) {
                key == Qt::Key_No ? void(dlg->close()) : QTest::keyClick(to, key);
                QVERIFY2(dlg->isVisible(), qPrintable(QKeySequence(key).toString()));
            }
            for (QWidget *w : first ? tabOrder(first) : QList<QWidget *>())
                seen << w->property("text").toString(); // the name box is empty
            QTest::keyClick(to, Qt::Key_Space);
        });
        QCOMPARE(seen, order);
        QCOMPARE(result, space);
    }

    // Latin keys, y aside, and ten punctuation keys type the Cyrillic letter at their place; only
    // what the list file can hold gets in. "Излаз" stores a name below the equal score and closes
    // the screen; a blank name or a failed save keeps the screen and the file as they were.
    void storingAName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted"); // after what was typed
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cause"); // of a failed save, as the message names it
        QTest::newRow("a-j, the eleventh refused") << "abcdefghijk" << "" << "абцдефгхиј" << "";
        QTest::newRow("k-t") << "klmnopqrst" << "" << "клмнопљрст" << "";
        QTest::newRow("u-z, pasted with a tab") << "uvwxyz" << "a\tb" << "увњџyз" << "";
        QTest::newRow("A-J") << "ABCDEFGHIJ" << "" << "АБЦДЕФГХИЈ" << "";
        QTest::newRow("nothing pasted past ten") << "KLMNOPQRST" << "UVWXYZ" << "КЛМНОПЉРСТ" << "";
        QTest::newRow("U-Z, pasted Ђура") << "UVWXYZ" << "Ђура" << "УВЊЏYЗЂура" << "";
        QTest::newRow("punctuation") << "[]\\;'{}|:\"" << "" << "шђжчћШЂЖЧЋ" << "";
        QTest::newRow("beside the tables") << " 09@`^_~,./" << "" << " 09@`^_~,." << "";
        QTest::newRow("Cyrillic and €") << "жЂαшЧ😀ћЏљЊ€Ё" << "" << "жЂшЧћЏљЊ€Ё" << "";
        QTest::newRow("blanks only") << "   " << "" << "   " << "";
        QTest::newRow("the folder is gone") << "Ana" << "" << "Ана" << "фасцикла листе не постоји";
        QTest::newRow("a write-protected list") << "Ana" << "" << "Ана" << "заштићена од уписа";
    }
    void storingAName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, cause);
        if (cause.contains("заштићена"))
            QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner));
        frmUpis dlg(cause.contains("фасцикла") ? m_file.toStdString() : m_folder, 57);
        typeKeys(dlg.txtIme, typed);
        QGuiApplication::clipboard()->setText(pasted);
        dlg.txtIme->paste();
        QCOMPARE(dlg.txtIme->text(), shown);
        QString said;
        const int result = runModal(dlg, [&] { answerMessage(&dlg, said); dlg.cmdIzlaz->click(); });
        const bool stored = cause.isEmpty() && !shown.trimmed().isEmpty();
        QCOMPARE(result, stored ? int(QDialog::Accepted) : -1);
        const QByteArray line = "  57  " + windows1251(shown).leftJustified(12) +
                                QDate::currentDate().toString("dd.MM.yyyy.").toLatin1() + "\r\n";
        QCOMPARE(readFile(m_file), stored ? kList.left(18) + line + kList.mid(18) : kList);
        QVERIFY2(cause.isEmpty() ? said.isEmpty()
                                 : said.contains(cause) && said.endsWith("каква је била."),
                 qPrintable(said));
    }

    // "Поништи листу" empties the list for good; a list that cannot be deleted is said so, and
    // the screen shows what the file holds now.
    void clearingTheList_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("deleted") << true;
        QTest::newRow("changed and write-protected") << false;
    }
    void clearingTheList()
    {
        QFETCH(bool, writable);
        const QStringList lines{"  1.  80  A", "  2.  57  B", "  3.  40  C"};
        frmLista lista(m_folder);
        QCOMPARE(rows(lista.List1), lines);
        if (!writable)
            QVERIFY(writeFile(m_file, kList.left(9)) &&
                    QFile::setPermissions(m_file, QFile::ReadOwner));
        QString said;
        answerMessage(&lista, said);
        lista.cmdBrisi->click();
        QCOMPARE(rows(lista.List1), writable ? QStringList{" Нема уписаних."} : lines.mid(0, 1));
        QVERIFY(lista.cmdBrisi->isEnabled() != writable && QFileInfo::exists(m_file) != writable);
        QVERIFY2(said.startsWith("Листа није поништена") != writable, qPrintable(said));
    }

    // The title screen hands over at its twentieth tick of 100 ms, or at once when closed.
    void theTitleHandsOver()
    {
        for (const bool early : {false, true}) {
            std::unique_ptr<QWidget> main;
            frmNaslov w([&] { return (main = std::make_unique<QWidget>()).get(); });
            for (int tick = 1; tick < (early ? 2 : 20); ++tick)
                w.Timer1_Timer();
            QVERIFY(w.isVisible() && !main->isVisible() && w.Timer1->interval() == 100);
            early ? void(w.close()) : w.Timer1_Timer();
            QVERIFY(main->isVisible() && !w.isVisible() && !w.Timer1->isActive());
        }
    }

    // The credits of the about screen fit their labels.
    void theAboutScreenShowsWholeLines()
    {
        frmRec rec;
        for (const QLabel *l : rec.findChildren<QLabel *>()) {
            const int flags = (l->wordWrap() ? Qt::TextWordWrap : 0) | l->alignment();
            const QSize need =
                l->fontMetrics().boundingRect(0, 0, l->width(), 999, flags, l->text()).size();
            QVERIFY2(need.boundedTo(l->size()) == need, qPrintable(l->text()));
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
