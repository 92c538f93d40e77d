#include "Game.h"

#include <stdexcept>

namespace {

constexpr std::int16_t kEarlyStopQuestions = 10;
constexpr std::int16_t kMostMissesAllowed = 5;
constexpr std::int16_t kPictureQuestions = 2;
constexpr std::int16_t kPointsPerCorrect = 4;

} // namespace

GameQuestions SelectGameQuestions(QuestionBank &bank, Random &random)
{
    GameQuestions slots{};
    int slot = 0;
    for (std::int16_t k = 1; k <= kBlockCount; ++k) {
        const std::int16_t q = BlockQuota[k];
        if (bank.blockCursor[k] + q > bank.blockSize[k]) {
            ShuffleBlock(bank, k, random);
            bank.blockCursor[k] = 0;
        }
        for (int i = 0; i < q; ++i) {
            bank.blockCursor[k] += 1;
            slots[++slot] = bank.blockOrder[k][bank.blockCursor[k]];
        }
    }
    return slots;
}

Game::Game(QuestionBank &bank, Random &random, int barWidth)
    : m_bank(bank), m_random(random), m_barWidth(barWidth)
{
    m_timeBar.Reset(m_barWidth);
}

void Game::Start()
{
    m_timeBar.Reset(m_barWidth);
    m_counters = {};
    m_questionNumber = 0;
    m_running = false;
    m_gameQuestions = SelectGameQuestions(m_bank, m_random);
}

NextStep Game::Next() const
{
    if (m_questionNumber <= kEarlyStopQuestions &&
        m_counters.wrong + m_counters.unanswered > kMostMissesAllowed)
        return NextStep::StopForTooFewOpanci;
    if (m_questionNumber == kGameLength)
        return NextStep::FinishGame;
    return NextStep::PresentQuestion;
}

QuestionView Game::PresentNextQuestion()
{
    if (m_running || Next() != NextStep::PresentQuestion)
        throw std::logic_error("no question may be presented now");
    m_timeBar.Reset(m_barWidth);
    m_running = true;

    QuestionView view;
    view.number = ++m_questionNumber;
    const std::int16_t q = m_gameQuestions[view.number];
    const Record record = SplitRecord(m_bank.questionText[q]);
    view.questionLine = QuestionLine(DecodeText(record.head));
    m_rule = RuleOf(record);
    if (view.number <= kPictureQuestions)
        view.pictureQuestion = q;

    m_answerCount = static_cast<std::int16_t>(record.answers.size());
    view.answerCount = m_answerCount;
    for (std::int16_t k = 1; k <= m_answerCount; ++k)
        view.answers[k] = DecodeText(record.answers[k - 1]);
    // The correct answer, first in the record, changes places with the row drawn for it; the
    // other answers keep their order.
    m_correctPosition = m_random.Draw(m_answerCount);
    std::swap(view.answers[1], view.answers[m_correctPosition]);
    for (std::int16_t k = 1; k <= m_answerCount; ++k)
        view.answers[k] += ' ';
    return view;
}

Verdict Game::Answer(std::int16_t row)
{
    if (!m_running || row < 1 || row > m_answerCount)
        throw std::logic_error("answer to no running question");
    m_running = false;
    Verdict verdict{Outcome::Wrong, AnswerLetter(m_correctPosition), m_questionNumber, false,
                    m_rule};
    if (row != m_correctPosition) {
        m_counters.wrong += 1;
        return verdict;
    }
    verdict.outcome = Outcome::Correct;
    m_counters.correct += 1;
    if (m_timeBar.InRedTime()) {
        verdict.redTime = true;
        m_counters.redTime += 1;
    }
    return verdict;
}

Verdict Game::GiveUp()
{
    if (!m_running)
        throw std::logic_error("no running question to give up");
    return closeAsUnanswered();
}

Game::TickResult Game::Tick()
{
    if (!m_running)
        throw std::logic_error("the time bar runs only with a question");
    TickResult result{m_timeBar.Tick(), std::nullopt};
    if (result.stroke.timeUp)
        result.timeOut = closeAsUnanswered();
    return result;
}

Verdict Game::closeAsUnanswered()
{
    m_running = false;
    m_counters.unanswered += 1;
    return {Outcome::Unanswered, AnswerLetter(m_correctPosition), m_questionNumber, false,
            m_rule};
}

GameResult Game::Result() const
{
    const auto forCorrect = static_cast<std::int16_t>(kPointsPerCorrect * m_counters.correct);
    return {forCorrect, m_counters.redTime,
            static_cast<std::int16_t>(forCorrect + m_counters.redTime)};
}

bool OffersListEntry(std::int16_t finalScore, const ScoreList &list)
{
    return finalScore > 0 && (finalScore > list.lowestScore || list.count < kMaxScoreLines);
}
