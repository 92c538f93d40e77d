#include "BankBuilder.h"
#include "QuizSession.h"

#include <QtTest>
#include <set>

namespace {

QuestionBank loaded(const std::array<int, 6> &sizes, Random &random)
{
    QuestionBank bank;
    std::string workText;
    LoadQuestionBankBytes(bank, workText, testbank::bytes(sizes), "Pitanja.dat", random);
    return bank;
}

using Picked = std::array<std::int16_t, kGameLength + 1>;

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void firstGameTakesTheFirstPositionsOfEachBlock()
    {
        Random random({0.3, 0.8, 0.1, 0.6});
        QuestionBank bank = loaded({39, 45, 90, 60, 45, 30}, random);
        const QuestionBank before = bank;
        Picked picked{};
        SelectGameQuestions(bank, random, picked);
        const std::array<std::int16_t, 7> cursors = {0, 2, 3, 6, 4, 3, 2};
        QVERIFY(bank.blockCursor == cursors);
        QVERIFY(bank.blockOrder == before.blockOrder); // no reshuffle
        int slot = 1;
        for (int k = 1; k <= 6; ++k) {
            for (int p = 1; p <= BlockQuota[k]; ++p)
                QCOMPARE(picked[slot++], before.blockOrder[k][p]);
        }
    }

    // A block is used up in order over games; what is left when a game needs more than
    // remains is not played in that pass, and the block is reshuffled first.
    void walksABlockAndReshufflesWhenTooFewAreLeft_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("firstPositions"); // per game; 0 means reshuffled first
        QTest::newRow("block 1 of 4") << 1 << 4 << QList<int>{1, 3, 0, 3, 0};
        QTest::newRow("block 3 of 13") << 3 << 13 << QList<int>{1, 7, 0, 7, 0};
        QTest::newRow("block 6 of its quota") << 6 << 2 << QList<int>{1, 0, 0};
    }
    void walksABlockAndReshufflesWhenTooFewAreLeft()
    {
        QFETCH(int, block);
        QFETCH(int, size);
        QFETCH(QList<int>, firstPositions);
        std::array<int, 6> sizes = {39, 45, 90, 60, 45, 30};
        sizes[block - 1] = size;
        Random random({0.77, 0.12, 0.45, 0.91, 0.33, 0.05, 0.68});
        QuestionBank bank = loaded(sizes, random);
        int firstSlot = 1;
        for (int k = 1; k < block; ++k)
            firstSlot += BlockQuota[k];
        for (int game = 0; game < firstPositions.size(); ++game) {
            const auto orderBefore = bank.blockOrder[block];
            Picked picked{};
            SelectGameQuestions(bank, random, picked);
            const int first = firstPositions[game];
            const int quota = BlockQuota[block];
            if (first > 0) {
                QVERIFY(bank.blockOrder[block] == orderBefore);
                for (int i = 0; i < quota; ++i)
                    QCOMPARE(picked[firstSlot + i], orderBefore[first + i]);
                QCOMPARE(int(bank.blockCursor[block]), first + quota - 1);
            } else {
                QCOMPARE(int(bank.blockCursor[block]), quota);
                for (int i = 0; i < quota; ++i)
                    QCOMPARE(picked[firstSlot + i], bank.blockOrder[block][1 + i]);
            }
        }
    }

    void twentyDistinctQuestionsFromTheirBlocks()
    {
        Random random;
        QuestionBank bank = loaded({5, 7, 13, 9, 4, 3}, random);
        for (int game = 0; game < 40; ++game) {
            Picked picked{};
            SelectGameQuestions(bank, random, picked);
            std::set<int> seen(picked.begin() + 1, picked.end());
            QCOMPARE(int(seen.size()), kGameLength);
            int slot = 1;
            for (int k = 1; k <= 6; ++k) {
                for (int i = 0; i < BlockQuota[k]; ++i, ++slot) {
                    QVERIFY(picked[slot] > bank.blockEnd[k - 1]);
                    QVERIFY(picked[slot] <= bank.blockEnd[k]);
                }
            }
        }
    }

    void tooFewOpanci_data()
    {
        QTest::addColumn<int>("questionNumber");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("unanswered");
        QTest::addColumn<bool>("stop");
        QTest::newRow("six wrong after 6") << 6 << 6 << 0 << true;
        QTest::newRow("six in a mix after 6") << 6 << 2 << 4 << true;
        QTest::newRow("five after 10") << 10 << 3 << 2 << false;
        QTest::newRow("six after 10") << 10 << 3 << 3 << true;
        QTest::newRow("six after 11") << 11 << 6 << 0 << false;
        QTest::newRow("ten after 15") << 15 << 5 << 5 << false;
    }
    void tooFewOpanci()
    {
        QFETCH(int, questionNumber);
        QFETCH(int, wrong);
        QFETCH(int, unanswered);
        QFETCH(bool, stop);
        QuizSession s;
        s.questionNumber = static_cast<std::int16_t>(questionNumber);
        s.wrongCount = static_cast<std::int16_t>(wrong);
        s.unansweredCount = static_cast<std::int16_t>(unanswered);
        QCOMPARE(TooFewOpanci(s), stop);
    }
};

QTEST_APPLESS_MAIN(TestSelection)
#include "tst_selection.moc"
