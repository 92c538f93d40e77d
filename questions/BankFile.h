#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The stored format of the question bank: Windows-1251 text lines with every byte lowered by 10,
// six blocks each closed by a line "**", each record a head and its answers closed by 0x01.

inline constexpr int kMaxQuestions = 600;
inline constexpr int kMaxBlockSize = 300;
inline constexpr int kBlockCount = 6;
inline constexpr int kPictureCount = 39; // block 1 holds one question per picture
inline constexpr int kMaxStoredByte = 245;
inline constexpr char FieldSeparator = '\x01';
inline constexpr std::string_view kBlockMarker = "**";

// How many questions one game takes from each block, indexed 1..6.
inline constexpr std::array<std::int16_t, kBlockCount + 1> BlockQuota = {0, 2, 3, 6, 4, 3, 2};

// Lines end at CR LF or a lone CR; a bare LF is an ordinary byte; the last line needs no end.
std::vector<std::string> SplitLines(std::string_view bytes);

// One record split at its separators; the views point into the stored line.
struct Record
{
    bool hasSeparator = false;
    std::string_view head;
    std::vector<std::string_view> answers; // each closed by its own separator
    std::string_view trailing;             // after the last separator, never shown
};
Record SplitRecord(std::string_view stored);

// The rule that decides a question, kept where the format ignores bytes: after the record's last
// separator, stored like every field and marked by a leading "!". Returns the decoded rule
// without its mark; empty when the trailing bytes are none or unmarked.
std::string RuleOf(const Record &record);
inline constexpr char kRuleMark = '!';

// Raises every byte by 10, turning the stored form back into Windows-1251 text.
std::string DecodeText(std::string_view text);
// The inverse, for the authoring tool and for tests.
std::string EncodeText(std::string_view text);

// The line shown as the question for a decoded head: the line of its kind code, or the head.
std::string QuestionLine(std::string_view decodedHead);

// What is wrong with a bank file, if anything: the 1-based line and a reason in Serbian (UTF-8).
struct BankProblem
{
    int line = 0;
    std::string reason;
};

// Faults of the whole file, found before it is split into lines (line 0): text saved as UTF-8
// and lines that end in LF alone.
std::optional<BankProblem> CheckBankBytes(std::string_view bytes);
std::optional<BankProblem> CheckBankLines(const std::vector<std::string> &lines);
std::optional<BankProblem> CheckRecord(std::string_view stored);
