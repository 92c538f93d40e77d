#include "BankBuilder.h"
#include "QuestionBank.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

QStringList asList(const std::vector<std::string> &lines)
{
    QStringList out;
    for (const auto &l : lines)
        out << QString::fromLatin1(l.data(), static_cast<int>(l.size()));
    return out;
}

struct Loaded
{
    QuestionBank bank;
};

Loaded load(const std::string &bytes, std::vector<double> sequence = {0.5})
{
    Loaded l;
    Random random(std::move(sequence));
    LoadQuestionBankBytes(l.bank, bytes, "Pitanja.dat", random);
    return l;
}

} // namespace

class TestQuestionBank : public QObject
{
    Q_OBJECT
private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("bare LF is text") << QByteArray("a\nb\r\nc") << QStringList{"a\nb", "c"};
        QTest::newRow("last line unterminated") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\r\n") << QStringList{"", "", ""};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(asList(SplitLines(std::string_view(bytes.constData(), bytes.size()))), lines);
    }

    void blockSizesComeFromMarkerPositions_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("CR LF after the last marker") << "\r\n";
        QTest::newRow("nothing after the last marker") << "";
    }
    void blockSizesComeFromMarkerPositions()
    {
        QFETCH(QString, ending);
        std::string bytes = testbank::bytes(testbank::kSmallest);
        bytes.resize(bytes.size() - 2);
        bytes += ending.toStdString();
        const Loaded l = load(bytes);
        QCOMPARE(l.bank.questionCount, 20);
        QCOMPARE(l.bank.blockNumber, 6);
        const std::array<std::int16_t, 7> size = {0, 2, 3, 6, 4, 3, 2};
        const std::array<std::int16_t, 7> end = {0, 2, 5, 11, 15, 18, 20};
        QVERIFY(l.bank.blockSize == size);
        QVERIFY(l.bank.blockEnd == end);
    }

    void aLineThatMerelyStartsWithAsterisksIsARecord()
    {
        auto lines = testbank::lines(testbank::kSmallest);
        lines[0] = "**" + lines[0];
        lines.insert(lines.begin() + 1, "**" + std::string(1, FieldSeparator) + "a" +
                                            FieldSeparator + "b" + FieldSeparator);
        const Loaded l = load(testbank::join(lines));
        QCOMPARE(l.bank.blockSize[1], 3);
        QCOMPARE(l.bank.questionText[2].substr(0, 3), std::string("**\x01"));
    }

    void everyBlockIsShuffledWithinItself_data()
    {
        QTest::addColumn<QVector<double>>("sequence");
        QTest::newRow("middle") << QVector<double>{0.5};
        QTest::newRow("edges") << QVector<double>{0.0, 0.9999999};
        QTest::newRow("mixed") << QVector<double>{0.13, 0.71, 0.42, 0.99, 0.01, 0.66, 0.3};
    }
    void everyBlockIsShuffledWithinItself()
    {
        QFETCH(QVector<double>, sequence);
        const Loaded l = load(testbank::bytes({39, 45, 90, 60, 45, 30}),
                              std::vector<double>(sequence.begin(), sequence.end()));
        int first = 1;
        for (int k = 1; k <= 6; ++k) {
            const int n = l.bank.blockSize[k];
            std::vector<int> held(l.bank.blockOrder[k].begin() + 1,
                                  l.bank.blockOrder[k].begin() + 1 + n);
            std::sort(held.begin(), held.end());
            for (int i = 0; i < n; ++i)
                QCOMPARE(held[i], first + i);
            QCOMPARE(l.bank.blockOrder[k][n + 1], 0);
            QCOMPARE(l.bank.blockCursor[k], 0);
            first += n;
        }
    }

    void shuffleDrawsFromTheWholeBlockAtEveryStep()
    {
        QuestionBank bank;
        bank.blockSize[2] = 3;
        bank.blockOrder[2] = {};
        bank.blockOrder[2][1] = 1;
        bank.blockOrder[2][2] = 2;
        bank.blockOrder[2][3] = 3;
        Random random({0.9, 0.9, 0.0});
        ShuffleBlock(bank, 2, random);
        // r = 3, 3, 1: [3 2 1] -> [3 1 2] -> [2 1 3]
        QCOMPARE(bank.blockOrder[2][1], 2);
        QCOMPARE(bank.blockOrder[2][2], 1);
        QCOMPARE(bank.blockOrder[2][3], 3);
    }

    void shuffleOfOneRecordLeavesIt()
    {
        QuestionBank bank;
        bank.blockSize[4] = 1;
        bank.blockOrder[4][1] = 17;
        Random random({0.99});
        ShuffleBlock(bank, 4, random);
        QCOMPARE(bank.blockOrder[4][1], 17);
    }

    void decodeText_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("latin") << QByteArray("\x57\x58\x59") << QByteArray("abc");
        QTest::newRow("cyrillic A") << QByteArray("\xB6") << QByteArray("\xC0");
        QTest::newRow("highest byte") << QByteArray("\xF5") << QByteArray("\xFF");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void decodeText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, text);
        const std::string decoded = DecodeText(stored.toStdString());
        QCOMPARE(QByteArray::fromStdString(decoded), text);
        QCOMPARE(QByteArray::fromStdString(EncodeText(decoded)), stored);
    }

    void answerLetter_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("letter");
        QTest::newRow("1") << 1 << "А";
        QTest::newRow("2") << 2 << "Б";
        QTest::newRow("3") << 3 << "В";
        QTest::newRow("4") << 4 << "Г";
        QTest::newRow("0 has none") << 0 << "";
        QTest::newRow("5 has none") << 5 << "";
    }
    void answerLetter()
    {
        QFETCH(int, row);
        QFETCH(QString, letter);
        QCOMPARE(QString::fromStdString(cp1251::toUtf8(AnswerLetter(static_cast<std::int16_t>(row)))),
                 letter);
    }

    void questionLine_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("line");
        QTest::newRow("J") << "J"
                           << "Која реченица нема језичку грешку?";
        QTest::newRow("P") << "P"
                           << "Која реченица нема правописну грешку?";
        QTest::newRow("{") << "{"
                           << "Шта је боље рећи?";
        QTest::newRow("G") << "G"
                           << "Која реченица нема граматичку грешку?";
        QTest::newRow("S") << "S"
                           << "На слици десно је:";
        QTest::newRow("lower-case j") << "j"
                                      << "j";
        QTest::newRow("code and more") << "SS"
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

    void refusesAMissingFileByName()
    {
        QTemporaryDir dir;
        QuestionBank bank;
        Random random({0.5});
        try {
            LoadQuestionBank(bank, dir.path().toStdString(), random);
            QFAIL("a missing bank loaded");
        } catch (const BankError &e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("Pitanja.dat"));
            QVERIFY(QString::fromUtf8(e.what()).contains("не постоји"));
        }
    }
};

void TestQuestionBank::refusesABrokenBank_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    auto row = [](const char *name, const std::vector<std::string> &lines, int line,
                  const char *reason) {
        QTest::newRow(name) << QByteArray::fromStdString(testbank::join(lines)) << line
                            << QString::fromUtf8(reason);
    };
    using testbank::lines;
    const auto base = lines(testbank::kSmallest); // 26 lines
    const std::string sep(1, FieldSeparator);

    row("601 records", lines({39, 300, 262, 4, 3, 2}), 603, "више од 600");
    row("301 in a block", lines({2, 301, 6, 4, 3, 2}), 304, "више од 300");
    row("40 picture questions", lines({40, 3, 6, 4, 3, 2}), 40, "више од 39");
    auto seventh = base;
    seventh.emplace_back("**");
    row("seventh marker", seventh, 27, "седма");
    auto after = base;
    after.push_back(base[0]);
    row("record after the sixth marker", after, 27, "после шесте");
    auto five = base;
    five.pop_back();
    row("five markers", five, 25, "само 5 од шест");
    row("block under its quota", lines({2, 3, 5, 4, 3, 2}), 13, "блок 3 има 5 питања");
    row("block of one under its quota", lines({2, 1, 6, 4, 3, 2}), 5, "блок 2 има 1 питање,");
    auto high = base;
    high[4][0] = '\xF6';
    row("stored byte above 245", high, 5, "бајт 246 на месту 1");
    auto noSeparator = base;
    noSeparator[7] = "abc";
    row("record without separator", noSeparator, 8, "знак за раздвајање");
    auto emptyLine = base;
    emptyLine[0].clear();
    row("empty line", emptyLine, 1, "знак за раздвајање");
    auto one = base;
    one[9] = "h" + sep + "a" + sep;
    row("one answer", one, 10, "1 одговор,");
    auto fiveAnswers = base;
    fiveAnswers[9] = "h" + sep + "a" + sep + "b" + sep + "c" + sep + "d" + sep + "e" + sep;
    row("five answers", fiveAnswers, 10, "5 одговора");
    auto trailingOnly = base;
    trailingOnly[9] = "h" + sep + "a" + sep + "b";
    row("text after the last separator is no answer", trailingOnly, 10, "1 одговор,");
    row("empty file", {}, 0, "само 0 од шест");
}

void TestQuestionBank::refusesABrokenBank()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QuestionBank bank;
    bank.questionCount = 7;
    Random random({0.5});
    try {
        LoadQuestionBankBytes(bank, bytes.toStdString(), "/x/Pitanja.dat", random);
        QFAIL("a broken bank loaded");
    } catch (const BankError &e) {
        const QString message = QString::fromUtf8(e.what());
        QCOMPARE(e.line(), line);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(message.startsWith("Датотека „/x/Pitanja.dat“"));
        if (line > 0)
            QVERIFY(message.contains(QStringLiteral("ред %1:").arg(line)));
    }
    QCOMPARE(bank.questionCount, 7); // nothing changed
}

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
