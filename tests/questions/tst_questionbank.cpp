#include "BankBuilder.h"
#include "QuestionBank.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <numeric>

namespace {

QuestionBank load(const std::string &bytes, std::vector<double> sequence = {0.5})
{
    QuestionBank bank;
    Random random(std::move(sequence));
    LoadQuestionBankBytes(bank, bytes, "Pitanja.dat", random);
    return bank;
}

} // namespace

class TestQuestionBank : public QObject
{
    Q_OBJECT
private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArrayList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArrayList{"a", "b"};
        QTest::newRow("bare LF is text") << QByteArray("a\nb\r\nc") << QByteArrayList{"a\nb", "c"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\r\n") << QByteArrayList{"", "", ""};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QByteArrayList{};
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, lines);
        QByteArrayList split;
        for (const std::string &l : SplitLines(bytes.toStdString()))
            split << QByteArray::fromStdString(l);
        QCOMPARE(split, lines);
    }

    void blockSizesComeFromMarkerPositions_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("CR LF after the last marker") << QByteArray("\r\n");
        QTest::newRow("nothing after the last marker") << QByteArray();
    }
    void blockSizesComeFromMarkerPositions()
    {
        QFETCH(QByteArray, ending);
        std::string bytes = testbank::bytes(testbank::kSmallest);
        const QuestionBank b = load(bytes.substr(0, bytes.size() - 2) + ending.toStdString());
        QCOMPARE(b.questionCount, 20);
        QCOMPARE(b.blockNumber, 6);
        QVERIFY((b.blockSize == std::array<std::int16_t, 7>{0, 2, 3, 6, 4, 3, 2}));
        QVERIFY((b.blockEnd == std::array<std::int16_t, 7>{0, 2, 5, 11, 15, 18, 20}));
    }

    void aLineThatMerelyStartsWithAsterisksIsARecord()
    {
        auto lines = testbank::lines(testbank::kSmallest);
        lines[0] = "**" + lines[0];
        lines.insert(lines.begin() + 1, "**" + testbank::record("a", {"b", "c"}));
        const QuestionBank b = load(testbank::join(lines));
        QCOMPARE(b.blockSize[1], 3);
        QCOMPARE(b.questionText[2].substr(0, 3), std::string("**\x01"));
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
        const QuestionBank b =
            load(testbank::bytes({39, 45, 90, 60, 45, 30}), {sequence.begin(), sequence.end()});
        for (int k = 1, first = 1; k <= 6; first += b.blockSize[k++]) {
            const auto order = b.blockOrder[k].begin();
            std::vector<int> held(order + 1, order + 1 + b.blockSize[k]), all(held.size());
            std::sort(held.begin(), held.end());
            std::iota(all.begin(), all.end(), first);
            QVERIFY2(held == all, qPrintable(QString("block %1").arg(k)));
            QCOMPARE(order[b.blockSize[k] + 1], 0);
            QCOMPARE(b.blockCursor[k], 0);
        }
    }

    void shuffleDrawsFromTheWholeBlockAtEveryStep()
    {
        QuestionBank bank;
        bank.blockSize[2] = 3;
        bank.blockOrder[2] = {0, 1, 2, 3};
        Random random({0.9, 0.9, 0.0});
        ShuffleBlock(bank, 2, random);
        // r = 3, 3, 1: [3 2 1] -> [3 1 2] -> [2 1 3]; a draw over j..n alone would differ.
        QVERIFY((std::vector<int>(&bank.blockOrder[2][1], &bank.blockOrder[2][4]) ==
                 std::vector<int>{2, 1, 3}));
    }

    void answerLettersBelongToRowsOneToFour()
    {
        const char *const letters[] = {"", "А", "Б", "В", "Г", ""};
        for (std::int16_t row = 0; row <= 5; ++row)
            QCOMPARE(QString::fromStdString(cp1251::toUtf8(AnswerLetter(row))), letters[row]);
    }

    void questionLine_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("line");
        QTest::newRow("kind code") << "J"
                                   << "Која реченица нема језичку грешку?";
        QTest::newRow("lower-case code is text") << "j"
                                                 << "j";
        QTest::newRow("code and more is text") << "SS"
                                               << "SS";
        QTest::newRow("free text") << "Ко је писац?"
                                   << "Ко је писац?";
    }
    void questionLine()
    {
        QFETCH(QString, head);
        QFETCH(QString, line);
        const std::string shown = QuestionLine(cp1251::literal(head.toStdString()));
        QCOMPARE(QString::fromStdString(cp1251::toUtf8(shown)), line);
    }

    void refusesABrokenBank_data();
    void refusesABrokenBank();
};

// Each row is the smallest playable bank with exactly one fault.
void TestQuestionBank::refusesABrokenBank_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    auto row = [](const char *name, const std::vector<std::string> &lines, int line,
                  const char *reason) {
        QTest::newRow(name) << QByteArray::fromStdString(testbank::join(lines)) << line
                            << QString::fromUtf8(reason);
    };
    using testbank::lines, testbank::record;
    const auto base = lines(testbank::kSmallest); // 26 lines
    auto edit = [&base](int line, const std::string &text) {
        auto out = base;
        out[line - 1] = text;
        return out;
    };
    auto plus = [&base](const std::string &text) {
        auto out = base;
        out.push_back(text);
        return out;
    };
    row("601 records", lines({39, 300, 262, 4, 3, 2}), 603, "више од 600");
    row("301 in a block", lines({2, 301, 6, 4, 3, 2}), 304, "више од 300");
    row("40 picture questions", lines({40, 3, 6, 4, 3, 2}), 40, "више од 39");
    row("seventh marker", plus("**"), 27, "седма");
    row("record after the sixth marker", plus(base[0]), 27, "после шесте");
    row("five markers", {base.begin(), base.end() - 1}, 25, "само 5 од шест");
    row("block under its quota", lines({2, 3, 5, 4, 3, 2}), 13, "блок 3 има 5 питања");
    row("block of one under its quota", lines({2, 1, 6, 4, 3, 2}), 5, "блок 2 има 1 питање,");
    row("stored byte above 245", edit(5, "\xF6" + base[4].substr(1)), 5, "бајт 246 на месту 1");
    row("record without separator", edit(8, "abc"), 8, "знак за раздвајање");
    row("empty line", edit(1, ""), 1, "знак за раздвајање");
    row("one answer", edit(10, record("h", {"a"})), 10, "1 одговор,");
    row("five answers", edit(10, record("h", {"a", "b", "c", "d", "e"})), 10, "5 одговора");
    row("text after the last separator is no answer", edit(10, record("h", {"a"}) + "b"), 10,
        "1 одговор,");
    row("empty file", {}, 0, "само 0 од шест");
    QTest::newRow("missing file") << QByteArray() << 0 << "не постоји";
}

void TestQuestionBank::refusesABrokenBank()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = dir.filePath(kBankFileName);
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

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
