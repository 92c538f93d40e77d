#include "BankBuilder.h"
#include "QuestionBank.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <numeric>

class TestQuestionBank : public QObject
{
    Q_OBJECT
private slots:
    void everyBlockIsShuffledWithinItself_data()
    {
        QTest::addColumn<QList<double>>("sequence");
        QTest::newRow("middle") << QList<double>{0.5};
        QTest::newRow("edges") << QList<double>{0.0, 0.9999999};
        QTest::newRow("mixed") << QList<double>{0.13, 0.71, 0.42, 0.99, 0.01, 0.66, 0.3};
    }
    void everyBlockIsShuffledWithinItself()
    {
        QFETCH(QList<double>, sequence);
        QuestionBank b;
        b.blockCursor.fill(5), b.blockOrder[6].fill(9); // what an earlier game left behind
        Random random({sequence.begin(), sequence.end()});
        QVERIFY_THROWS_NO_EXCEPTION(LoadQuestionBankBytes(
            b, testbank::bytes({39, 45, 90, 60, 45, 30}), kBankFileName, random));
        for (int k = 1, first = 1; k <= 6; first += b.blockSize[k++]) {
            const auto order = b.blockOrder[k].begin();
            std::vector<int> held(order + 1, order + 1 + b.blockSize[k]), all(held.size());
            std::sort(held.begin(), held.end());
            std::iota(all.begin(), all.end(), first);
            QVERIFY(held == all);
            QCOMPARE(order[b.blockSize[k] + 1], 0);
            QCOMPARE(b.blockCursor[k], 0);
        }
    }

    void shuffleDrawsFromTheWholeBlockAtEveryStep()
    {
        QuestionBank b;
        b.blockSize[2] = 3, b.blockOrder[2] = {0, 1, 2, 3};
        Random random({0.9, 0.9, 0.0}); // r = 3, 3, 1: [3 2 1] -> [3 1 2] -> [2 1 3]
        ShuffleBlock(b, 2, random);
        QCOMPARE(b.blockOrder[2][1] * 100 + b.blockOrder[2][2] * 10 + b.blockOrder[2][3], 213);
    }

    void onlyAWholeKindCodeStandsForItsLine()
    {
        for (const char *head : {"j", "SS", "Ко је писац?"})
            QCOMPARE(cp1251::toUtf8(QuestionLine(cp1251::literal(head))), std::string(head));
    }

    // A row with a reason is the smallest playable bank with exactly one fault; one without loads
    // with the blocks of that bank.
    void loadsOrRefusesTheBank_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("fileName"); // as a disk that ignores letter case may hold it
        auto row = [](const char *name, const std::string &bytes, int line = 0,
                      const char *reason = "", const char *file = kBankFileName) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes) << line
                                << QString::fromUtf8(reason) << file;
        };
        using testbank::bytes, testbank::join, testbank::lines, testbank::record;
        const auto base = lines(testbank::kSmallest); // 26 lines
        auto with = [&base](std::size_t line, const std::string &text) {
            auto out = base;
            out.resize(std::max(line, out.size()));
            out[line - 1] = text;
            return testbank::join(out);
        };
        // Lines end at CR LF or a lone CR, the last one needs no end, and a bare LF is text: a
        // wrong split leaves a record without separators or moves a marker.
        row("CR LF after the last marker", join(base));
        row("nothing after the last marker", join(base).erase(join(base).size() - 2));
        row("lone CR", join(base, "\r"));
        row("bare LF", with(4, base[3].substr(0, 1) + "\n" + base[3].substr(1)));
        auto stars = base;
        stars[0] = "**" + base[0], stars[1] = "**" + record("", {"b", "c"});
        row("lines starting with asterisks", join(stars));
        // Genuine Windows-1251 text is not taken for UTF-8: plain ASCII, or Cyrillic holding a
        // pair that UTF-8 would read as one character (Н“ is U+0353).
        auto ascii = base;
        for (auto &line : ascii)
            line = line == "**" ? line : record("S", {"a", "b"});
        row("ASCII only", join(ascii));
        const auto nin = with(6, record("Који лист је „НИН“?", {"недељник", "дневник"}));
        row("a valid UTF-8 pair", nin);
        row("601 records", bytes({39, 300, 262, 4, 3, 2}), 603, "више од 600");
        row("301 in a block", bytes({2, 301, 6, 4, 3, 2}), 304, "више од 300");
        row("40 picture questions", bytes({40, 3, 6, 4, 3, 2}), 40, "више од 39");
        row("seventh marker", with(27, "**"), 27, "седма");
        row("record after the sixth marker", with(27, base[0]), 27, "после шесте");
        row("five markers", join({base.begin(), base.end() - 1}), 25, "само 5 од шест");
        row("block under its quota", bytes({2, 3, 5, 4, 3, 2}), 13, "блок 3 има 5 питања");
        row("block of one under its quota", bytes({2, 1, 6, 4, 3, 2}), 5, "блок 2 има 1 питање,");
        row("stored byte above 245", with(5, "\xF6" + base[4].substr(1)), 5, "бајт 246 на месту 1");
        row("record without separator", with(8, "abc"), 8, "знак за раздвајање");
        row("empty line from CR CR LF", with(1, base[0] + "\r"), 2, "знак за раздвајање");
        row("one answer", with(10, record("h", {"a"})), 10, "1 одговор,");
        row("five answers", with(10, record("h", {"a", "b", "c", "d", "e"})), 10, "5 одговора");
        row("text after the last separator", with(10, record("h", {"a"}) + "b"), 10, "1 одговор,");
        row("empty file", "", 0, "само 0 од шест");
        row("lines ended by LF", join(base, "\n"), 0, "LF, а не CR LF");
        // The same bank with its text saved as UTF-8, still lowered by 10.
        row("saved as UTF-8", EncodeText(cp1251::toUtf8(DecodeText(nin))), 0, "сачувана као UTF-8");
        row("name in capitals", with(8, "abc"), 8, "знак за раздвајање", "PITANJA.DAT");
        QTest::newRow("missing file") << QByteArray() << 0 << "не постоји" << kBankFileName;
    }
    void loadsOrRefusesTheBank()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString file = dir.filePath(fileName);
        if (!bytes.isNull())
            testbank::write(file.toStdString(), bytes.toStdString());
        QuestionBank b{.questionCount = 7};
        Random random({0.5});
        try {
            LoadQuestionBank(b, dir.path().toStdString(), random);
            QVERIFY2(reason.isEmpty(), "a broken bank loaded");
        } catch (const BankError &e) {
            const QString message = QString::fromUtf8(e.what());
            const QString where = line > 0 ? QStringLiteral(", ред %1").arg(line) : "";
            QVERIFY2(!reason.isEmpty() && message.contains(reason) &&
                         message.startsWith("Датотека „" + file + "“" + where + ": "),
                     qPrintable(message));
            QCOMPARE(e.line(), line);
            QCOMPARE(b.questionCount, 7); // nothing changed
            return;
        }
        QVERIFY((b.blockSize == decltype(b.blockSize){0, 2, 3, 6, 4, 3, 2}));
        QVERIFY((b.blockEnd == decltype(b.blockEnd){0, 2, 5, 11, 15, 18, 20}));
        QCOMPARE(b.questionCount, 20);
        QCOMPARE(b.blockNumber, 6);
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
