#include "ScreenTesting.h"
#include "TestFiles.h"
#include "TestModule.h"
#include "frmUpis.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString kLatin = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString kLatinCyrillic = QStringLiteral("абцдефгхијклмнопљрстувњџyз");
const QString kCapitals = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kCapitalsCyrillic = QStringLiteral("АБЦДЕФГХИЈКЛМНОПЉРСТУВЊЏYЗ");
const QString kPunctuation = QStringLiteral("[]\\;'{}|:\"");
const QString kPunctuationCyrillic = QStringLiteral("шђжчћШЂЖЧЋ");

// Types keys the way a Latin keyboard sends them: Shift held for capitals and shifted marks.
void typeKeys(QWidget *box, const QString &keys)
{
    for (const QChar c : keys) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            const bool shifted =
                c.isUpper() || QStringLiteral("{}|:\"~!@#$%^&*()_+<>?").contains(c);
            QTest::keyClick(box, char(c.unicode()), shifted ? Qt::ShiftModifier : Qt::NoModifier);
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// One key press whose text is the whole of text, as a keyboard layout or input method sends it.
void typeText(QWidget *box, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
}

void paste(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->paste();
}

// The list line for name and score, made today.
QByteArray todaysLine(int score, const QString &name)
{
    return QByteArray::number(score).rightJustified(4) + "  " +
           windows1251(name).leftJustified(12) +
           QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy.")).toLatin1();
}

} // namespace

class TestFrmUpis : public QObject
{
    Q_OBJECT
private slots:
    void translatesTypedKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto rows = [](const QString &keys, const QString &letters) {
            for (int i = 0; i < keys.size(); ++i)
                QTest::addRow("%s", qPrintable(keys.mid(i, 1)))
                    << keys.mid(i, 1) << letters.mid(i, 1);
        };
        rows(kLatin, kLatinCyrillic);
        rows(kCapitals, kCapitalsCyrillic);
        rows(kPunctuation, kPunctuationCyrillic);
        const QString unchanged = QStringLiteral("0123456789 .,-/?!`~=+()<>_@#$%^&*"
                                                 "жЖђЂшШчЧћЋџЏљЉњЊјЈёЁ€№");
        for (const QChar c : unchanged)
            QTest::addRow("unchanged %s", qPrintable(QString(c))) << QString(c) << QString(c);
    }
    void translatesTypedKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(QString(TranslateKey(typed.at(0))), shown);
        TestModule t;
        QString tag;
        frmUpis dlg(*t.module, tag);
        dlg.show();
        typeKeys(dlg.txtIme, typed);
        QCOMPARE(dlg.txtIme->text(), shown);
    }

    void keysOutsideTheTablesPassUnchanged()
    {
        const QString translated = kLatin + kCapitals + kPunctuation;
        for (char16_t u = 0; u < 0xFFFF; ++u) {
            const QChar c(u);
            if (!translated.contains(c) || c == u'y' || c == u'Y')
                QCOMPARE(TranslateKey(c), c);
        }
    }

    void aWholeNameTypedOnALatinKeyboard()
    {
        TestModule t;
        QString tag;
        frmUpis dlg(*t.module, tag);
        dlg.show();
        QVERIFY(dlg.txtIme->text().isEmpty());
        typeKeys(dlg.txtIme, QStringLiteral("Qubica"));
        QCOMPARE(dlg.txtIme->text(), QStringLiteral("Љубица"));
        // editing keys still act: Backspace, and Ctrl+A selects what a capital then replaces
        QTest::keyClick(dlg.txtIme, Qt::Key_Backspace);
        QCOMPARE(dlg.txtIme->text(), QStringLiteral("Љубиц"));
        QTest::keyClick(dlg.txtIme, Qt::Key_A, Qt::ControlModifier);
        typeKeys(dlg.txtIme, QStringLiteral("W"));
        QCOMPARE(dlg.txtIme->text(), QStringLiteral("Њ"));
    }

    void theBoxTakesTenCharacters()
    {
        TestModule t;
        QString tag;
        frmUpis dlg(*t.module, tag);
        dlg.show();
        typeKeys(dlg.txtIme, QStringLiteral("abcdefghijk"));
        QCOMPARE(dlg.txtIme->text(), QStringLiteral("абцдефгхиј"));
        dlg.txtIme->clear();
        // pasted text is cut at ten and, not being typed, keeps its Latin letters
        paste(dlg.txtIme, QStringLiteral("Milutinovic"));
        QCOMPARE(dlg.txtIme->text(), QStringLiteral("Milutinovi"));
    }

    void refusesWhatTheListCannotHold_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed emoji") << false << QStringLiteral("😀") << QStringLiteral("Ана");
        QTest::newRow("typed Chinese") << false << QStringLiteral("中") << QStringLiteral("Ана");
        QTest::newRow("typed Greek") << false << QStringLiteral("α") << QStringLiteral("Ана");
        QTest::newRow("typed é") << false << QStringLiteral("é") << QStringLiteral("Ана");
        QTest::newRow("pasted emoji") << true << QStringLiteral("Ж😀") << QStringLiteral("Ана");
        QTest::newRow("pasted Chinese") << true << QStringLiteral("中文") << QStringLiteral("Ана");
        QTest::newRow("pasted tab") << true << QStringLiteral("a\tb") << QStringLiteral("Ана");
        QTest::newRow("typed €") << false << QStringLiteral("€") << QStringLiteral("Ана€");
        QTest::newRow("typed ё") << false << QStringLiteral("ё") << QStringLiteral("Анаё");
        QTest::newRow("pasted №5") << true << QStringLiteral("№5") << QStringLiteral("Ана№5");
        QTest::newRow("pasted Ђура") << true << QStringLiteral("Ђура") << QStringLiteral("АнаЂура");
    }
    void refusesWhatTheListCannotHold()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        TestModule t;
        QString tag;
        frmUpis dlg(*t.module, tag);
        dlg.show();
        typeKeys(dlg.txtIme, QStringLiteral("Ana"));
        if (pasted)
            paste(dlg.txtIme, text);
        else
            typeText(dlg.txtIme, text);
        QCOMPARE(dlg.txtIme->text(), shown);
    }

    void storesTheNameAndReportsL_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("score");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row"); // where the new line stands, from 0
        QTest::newRow("first line") << "Igra;" << 57 << QByteArray() << "Играч" << 0;
        QTest::newRow("blank kept in front") << " Ana" << 5 << QByteArray() << " Ана" << 0;
        QTest::newRow("ten characters")
            << "Petar Petrovi'" << 100 << QByteArray() << "Петар Петр" << 0;
        QTest::newRow("digits and Cyrillic") << "ђ1" << 8 << QByteArray() << "ђ1" << 0;
        QTest::newRow("into an existing list")
            << "Mila" << 57 << QByteArray("  80  A\r\n  57  B\r\n  40  C\r\n") << "Мила" << 2;
    }
    void storesTheNameAndReportsL()
    {
        QFETCH(QString, keys);
        QFETCH(int, score);
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(int, row);
        TestModule t;
        const QString file = t.dir.filePath(kScoreFileName);
        if (!before.isEmpty())
            QVERIFY(writeFile(file, before));
        LoadScoreList(t.module->scoreList, t.module->folders.writeFolder);
        t.module->finalScore = std::int16_t(score);
        QString tag = QStringLiteral("U");
        frmUpis dlg(*t.module, tag);
        bool closed = false;
        whenModal([&](ScreenDialog *) {
            typeKeys(dlg.txtIme, keys);
            dlg.cmdIzlaz->click();
            closed = !dlg.isVisible();
        });
        dlg.exec();
        QVERIFY(closed);
        QCOMPARE(tag, QStringLiteral("L"));
        QByteArrayList lines = before.split('\n');
        lines.removeLast();
        lines.insert(row, todaysLine(score, name) + '\r');
        QCOMPARE(readFile(file), lines.join('\n') + '\n');
        QCOMPARE(int(t.module->scoreList.count), int(lines.size()));
    }

    void aBlankNameKeepsTheScreenOpen_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("empty") << "";
        QTest::newRow("one blank") << " ";
        QTest::newRow("ten blanks") << "          ";
    }
    void aBlankNameKeepsTheScreenOpen()
    {
        QFETCH(QString, keys);
        TestModule t;
        t.module->finalScore = 40;
        QString tag = QStringLiteral("U");
        frmUpis dlg(*t.module, tag);
        bool stayed = false;
        QString tagWhileOpen;
        whenModal([&](ScreenDialog *) {
            typeKeys(dlg.txtIme, keys);
            dlg.cmdIzlaz->click();
            stayed = dlg.isVisible();
            tagWhileOpen = tag;
            dlg.cmdOdustani->click();
        });
        dlg.exec();
        QVERIFY(stayed);
        QCOMPARE(tagWhileOpen, QStringLiteral("U"));
        QVERIFY(tag.isEmpty());
        QVERIFY(!QFile::exists(t.dir.filePath(kScoreFileName)));
        QCOMPARE(int(t.module->scoreList.count), 0);
    }

    void odustaniLeavesTheListAsItWas()
    {
        TestModule t;
        const QString file = t.dir.filePath(kScoreFileName);
        const QByteArray before("  80  A           01.01.2026.\r\n");
        QVERIFY(writeFile(file, before));
        LoadScoreList(t.module->scoreList, t.module->folders.writeFolder);
        t.module->finalScore = 90;
        QString tag = QStringLiteral("U");
        frmUpis dlg(*t.module, tag);
        whenModal([&](ScreenDialog *) {
            typeKeys(dlg.txtIme, QStringLiteral("Ana"));
            dlg.cmdOdustani->click();
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QVERIFY(tag.isEmpty());
        QCOMPARE(readFile(file), before);
    }

    void escapeEnterAndWindowCloseDoNothing()
    {
        TestModule t;
        t.module->finalScore = 40;
        QString tag = QStringLiteral("U");
        frmUpis dlg(*t.module, tag);
        bool stayed = false;
        whenModal([&](ScreenDialog *) {
            typeKeys(dlg.txtIme, QStringLiteral("Ana"));
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(dlg.txtIme, key);
            dlg.close();
            stayed = dlg.isVisible();
        });
        dlg.exec();
        QVERIFY(stayed);
        QCOMPARE(tag, QStringLiteral("U"));
        QVERIFY(!QFile::exists(t.dir.filePath(kScoreFileName)));
    }

    void aFailedWriteWarnsAndKeepsTheScreenOpen()
    {
        TestModule t;
        // the folder for the list is a file, so nothing can be written in it
        t.module->folders.writeFolder = t.path("Pitanja.dat");
        const QByteArray bank = readFile(t.dir.filePath("Pitanja.dat"));
        LoadScoreList(t.module->scoreList, t.module->folders.writeFolder);
        t.module->finalScore = 40;
        QString tag = QStringLiteral("U");
        frmUpis dlg(*t.module, tag);
        QString message;
        bool warning = false;
        bool stayed = false;
        QString tagWhileOpen;
        whenModal([&](ScreenDialog *) {
            typeKeys(dlg.txtIme, QStringLiteral("Ana"));
            QTimer::singleShot(0, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    message = box->text();
                    warning = box->icon() == QMessageBox::Warning;
                    box->accept();
                }
            });
            dlg.cmdIzlaz->click();
            stayed = dlg.isVisible();
            tagWhileOpen = tag;
            QCOMPARE(dlg.txtIme->text(), QStringLiteral("Ана"));
            dlg.cmdOdustani->click();
        });
        dlg.exec();
        QVERIFY(warning);
        QVERIFY(message.startsWith(QStringLiteral("Листа није сачувана")));
        QVERIFY(stayed);
        QCOMPARE(tagWhileOpen, QStringLiteral("U"));
        QCOMPARE(int(t.module->scoreList.count), 0);
        QCOMPARE(readFile(t.dir.filePath("Pitanja.dat")), bank);
    }

    void focusStartsInTheNameBox()
    {
        TestModule t;
        QString tag;
        frmUpis dlg(*t.module, tag);
        dlg.show();
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.txtIme));
        QCOMPARE(tabOrder(dlg.txtIme),
                 (QList<QWidget *>{dlg.txtIme, dlg.cmdIzlaz, dlg.cmdOdustani}));
    }
};

QTEST_MAIN(TestFrmUpis)
#include "tst_frmupis.moc"
