#pragma once

#include "BankFile.h"
#include "Random.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

// All questions of the bank in stored form, grouped in six blocks, each with a shuffled order
// and a cursor. Arrays are indexed from 1 like the question numbers they hold.
struct QuestionBank
{
    std::array<std::string, kMaxQuestions + 1> questionText{};
    std::int16_t questionCount = 0;
    std::int16_t blockNumber = 0;
    std::array<std::int16_t, kBlockCount + 1> blockEnd{};
    std::array<std::int16_t, kBlockCount + 1> blockSize{};
    std::array<std::array<std::int16_t, kMaxBlockSize + 1>, kBlockCount + 1> blockOrder{};
    std::array<std::int16_t, kBlockCount + 1> blockCursor{};
};

inline constexpr const char *kBankFileName = "Pitanja.dat";

// A bank file the program cannot play; what() is the whole message for the player.
class BankError : public std::runtime_error
{
public:
    BankError(const std::filesystem::path &file, int line, const std::string &reason);
    int line() const { return m_line; }

private:
    int m_line;
};

// Reads Pitanja.dat from folder (or the one name there that matches it regardless of letter
// case) into bank, then seeds random from the clock and shuffles every block. A file that
// breaks a limit of the format is refused with a BankError before anything is changed.
void LoadQuestionBank(QuestionBank &bank, const std::filesystem::path &folder, Random &random);

// Same, from the file's bytes; file only names it in a message.
void LoadQuestionBankBytes(QuestionBank &bank, std::string_view bytes,
                           const std::filesystem::path &file, Random &random);

void ShuffleBlock(QuestionBank &bank, std::int16_t block, Random &random);

// The letter А, Б, В or Г (Windows-1251) of answer row 1..4; empty for any other row.
std::string AnswerLetter(std::int16_t number);
