#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The high-score list: at most 30 lines of 29 Windows-1251 characters in Lista.txt, best first.
// A line is a ScoreEntry: the score right-aligned in 4 characters, two blanks, the name
// left-aligned in 12, and the date as "dd.mm.yyyy.".

inline constexpr int kMaxScoreLines = 30;
inline constexpr int kScoreLineLength = 29;
inline constexpr const char *kScoreFileName = "Lista.txt";

using ScoreEntry = std::string;

struct ScoreList
{
    std::array<ScoreEntry, kMaxScoreLines + 1> lines{}; // slots 1..30
    std::int16_t count = 0;
    std::int16_t lowestScore = 0;
};

struct ScoreDate
{
    int day = 1;
    int month = 1;
    int year = 2000;
};

// Today in local time.
ScoreDate Today();

// The number in the first four characters of a line, leading blanks skipped; 0 when they do
// not begin with a number or the number does not fit a signed 16-bit value.
std::int16_t ScoreOf(std::string_view line);

// playerName is Windows-1251 bytes. A score or name too long for its field keeps its leftmost
// characters.
ScoreEntry BuildScoreLine(std::string_view playerName, std::int16_t score,
                          const ScoreDate &date = Today());

// Fills list from folder/Lista.txt; a missing or unreadable file is an empty list. CR LF, a lone
// CR and a lone LF each end a line.
void LoadScoreList(ScoreList &list, const std::filesystem::path &folder);

// Puts line into list at its place and rewrites folder/Lista.txt so that a crash or a full disk
// never leaves it half written. Returns false, with the file on disk and list as they were,
// when the rewrite failed.
bool AddScoreLine(ScoreList &list, const ScoreEntry &line, const std::filesystem::path &folder);

// Deletes the list file; a missing file counts as deleted. Returns false when a list file is
// still there afterwards. The list in memory is not touched.
bool ClearScoreList(const std::filesystem::path &folder);
