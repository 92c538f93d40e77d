#pragma once

#include "QuestionBank.h"
#include "Random.h"
#include "ScoreList.h"
#include "TimeBar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr int kGameLength = 20;
using GameQuestions = std::array<std::int16_t, kGameLength + 1>; // slots 1..20

// Fills the twenty slots block by block with each block's quota, walking the block's shuffled
// order with its cursor and reshuffling a block first when too few positions are left.
GameQuestions SelectGameQuestions(QuestionBank &bank, Random &random);

// What the screen shows for the question just presented. Texts are Windows-1251.
struct QuestionView
{
    std::int16_t number = 0; // 1..20, also the slot that turns red
    std::string questionLine;
    std::int16_t answerCount = 0;
    std::array<std::string, 5> answers{}; // rows 1..answerCount, each closed by one blank
    // The bank's number of the question whose picture stands at the right; 0 for the mascot.
    std::int16_t pictureQuestion = 0;
};

enum class Outcome { Correct, Wrong, Unanswered };

// How a question was closed.
struct Verdict
{
    Outcome outcome = Outcome::Unanswered;
    std::string correctLetter; // А, Б, В or Г in Windows-1251
    std::int16_t slot = 0;     // the question's number, where an earned opanak goes
    bool redTime = false;      // a correct answer given while the bar still grew red
    std::string rule;          // why the correct answer is right, Windows-1251; may be empty
};

struct Counters
{
    std::int16_t correct = 0;
    std::int16_t wrong = 0;
    std::int16_t unanswered = 0;
    std::int16_t redTime = 0;
};

struct GameResult
{
    std::int16_t pointsForCorrect = 0;
    std::int16_t pointsForRedTime = 0;
    std::int16_t finalScore = 0;
};

// What a press of "Даље" leads to while no question runs.
enum class NextStep { PresentQuestion, StopForTooFewOpanci, FinishGame };

// One game of twenty questions on the run's bank: the selection, the presentation, answers,
// the time bar, the early stop and the score. A question runs from its presentation until an
// answer, a give-up, the time-out or an abort closes it; each is counted at most once.
class Game
{
public:
    // bank and random belong to the run and outlive the game; barWidth is the time bar's inner
    // width in pixels, which sets the pen width.
    Game(QuestionBank &bank, Random &random, int barWidth);

    // A fresh game: counters at zero, twenty questions chosen, none presented yet.
    void Start();
    NextStep Next() const;
    QuestionView PresentNextQuestion();
    Verdict Answer(std::int16_t row);
    Verdict GiveUp();
    struct TickResult
    {
        TimeBar::Stroke stroke;
        std::optional<Verdict> timeOut; // set by the stroke that reached the end
    };
    TickResult Tick();
    // Breaks the game off; the running question is counted nowhere.
    void Abort() { m_running = false; }

    bool QuestionRunning() const { return m_running; }
    // What the time bar has left of the running question, in whole seconds.
    int SecondsLeft() const { return m_timeBar.SecondsLeft(); }
    std::int16_t questionNumber() const { return m_questionNumber; }
    // The row that holds the correct answer of the question presented last.
    std::int16_t correctPosition() const { return m_correctPosition; }
    const GameQuestions &gameQuestions() const { return m_gameQuestions; }
    const Counters &counters() const { return m_counters; }
    GameResult Result() const;

private:
    Verdict closeAsUnanswered();

    QuestionBank &m_bank;
    Random &m_random;
    int m_barWidth;
    TimeBar m_timeBar;
    GameQuestions m_gameQuestions{};
    std::int16_t m_questionNumber = 0;
    std::int16_t m_answerCount = 0;
    std::int16_t m_correctPosition = 0;
    std::string m_rule;
    Counters m_counters;
    bool m_running = false;
};

// A game's points earn the offer of an entry when they are not 0 and the list is not full or
// its lowest line scores strictly less. list must have been loaded from the file just before.
bool OffersListEntry(std::int16_t finalScore, const ScoreList &list);
