#include "QuizSession.h"

void SelectGameQuestions(QuestionBank &bank, Random &random,
                         std::array<std::int16_t, kGameLength + 1> &gameQuestions)
{
    int slot = 0;
    for (std::int16_t k = 1; k <= kBlockCount; ++k) {
        const std::int16_t q = BlockQuota[k];
        if (bank.blockCursor[k] + q > bank.blockSize[k]) {
            ShuffleBlock(bank, k, random);
            bank.blockCursor[k] = 0;
        }
        for (int i = 0; i < q; ++i) {
            bank.blockCursor[k] += 1;
            gameQuestions[++slot] = bank.blockOrder[k][bank.blockCursor[k]];
        }
    }
}

bool TooFewOpanci(const QuizSession &session)
{
    return session.questionNumber < 11 && session.wrongCount + session.unansweredCount > 5;
}

std::int16_t PointsForCorrect(const QuizSession &session)
{
    return static_cast<std::int16_t>(4 * session.correctCount);
}
