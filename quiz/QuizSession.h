#pragma once

#include "QuestionBank.h"
#include "Random.h"

#include <array>
#include <cstdint>

inline constexpr int kGameLength = 20;

// The game on the main screen: its twenty questions and its counters.
struct QuizSession
{
    std::array<std::int16_t, kGameLength + 1> gameQuestions{}; // slots 1..20
    std::int16_t questionNumber = 0;
    std::int16_t answerCount = 0;
    std::int16_t correctPosition = 0;
    std::int16_t correctCount = 0;
    std::int16_t wrongCount = 0;
    std::int16_t unansweredCount = 0;
    std::int16_t redTimeCount = 0;
};

// Fills the twenty slots block by block with each block's quota, walking the block's shuffled
// order with its cursor and reshuffling a block first when too few positions are left.
void SelectGameQuestions(QuestionBank &bank, Random &random,
                         std::array<std::int16_t, kGameLength + 1> &gameQuestions);

// More than five misses among the first ten questions leave too few opanci to go on.
bool TooFewOpanci(const QuizSession &session);

// Four points per correct answer and one per answer in the red time.
std::int16_t PointsForCorrect(const QuizSession &session);
