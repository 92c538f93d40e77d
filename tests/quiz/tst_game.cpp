#include "BankBuilder.h"
#include "Game.h"

#include <QtTest>
#include <set>

namespace {

QuestionBank loaded(const std::vector<std::string> &lines, Random &random)
{
    QuestionBank bank;
    LoadQuestionBankBytes(bank, testbank::join(lines), "Pitanja.dat", random);
    return bank;
}

// A game on a bank of the smallest playable size, whose first picture question offers four
// answers: "тачно" first, then "друго", "треће", "четврто".
struct Table
{
    explicit Table(std::vector<double> draws = {0.5})
        : random(std::move(draws)), bank(loaded(bankLines(), random)), game(bank, random, 609)
    {
        game.Start();
    }

    static std::vector<std::string> bankLines()
    {
        std::vector<std::string> lines = testbank::lines(testbank::kSmallest);
        for (int i : {0, 1})
            lines[i] = testbank::record("S", {"тачно", "друго", "треће", "четврто"}) +
                       EncodeText(cp1251::literal("!Правило."));
        lines[3] = testbank::record("{", {"тачно", "нетачно", "треће"}) + EncodeText("x!");
        return lines;
    }

    // Closes the running question: c correct at once, l correct after 60 ticks, w wrong,
    // t left to run out, g given up.
    void close(char how)
    {
        const std::int16_t right = game.correctPosition();
        switch (how) {
        case 'c': game.Answer(right); break;
        case 'l':
            for (int i = 0; i < 60; ++i)
                game.Tick();
            game.Answer(right);
            break;
        case 'w': game.Answer(static_cast<std::int16_t>(right == 1 ? 2 : 1)); break;
        case 't':
            while (game.QuestionRunning())
                game.Tick();
            break;
        default: game.GiveUp();
        }
    }

    // Plays a question for each letter while the game presents them.
    void play(const char *plays)
    {
        for (; *plays && game.Next() == NextStep::PresentQuestion; ++plays) {
            game.PresentNextQuestion();
            close(*plays);
        }
    }

    Random random;
    QuestionBank bank;
    Game game;
};

} // namespace

class TestGame : public QObject
{
    Q_OBJECT
private slots:
    void firstGameTakesTheFirstPositionsOfEachBlock()
    {
        Random random({0.3, 0.8, 0.1, 0.6});
        QuestionBank bank = loaded(testbank::lines({39, 45, 90, 60, 45, 30}), random);
        const QuestionBank before = bank;
        const GameQuestions picked = SelectGameQuestions(bank, random);
        QVERIFY((bank.blockCursor == std::array<std::int16_t, 7>{0, 2, 3, 6, 4, 3, 2}));
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
        QuestionBank bank = loaded(testbank::lines(sizes), random);
        int firstSlot = 1;
        for (int k = 1; k < block; ++k)
            firstSlot += BlockQuota[k];
        const int quota = BlockQuota[block];
        for (const int first : firstPositions) {
            const auto orderBefore = bank.blockOrder[block];
            const GameQuestions picked = SelectGameQuestions(bank, random);
            const auto &order = first > 0 ? orderBefore : bank.blockOrder[block];
            if (first > 0)
                QVERIFY(bank.blockOrder[block] == orderBefore);
            for (int i = 0; i < quota; ++i)
                QCOMPARE(picked[firstSlot + i], order[std::max(first, 1) + i]);
            QCOMPARE(int(bank.blockCursor[block]), std::max(first, 1) + quota - 1);
            // twenty distinct questions, each from its slot's block
            QCOMPARE(std::set<int>(picked.begin() + 1, picked.end()).size(), size_t(kGameLength));
            for (int k = 1, slot = 1; k <= 6; ++k) {
                for (int i = 0; i < BlockQuota[k]; ++i, ++slot)
                    QVERIFY(picked[slot] > bank.blockEnd[k - 1] && picked[slot] <= bank.blockEnd[k]);
            }
        }
    }

    // The same draws deal the same game: its questions, and the row of each correct answer.
    void aFixedSeedPlaysAKnownGame()
    {
        Table t({0.5, 0.25, 0.9});
        QList<int> questions;
        QList<int> rows;
        for (int n = 1; n <= 20; ++n) {
            questions << t.game.gameQuestions()[n];
            t.game.PresentNextQuestion();
            rows << t.game.correctPosition();
            t.close('c');
        }
        QCOMPARE(questions, (QList<int>{1, 2, 3, 4, 5, 11, 7, 9, 10, 6, 8, 15, 13, 14, 12, 16, 17,
                                        18, 19, 20}));
        QCOMPARE(rows, (QList<int>{4, 3, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2}));
    }

    // The correct answer changes places with the drawn row (0.5: row 3 of 4), the other
    // answers keep their order; only questions 1 and 2 show a picture; bytes after the last
    // answer are a rule when marked with "!", and never an answer.
    void aQuestionAsTheScreenShowsIt()
    {
        Table t;
        for (int n = 1; n <= 5; ++n) {
            const QuestionView q = t.game.PresentNextQuestion();
            const std::int16_t number = t.game.gameQuestions()[n];
            QCOMPARE(q.number, std::int16_t(n));
            QCOMPARE(q.pictureQuestion, n <= 2 ? number : std::int16_t(0));
            const Verdict v = t.game.GiveUp();
            if (number <= 2) {
                QCOMPARE(q.questionLine, cp1251::literal("На слици десно је:"));
                QVERIFY((q.answers == std::array<std::string, 5>{
                             "", cp1251::literal("треће "), cp1251::literal("друго "),
                             cp1251::literal("тачно "), cp1251::literal("четврто ")}));
                QCOMPARE(v.rule, cp1251::literal("Правило."));
            }
            if (number == 3) { // "x!" after the last answer: no rule
                QCOMPARE(q.answerCount, std::int16_t(3));
                QVERIFY(v.rule.empty());
            }
        }
    }

    // The red time lasts while the pen stands below 101: 54 ticks of the 609-pixel bar.
    void anAnswerAndItsCredit_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("redTime");
        QTest::newRow("right before the first tick") << 0 << true << int(Outcome::Correct) << true;
        QTest::newRow("right at pen 99") << 54 << true << int(Outcome::Correct) << true;
        QTest::newRow("right at pen 101") << 55 << true << int(Outcome::Correct) << false;
        QTest::newRow("wrong in the red time") << 0 << false << int(Outcome::Wrong) << false;
        QTest::newRow("wrong late") << 300 << false << int(Outcome::Wrong) << false;
        QTest::newRow("given up in the red time") << 0 << false << int(Outcome::Unanswered) << false;
    }
    void anAnswerAndItsCredit()
    {
        QFETCH(int, ticks);
        QFETCH(bool, right);
        QFETCH(int, outcome);
        QFETCH(bool, redTime);
        Table t;
        t.game.PresentNextQuestion();
        for (int i = 0; i < ticks; ++i)
            QVERIFY(!t.game.Tick().timeOut);
        const std::int16_t row = right ? t.game.correctPosition() : std::int16_t(1);
        const Verdict v = outcome == int(Outcome::Unanswered) ? t.game.GiveUp() : t.game.Answer(row);
        QCOMPARE(int(v.outcome), outcome);
        QCOMPARE(v.redTime, redTime);
        QCOMPARE(v.correctLetter, cp1251::literal("В"));
        QCOMPARE(v.rule, cp1251::literal("Правило.")); // a rule is never an answer
        QCOMPARE(v.slot, std::int16_t(1));
        const Counters &c = t.game.counters();
        QCOMPARE(c.correct + c.wrong + c.unanswered, 1);
        QCOMPARE(int(c.redTime), int(redTime));
        QVERIFY(!t.game.QuestionRunning());
        QCOMPARE(int(t.game.Next()), int(NextStep::PresentQuestion));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.Answer(row)); // closed once
        QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.GiveUp());
    }

    void theBarRunsRedThenBlueAndTimesOutAtTick310()
    {
        Table t;
        t.game.PresentNextQuestion();
        QList<float> red;
        for (int tick = 1; tick < 310; ++tick) {
            const Game::TickResult r = t.game.Tick();
            QVERIFY(!r.timeOut);
            QCOMPARE(r.stroke.width, 2);
            if (r.stroke.red)
                red << r.stroke.x;
        }
        QCOMPARE(red.size(), 55);
        QCOMPARE(red.first(), -9.0f);
        QCOMPARE(red.last(), 99.0f);
        const Game::TickResult last = t.game.Tick();
        QCOMPARE(last.stroke.x, 609.0f);
        QVERIFY(last.timeOut);
        QCOMPARE(int(last.timeOut->outcome), int(Outcome::Unanswered));
        QCOMPARE(last.timeOut->correctLetter, cp1251::literal("В"));
        QCOMPARE(int(t.game.counters().unanswered), 1);
        QVERIFY(!t.game.QuestionRunning());
    }

    // More than five misses among the first ten questions stop the game before the next one.
    void whatFollowsTheQuestionsPlayed_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<int>("questionNumber");
        QTest::addColumn<int>("next");
        const int present = int(NextStep::PresentQuestion);
        const int stop = int(NextStep::StopForTooFewOpanci);
        QTest::newRow("six wrong") << "wwwwww" << 6 << stop;
        QTest::newRow("six in a mix") << "wtgwtg" << 6 << stop;
        QTest::newRow("five misses in ten") << "wwwwwccccc" << 10 << present;
        QTest::newRow("the sixth miss at ten") << "wwwwwccccw" << 10 << stop;
        QTest::newRow("the sixth miss at eleven") << "cccccwwwwww" << 11 << present;
        QTest::newRow("twenty played") << "cccccccccccccccccccc" << 20 << int(NextStep::FinishGame);
        QTest::newRow("twenty, half missed") << "ccccccccccwwwwwwwwww" << 20 << int(NextStep::FinishGame);
    }
    void whatFollowsTheQuestionsPlayed()
    {
        QFETCH(QString, plays);
        QFETCH(int, questionNumber);
        QFETCH(int, next);
        Table t;
        t.play(plays.toLatin1().constData());
        QCOMPARE(int(t.game.questionNumber()), questionNumber);
        QCOMPARE(int(t.game.Next()), next);
        if (next != int(NextStep::PresentQuestion))
            QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.PresentNextQuestion());
    }

    // Four points a right answer and one for each right answer in the red time.
    void theScore_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<int>("forCorrect");
        QTest::addColumn<int>("forRedTime");
        QTest::newRow("all right in the red time") << "cccccccccccccccccccc" << 80 << 20;
        QTest::newRow("12 right, 3 in the red time") << "ccclllllllllwtgwtgww" << 48 << 3;
        QTest::newRow("all right, none fast") << "llllllllllllllllllll" << 80 << 0;
        QTest::newRow("half wrong") << "ccccccccccwwwwwwwwww" << 40 << 10;
    }
    void theScore()
    {
        QFETCH(QString, plays);
        QFETCH(int, forCorrect);
        QFETCH(int, forRedTime);
        Table t;
        t.play(plays.toLatin1().constData());
        const GameResult r = t.game.Result();
        QCOMPARE(int(r.pointsForCorrect), forCorrect);
        QCOMPARE(int(r.pointsForRedTime), forRedTime);
        QCOMPARE(int(r.finalScore), forCorrect + forRedTime);
    }

    void theListOffer_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<bool>("offered");
        QTest::newRow("no points, empty list") << 0 << 0 << 0 << false;
        QTest::newRow("1 point, 29 lines") << 1 << 29 << 90 << true;
        QTest::newRow("equal to the 30th") << 50 << 30 << 50 << false;
        QTest::newRow("above the 30th") << 51 << 30 << 50 << true;
    }
    void theListOffer()
    {
        QFETCH(int, score);
        QFETCH(int, lines);
        QFETCH(int, lowest);
        QFETCH(bool, offered);
        ScoreList list;
        list.count = static_cast<std::int16_t>(lines);
        list.lowestScore = static_cast<std::int16_t>(lowest);
        QCOMPARE(OffersListEntry(static_cast<std::int16_t>(score), list), offered);
    }

    void aDrawNeedsARange()
    {
        Random random({0.999});
        QCOMPARE(random.Draw(4), std::int16_t(4));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, random.Draw(0));
        Random broken({1.0});
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, broken.Draw(3));
    }
};

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"
