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
    // Lines end at CR LF or a lone CR, the last one needs no end, and a bare LF is text: a wrong
    // split leaves a record without separators or moves a marker, and the bank is refused.
    void blockSizesComeFromMarkerPositions_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("firstBlock");
        auto lines = testbank::lines(testbank::kSmallest);
        const auto bytes = QByteArray::fromStdString(testbank::join(lines));
        QTest::newRow("CR LF after the last marker") << bytes << 2;
        QTest::newRow("nothing after the last marker") << bytes.chopped(2) << 2;
        QTest::newRow("lone CR") << QByteArray::fromStdString(testbank::join(lines, "\r")) << 2;
        lines[3].insert(1, "\n");
        QTest::newRow("bare LF") << QByteArray::fromStdString(testbank::join(lines)) << 2;
        // Genuine Windows-1251 text is not taken for UTF-8: plain ASCII, or Cyrillic holding a
        // pair that UTF-8 would read as one character (Н“ is U+0353).
        const auto cyrillic = lines;
        for (auto &line : lines)
            line = line == "**" ? line : testbank::record("S", {"a", "b"});
        QTest::newRow("ASCII only") << QByteArray::fromStdString(testbank::join(lines)) << 2;
        lines = cyrillic;
        lines[5] = testbank::record("Који лист је „НИН“?", {"недељник", "дневник"});
        QTest::newRow("a valid UTF-8 pair")
            << QByteArray::fromStdString(testbank::join(lines)) << 2;
        lines[0] = "**" + lines[0];
        lines.insert(lines.begin() + 1, "**" + testbank::record("", {"b", "c"}));
        QTest::newRow("lines starting with asterisks")
            << QByteArray::fromStdString(testbank::join(lines)) << 3;
    }
    void blockSizesComeFromMarkerPositions()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, firstBlock);
        QuestionBank b;
        Random random({0.5});
        QVERIFY_THROWS_NO_EXCEPTION(
            LoadQuestionBankBytes(b, bytes.toStdString(), kBankFileName, random));
        const std::array<std::int16_t, 7> size = {0, std::int16_t(firstBlock), 3, 6, 4, 3, 2};
        QVERIFY(b.blockSize == size);
        for (int k = 1, end = 0; k <= 6; ++k)
            QCOMPARE(b.blockEnd[k], end += size[k]);
        QCOMPARE(b.questionCount, b.blockEnd[6]);
        QCOMPARE(b.blockNumber, 6);
    }

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
        b.blockSize[2] = 3;
        b.blockOrder[2] = {0, 1, 2, 3};
        Random random({0.9, 0.9, 0.0}); // r = 3, 3, 1: [3 2 1] -> [3 1 2] -> [2 1 3]
        ShuffleBlock(b, 2, random);
        QCOMPARE(b.blockOrder[2][1] * 100 + b.blockOrder[2][2] * 10 + b.blockOrder[2][3], 213);
    }

    void onlyAWholeKindCodeStandsForItsLine()
    {
        for (const char *head : {"j", "SS", "Ко је писац?"})
            QCOMPARE(cp1251::toUtf8(QuestionLine(cp1251::literal(head))), std::string(head));
    }

    // Each row is the smallest playable bank with exactly one fault.
    void refusesABrokenBank_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("fileName"); // as a disk that ignores letter case may hold it
        auto row = [](const char *name, const std::vector<std::string> &lines, int line,
                      const char *reason, const char *end = "\r\n",
                      const char *file = kBankFileName) {
            QTest::newRow(name) << QByteArray::fromStdString(testbank::join(lines, end)) << line
                                << QString::fromUtf8(reason) << file;
        };
        using testbank::lines, testbank::record;
        const auto base = lines(testbank::kSmallest); // 26 lines
        auto with = [&base](std::size_t line, const std::string &text) {
            auto out = base;
            out.resize(std::max(line, out.size()));
            out[line - 1] = text;
            return out;
        };
        row("601 records", lines({39, 300, 262, 4, 3, 2}), 603, "више од 600");
        row("301 in a block", lines({2, 301, 6, 4, 3, 2}), 304, "више од 300");
        row("40 picture questions", lines({40, 3, 6, 4, 3, 2}), 40, "више од 39");
        row("seventh marker", with(27, "**"), 27, "седма");
        row("record after the sixth marker", with(27, base[0]), 27, "после шесте");
        row("five markers", {base.begin(), base.end() - 1}, 25, "само 5 од шест");
        row("block under its quota", lines({2, 3, 5, 4, 3, 2}), 13, "блок 3 има 5 питања");
        row("block of one under its quota", lines({2, 1, 6, 4, 3, 2}), 5, "блок 2 има 1 питање,");
        row("stored byte above 245", with(5, "\xF6" + base[4].substr(1)), 5, "бајт 246 на месту 1");
        row("record without separator", with(8, "abc"), 8, "знак за раздвајање");
        row("empty line from CR CR LF", with(1, base[0] + "\r"), 2, "знак за раздвајање");
        row("one answer", with(10, record("h", {"a"})), 10, "1 одговор,");
        row("five answers", with(10, record("h", {"a", "b", "c", "d", "e"})), 10, "5 одговора");
        row("text after the last separator is no answer", with(10, record("h", {"a"}) + "b"), 10,
            "1 одговор,");
        row("empty file", {}, 0, "само 0 од шест");
        row("lines ended by LF", base, 0, "LF, а не CR LF", "\n");
        // The same bank with its text saved as UTF-8 (two- and three-byte characters), still
        // lowered by 10.
        auto utf8 = with(6, record("Лист „НИН“?", {"недељник", "дневник"}));
        for (auto &line : utf8)
            line = EncodeText(cp1251::toUtf8(DecodeText(line)));
        row("saved as UTF-8", utf8, 0, "сачувана као UTF-8, а не у кодној страни Windows-1251");
        row("name in capitals", with(8, "abc"), 8, "знак за раздвајање", "\r\n", "PITANJA.DAT");
        QTest::newRow("missing file") << QByteArray() << 0 << "не постоји" << kBankFileName;
    }
    void refusesABrokenBank()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString file = dir.filePath(fileName);
        if (!bytes.isNull())
            testbank::write(file.toStdString(), bytes.toStdString());
        QuestionBank bank;
        bank.questionCount = 7;
        Random random({0.5});
        try {
            LoadQuestionBank(bank, dir.path().toStdString(), random);
            QFAIL("a broken bank loaded");
        } catch (const BankError &e) {
            const QString message = QString::fromUtf8(e.what());
            QCOMPARE(e.line(), line);
            QVERIFY2(message.contains(reason), qPrintable(message));
            QVERIFY(message.startsWith("Датотека „" + file + "“"));
            QCOMPARE(message.contains(QStringLiteral(", ред %1:").arg(line)), line > 0);
        }
        QCOMPARE(bank.questionCount, 7); // nothing changed
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
