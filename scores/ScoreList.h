#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// Fills list from folder/Lista.txt (or the one name that matches it in another letter case;
// through a symbolic link, from the file it names); a missing or unreadable file is an empty
// list. CR LF, a lone CR and a lone LF each end a line.
void LoadScoreList(ScoreList &list, const std::filesystem::path &folder);

// Why a change of the list file was not made; Saved when it was.
enum class ListSave {
    Saved,
    FileWriteProtected, // the file's owner may not write it, or this user may not
    NameIsFolder,       // a folder has the list file's name
    FolderMissing,
    FolderNotWritable,
    DiskFull,
    Busy,      // another running copy of the program held the list too long
    Outscored, // meanwhile the list filled with better scores, so the line has no place in it
    Failed,    // any other read or write error
};

struct ListWriteOptions
{
    std::chrono::milliseconds lockWait{5000}; // how long to wait for another writer
    std::function<void()> beforeRename;       // called with the new list written but not in place
};

// Under an exclusive lock on the list, reads the list file again (another copy of the program
// may have added to it since list was loaded), puts line into it at its place and rewrites the
// file so that a crash or a full disk never leaves it half written. A symbolic link stays and
// the file it names is rewritten. On success list is what the file now holds; otherwise the file
// and list are as they were, and the result says why.
ListSave AddScoreLine(ScoreList &list, const ScoreEntry &line, const std::filesystem::path &folder,
                      const ListWriteOptions &options = {});

// Deletes the list file (through a link, the file it names); a missing file counts as deleted.
// Returns false when a list file is still there afterwards: a write-protected one is kept. The
// list in memory is not touched.
bool ClearScoreList(const std::filesystem::path &folder);

// Starts the list of folder `to` from the list in folder `from` (one that came with the program
// in a folder the player cannot write) the first time `to` is used for a list: when no list has
// been written or cleared there before.
void SeedScoreList(const std::filesystem::path &from, const std::filesystem::path &to);
