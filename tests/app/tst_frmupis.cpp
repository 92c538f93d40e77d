#include "ScreenTesting.h"
#include "TestFiles.h"
#include "TestModule.h"
#include "frmUpis.h"

#include <QClipboard>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// Types keys the way a keyboard sends them: a Latin key as its key code, Shift held for capitals;
// anything else as a key press carrying its text, as a keyboard layout or input method sends it.
void typeKeys(QWidget *box, const QString &keys)
{
    for (const char32_t c : keys.toUcs4())
        QTest::sendKeyEvent(
            QTest::Click, box, c < 0x7F ? QTest::asciiToKey(char(c)) : Qt::Key_unknown,
            QString::fromUcs4(&c, 1), QChar::isUpper(c) ? Qt::ShiftModifier : Qt::NoModifier);
}

const QByteArray kList("  80  A\r\n  57  B\r\n  40  C\r\n");

// The screen at the end of a game worth 57 points, with the list file holding kList loaded.
struct Upis
{
    Upis()
    {
        if (!writeFile(file, kList))
            qFatal("cannot write %s", qPrintable(file));
        LoadScoreList(t.module->scoreList, t.module->folders.writeFolder);
        t.module->finalScore = 57;
    }

    TestModule t;
    const QString file = t.dir.filePath(kScoreFileName);
    QString tag = QStringLiteral("U");
    frmUpis dlg{*t.module, tag};
};

} // namespace

class TestFrmUpis : public QObject
{
    Q_OBJECT
private slots:
    // Latin letter keys, y aside, and ten punctuation keys give the Cyrillic letter at their
    // place on the keyboard; the rest passes unchanged. Only printable Windows-1251 characters,
    // which the list file can hold, get into the box.
    void nameBoxTakes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted"); // after what was typed
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *typed, const char *pasted,
                            const char *shown) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(pasted)
                                << QString::fromUtf8(shown);
        };
        row("a-j, the eleventh refused", "abcdefghijk", "", "абцдефгхиј");
        row("k-t", "klmnopqrst", "", "клмнопљрст");
        row("u-z", "uvwxyz", "", "увњџyз");
        row("A-J", "ABCDEFGHIJ", "", "АБЦДЕФГХИЈ");
        row("K-T", "KLMNOPQRST", "", "КЛМНОПЉРСТ");
        row("U-Z", "UVWXYZ", "", "УВЊЏYЗ");
        row("punctuation", "[]\\;'{}|:\"", "", "шђжчћШЂЖЧЋ");
        row("digits", "0123456789", "", "0123456789");
        row("keys beside the tables", " @`^_~,./-", "", " @`^_~,./-");
        row("Cyrillic", "жЂшЧћЏљЊјЁ", "", "жЂшЧћЏљЊјЁ");
        row("typed €", "Ana€", "", "Ана€");
        row("typed Greek", "Anaα", "", "Ана");
        row("typed é", "Anaé", "", "Ана");
        row("typed emoji", "Ana😀", "", "Ана");
        row("pasted Ђура", "Ana", "Ђура", "АнаЂура");
        row("pasted emoji", "Ana", "Ж😀", "Ана");
        row("pasted tab", "Ana", "a\tb", "Ана");
        row("pasted, cut at ten", "Ana", "Milutinovic", "АнаMilutin");
    }
    void nameBoxTakes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        Upis u;
        typeKeys(u.dlg.txtIme, typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            u.dlg.txtIme->paste();
        }
        QCOMPARE(u.dlg.txtIme->text(), shown);
    }

    // "Излаз" with a name stores it and reports "L". A blank name, a failed save, keys and the
    // close request leave the screen open; "Одустани" then leaves without writing and empties
    // the tag.
    void izlazStoresOdustaniDoesNot_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("how");    // "Izlaz", "failed save", or how tryToLeave tries
        QTest::addColumn<QString>("stored"); // the name in the new line; null when none is added
        const auto row = [](const char *name, const char *keys, const char *how,
                            const char *stored = nullptr) {
            QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(how)
                                << QString::fromUtf8(stored);
        };
        row("name, below an equal score", "Igra;", "Izlaz", "Играч");
        row("blank kept in front", " Ana", "Izlaz", " Ана");
        row("empty name", "", "Izlaz");
        row("one blank", " ", "Izlaz");
        row("ten blanks", "          ", "Izlaz");
        row("failed save", "Ana", "failed save");
        for (const char *how : {"Escape", "Return", "Enter", "close"})
            row(how, "Ana", how);
    }
    void izlazStoresOdustaniDoesNot()
    {
        QFETCH(QString, keys);
        QFETCH(QString, how);
        QFETCH(QString, stored);
        Upis u;
        if (how == "failed save") // the list's folder is a file, so nothing can be written in it
            u.t.module->folders.writeFolder = u.t.path("Pitanja.dat");
        QString message;
        bool stayed = false;
        QString tagWhileOpen;
        whenModal([&](ScreenDialog *screen) {
            typeKeys(u.dlg.txtIme, keys);
            QTimer::singleShot(0, &u.dlg, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (box && box->icon() == QMessageBox::Warning)
                    message = box->text();
                if (box)
                    box->accept();
            });
            if (how == "Izlaz" || how == "failed save")
                u.dlg.cmdIzlaz->click();
            else
                tryToLeave(screen, how);
            stayed = screen->isVisible();
            tagWhileOpen = u.tag;
            if (stayed)
                u.dlg.cmdOdustani->click();
        });
        QCOMPARE(u.dlg.exec(), int(QDialog::Accepted));
        QByteArray file = kList;
        if (stored.isNull()) {
            QVERIFY(stayed);
            QCOMPARE(tagWhileOpen, QStringLiteral("U"));
            QVERIFY(u.tag.isEmpty());
        } else {
            QVERIFY(!stayed);
            QCOMPARE(u.tag, QStringLiteral("L"));
            file.insert(18, "  57  " + windows1251(stored).leftJustified(12) +
                                QDate::currentDate().toString("dd.MM.yyyy.").toLatin1() + "\r\n");
        }
        QCOMPARE(readFile(u.file), file);
        QCOMPARE(int(u.t.module->scoreList.count), stored.isNull() ? 3 : 4);
        QVERIFY2(message.startsWith(QStringLiteral("Листа није сачувана")) ==
                     (how == "failed save"),
                 qPrintable(message));
    }
};

QTEST_MAIN(TestFrmUpis)
#include "tst_frmupis.moc"
