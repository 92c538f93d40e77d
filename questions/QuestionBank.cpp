#include "QuestionBank.h"

#include "FileNames.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace {

std::string describe(const std::filesystem::path &file, int line, const std::string &reason)
{
    std::string where = "Датотека „" + file.string() + "“";
    if (line > 0)
        where += ", ред " + std::to_string(line);
    return where + ": " + reason;
}

} // namespace

BankError::BankError(const std::filesystem::path &file, int line, const std::string &reason)
    : std::runtime_error(describe(file, line, reason)), m_line(line)
{}

void LoadQuestionBank(QuestionBank &bank, const std::filesystem::path &folder, Random &random)
{
    const std::filesystem::path file = FileInFolder(folder, kBankFileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw BankError(file, 0, "датотека не постоји.");
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    if (in && in.peek() != std::char_traits<char>::eof())
        bytes << in.rdbuf();
    if (!in || in.bad())
        throw BankError(file, 0, "датотека не може да се прочита.");
    LoadQuestionBankBytes(bank, bytes.str(), file, random);
}

void LoadQuestionBankBytes(QuestionBank &bank, std::string_view bytes,
                           const std::filesystem::path &file, Random &random)
{
    if (auto problem = CheckBankBytes(bytes))
        throw BankError(file, problem->line, problem->reason);
    const std::vector<std::string> lines = SplitLines(bytes);
    if (auto problem = CheckBankLines(lines))
        throw BankError(file, problem->line, problem->reason);

    bank.questionCount = 0;
    bank.blockNumber = 0;
    bank.blockOrder = {};
    std::int16_t c = 0;
    for (const std::string &line : lines) {
        if (line == kBlockMarker) {
            bank.blockNumber += 1;
            bank.blockEnd[bank.blockNumber] = bank.questionCount;
            c = 0;
        } else {
            bank.questionCount += 1;
            bank.questionText[bank.questionCount] = line;
            c += 1;
            bank.blockOrder[bank.blockNumber + 1][c] = bank.questionCount;
        }
    }
    bank.blockCursor.fill(0);
    bank.blockSize[1] = bank.blockEnd[1];
    for (int k = 2; k <= kBlockCount; ++k)
        bank.blockSize[k] = static_cast<std::int16_t>(bank.blockEnd[k] - bank.blockEnd[k - 1]);
    random.SeedFromClock();
    for (std::int16_t k = 1; k <= kBlockCount; ++k)
        ShuffleBlock(bank, k, random);
}

void ShuffleBlock(QuestionBank &bank, std::int16_t block, Random &random)
{
    const std::int16_t n = bank.blockSize[block];
    auto &order = bank.blockOrder[block];
    // r is drawn over the whole block, not over j..n as a uniform shuffle would: every copy of
    // the game makes these same draws, so a given seed deals the same games everywhere.
    for (std::int16_t j = 1; j <= n; ++j) {
        const std::int16_t r = random.Draw(bank.blockSize[block]);
        std::swap(order[j], order[r]);
    }
}

std::string AnswerLetter(std::int16_t number)
{
    if (number < 1 || number > 4)
        return {};
    return std::string(1, static_cast<char>(0xC0 + number - 1));
}
