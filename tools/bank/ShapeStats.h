#pragma once

#include "SourceFile.h"

#include <array>

// How much the shape of a block's correct answers tells a player who does not know them.
enum ShapeTell { Shortest, Longest, FewestGaps, MiddleCapitals, kShapeTellCount };

struct BlockShape
{
    int questions = 0;
    double guessed = 0; // right answers a game expects from a blind guesser, for the block's quota
    // Per tell, the share of questions whose correct answer has that shape, and the share a
    // pick of one answer at random would have.
    std::array<double, kShapeTellCount> rate{};
    std::array<double, kShapeTellCount> chance{};
};

// The first answer of each question is the correct one; @ lines are no questions.
BlockShape MeasureShape(const SourceBlock &block, int quota);

// A tell that is more than 10 points above chance gives the answer away.
inline bool GivesAway(double rate, double chance)
{
    return rate > chance + 0.10;
}
