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

// A game on a bank of the smallest playable size. Questions 1 and 2 offer four answers,
// "тачно" first, and carry a rule; question 3 offers three and ends in "x!", which is no rule.
struct Table
{
    static QuestionBank bankOf(Random &random)
    {
        std::vector<std::string> lines = testbank::lines(testbank::kSmallest);
        for (int i : {0, 1})
            lines[i] = testbank::record("S", {"тачно", "друго", "треће", "четврто"}) +
                       EncodeText(cp1251::literal("!Правило."));
        lines[3] = testbank::record("{", {"тачно", "нетачно", "треће"}) + EncodeText("x!");
        return loaded(lines, random);
    }
    explicit Table(std::vector<double> draws = {0.5})
        : random(std::move(draws)), bank(bankOf(random)), game(bank, random, 609)
    {
        game.Start();
    }

    // Plays a question for each letter while the game presents them: c correct at once,
    // l correct after 60 ticks, w wrong, t left to run out, g given up.
    void play(const QString &plays)
    {
        for (int i = 0; i < plays.size() && game.Next() == NextStep::PresentQuestion; ++i) {
            game.PresentNextQuestion();
            const char how = plays[i].toLatin1();
            const std::int16_t right = game.correctPosition();
            for (int tick = 0; tick < (how == 'l' ? 60 : how == 't' ? 310 : 0); ++tick)
                game.Tick(); // 't': the 310th tick runs the question out
            if (how == 'c' || how == 'l' || how == 'w')
                game.Answer(std::int16_t(how == 'w' ? right % 2 + 1 : right)); // w: another row
            else if (how == 'g')
                game.GiveUp();
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
    // Each block is used up in order over games from its first position; what is left when a
    // game needs more than remains is not played in that pass, and the block is reshuffled.
    void selectsTheNextPositionsOfEachBlock_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("firstPositions"); // per game; 0 means reshuffled first
        QTest::newRow("block 1 of 4") << 1 << 4 << QList<int>{1, 3, 0, 3, 0};
        QTest::newRow("block 3 of 13") << 3 << 13 << QList<int>{1, 7, 0, 7, 0};
        QTest::newRow("block 6 of its quota") << 6 << 2 << QList<int>{1, 0, 0};
    }
    void selectsTheNextPositionsOfEachBlock()
    {
        QFETCH(int, block);
        QFETCH(int, size);
        QFETCH(QList<int>, firstPositions);
        std::array<int, 6> sizes = {39, 45, 90, 60, 45, 30};
        sizes[block - 1] = size;
        Random random({0.77, 0.12, 0.45, 0.91, 0.33, 0.05, 0.68});
        QuestionBank bank = loaded(testbank::lines(sizes), random);
        for (int game = 0; game < firstPositions.size(); ++game) {
            const QuestionBank before = bank;
            const GameQuestions picked = SelectGameQuestions(bank, random);
            QCOMPARE(std::set<int>(picked.begin() + 1, picked.end()).size(), size_t(kGameLength));
            for (int k = 1, slot = 1; k <= 6; ++k) {
                const int first = k == block ? firstPositions[game] : 1 + game * BlockQuota[k];
                QVERIFY(first == 0 || bank.blockOrder[k] == before.blockOrder[k]);
                for (int p = std::max(first, 1); p < std::max(first, 1) + BlockQuota[k]; ++p)
                    QCOMPARE(picked[slot++], bank.blockOrder[k][p]);
                QCOMPARE(int(bank.blockCursor[k]), std::max(first, 1) + BlockQuota[k] - 1);
            }
        }
    }

    // The same draws deal the same game: its questions, and the row of each correct answer.
    // The correct answer changes places with the drawn row, the others keep their order; only
    // questions 1 and 2 show a picture.
    void aFixedSeedPlaysAKnownGame()
    {
        Table t({0.5, 0.25, 0.9});
        QList<int> questions, rows;
        for (int n = 1; n <= 20; ++n) {
            const QuestionView q = t.game.PresentNextQuestion();
            const std::int16_t number = t.game.gameQuestions()[n];
            questions << number;
            rows << t.game.correctPosition();
            QCOMPARE(q.number, std::int16_t(n));
            QCOMPARE(q.pictureQuestion, n <= 2 ? number : std::int16_t(0));
            const std::string rule = t.game.Answer(t.game.correctPosition()).rule;
            if (number <= 2)
                QCOMPARE(rule, cp1251::literal("Правило."));
            if (number == 3) // "x!" is neither a rule nor an answer
                QVERIFY(q.answerCount == 3 && rule.empty());
            if (n == 1) // the correct answer drawn to row 4
                QVERIFY((q.answers == std::array<std::string, 5>{
                             "", cp1251::literal("четврто "), cp1251::literal("друго "),
                             cp1251::literal("треће "), cp1251::literal("тачно ")}));
        }
        QCOMPARE(questions, (QList<int>{1, 2, 3, 4, 5, 11, 7, 9, 10, 6, 8, 15, 13, 14, 12, 16, 17,
                                        18, 19, 20}));
        QCOMPARE(rows, (QList<int>{4, 3, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 2, 2}));
    }

    // The red time lasts while the pen stands below 101: 54 ticks of the 609-pixel bar, which
    // runs out at the 310th.
    void anAnswerAndItsCredit_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Outcome>("outcome"); // Correct: the right row; Wrong: row 1; else given up
        QTest::addColumn<bool>("redTime");
        using enum Outcome;
        QTest::newRow("right before the first tick") << 0 << Correct << true;
        QTest::newRow("right at pen 99") << 54 << Correct << true;
        QTest::newRow("right at pen 101") << 55 << Correct << false;
        QTest::newRow("wrong in the red time") << 0 << Wrong << false;
        QTest::newRow("wrong late") << 300 << Wrong << false;
        QTest::newRow("given up in the red time") << 0 << Unanswered << false;
        QTest::newRow("timed out") << 310 << Unanswered << false;
    }
    void anAnswerAndItsCredit()
    {
        QFETCH(int, ticks);
        QFETCH(Outcome, outcome);
        QFETCH(bool, redTime);
        Table t;
        t.game.PresentNextQuestion();
        std::optional<Verdict> v;
        for (int i = 0; i < ticks; ++i) {
            QVERIFY(!v);
            v = t.game.Tick().timeOut;
        }
        QCOMPARE(bool(v), ticks == 310);
        const std::int16_t row = outcome == Outcome::Correct ? t.game.correctPosition() : 1;
        if (!v)
            v = outcome == Outcome::Unanswered ? t.game.GiveUp() : t.game.Answer(row);
        QCOMPARE(v->outcome, outcome);
        QCOMPARE(v->redTime, redTime);
        QCOMPARE(v->correctLetter, cp1251::literal("В"));
        QCOMPARE(v->rule, cp1251::literal("Правило.")); // a rule is never an answer
        QCOMPARE(v->slot, std::int16_t(1));
        const Counters &c = t.game.counters();
        QCOMPARE((QList<int>{c.correct, c.wrong, c.unanswered, c.redTime}),
                 (QList<int>{outcome == Outcome::Correct, outcome == Outcome::Wrong,
                             outcome == Outcome::Unanswered, redTime}));
        QVERIFY(!t.game.QuestionRunning());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.Answer(row)); // closed once
        QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.GiveUp());
    }

    void theBarRunsRedThenBlue()
    {
        Table t;
        t.game.PresentNextQuestion();
        QCOMPARE(t.game.SecondsLeft(), 51); // 310 ticks of 164 ms, in whole seconds rounded up
        QList<float> red;
        for (int tick = 1; tick <= 310; ++tick) {
            const Game::TickResult r = t.game.Tick();
            QCOMPARE(r.stroke.width, 2);
            if (r.stroke.red)
                red << r.stroke.x;
            if (tick == 310)
                QCOMPARE(r.stroke.x, 609.0f);
        }
        QCOMPARE(t.game.SecondsLeft(), 0);
        QCOMPARE(red.size(), 55);
        QCOMPARE(red.first(), -9.0f);
        QCOMPARE(red.last(), 99.0f);
    }

    // More than five misses among the first ten questions stop the game before the next one.
    // Four points a right answer and one for each right answer in the red time.
    void whatFollowsAndTheScore_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<NextStep>("next");
        QTest::addColumn<int>("forCorrect");
        QTest::addColumn<int>("forRedTime");
        const NextStep present = NextStep::PresentQuestion, finish = NextStep::FinishGame,
                       stop = NextStep::StopForTooFewOpanci;
        QTest::newRow("six wrong") << "wwwwww" << stop << 0 << 0;
        QTest::newRow("six in a mix") << "wtgwtg" << stop << 0 << 0;
        QTest::newRow("five misses in ten") << "wwwwwccccc" << present << 20 << 5;
        QTest::newRow("the sixth miss at ten") << "wwwwwccccw" << stop << 16 << 4;
        QTest::newRow("the sixth miss at eleven") << "cccccwwwwww" << present << 20 << 5;
        QTest::newRow("all right in the red time") << QString(20, 'c') << finish << 80 << 20;
        QTest::newRow("12 right, 3 in the red time") << "ccclllllllllwtgwtgww" << finish << 48 << 3;
        QTest::newRow("all right, none fast") << QString(20, 'l') << finish << 80 << 0;
        QTest::newRow("half wrong") << "ccccccccccwwwwwwwwww" << finish << 40 << 10;
    }
    void whatFollowsAndTheScore()
    {
        QFETCH(QString, plays);
        QFETCH(NextStep, next);
        QFETCH(int, forCorrect);
        QFETCH(int, forRedTime);
        Table t;
        t.play(plays);
        QCOMPARE(int(t.game.questionNumber()), plays.size());
        QCOMPARE(t.game.Next(), next);
        if (next != NextStep::PresentQuestion)
            QVERIFY_THROWS_EXCEPTION(std::logic_error, t.game.PresentNextQuestion());
        const GameResult r = t.game.Result();
        QCOMPARE((QList<int>{r.pointsForCorrect, r.pointsForRedTime, r.finalScore}),
                 (QList<int>{forCorrect, forRedTime, forCorrect + forRedTime}));
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
        const ScoreList list{{}, std::int16_t(lines), std::int16_t(lowest)};
        QCOMPARE(OffersListEntry(std::int16_t(score), list), offered);
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
