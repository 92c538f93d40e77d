#include "ScoreList.h"

#include "ListFile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kScoreField = 4;
constexpr std::size_t kNameField = 12;

std::string rightAligned(std::string text, std::size_t width)
{
    if (text.size() >= width)
        return text.substr(0, width);
    return std::string(width - text.size(), ' ') + text;
}

std::string leftAligned(std::string_view text, std::size_t width)
{
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

// Puts line into list at its place. Only a strictly smaller score moves down, so equal scores
// keep their order and the new line ends below the older ones; a full list loses its last line.
void insertLine(ScoreList &list, const ScoreEntry &line)
{
    if (list.count < kMaxScoreLines)
        ++list.count;
    list.lines[list.count] = line;
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = 1; i < list.count; ++i) {
            if (ScoreOf(list.lines[i]) < ScoreOf(list.lines[i + 1])) {
                list.lines[i].swap(list.lines[i + 1]);
                exchanged = true;
            }
        }
    }
    list.lowestScore = ScoreOf(list.lines[list.count]);
}

std::string fileBytes(const ScoreList &list)
{
    std::string bytes;
    for (int i = 1; i <= list.count; ++i)
        bytes += list.lines[i] + "\r\n";
    return bytes;
}

} // namespace

ScoreDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::int16_t ScoreOf(std::string_view line)
{
    const std::string_view field = line.substr(0, kScoreField);
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    // Four characters hold at most 9999 or -999, which always fit a signed 16-bit value.
    int value = 0;
    bool anyDigit = false;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        anyDigit = true;
    }
    if (!anyDigit)
        return 0;
    return static_cast<std::int16_t>(negative ? -value : value);
}

ScoreEntry BuildScoreLine(std::string_view playerName, std::int16_t score, const ScoreDate &date)
{
    char day[32];
    std::snprintf(day, sizeof day, "%02d.%02d.%04d.", date.day, date.month, date.year);
    return rightAligned(std::to_string(score), kScoreField) + "  " +
           leftAligned(playerName, kNameField) + day;
}

void LoadScoreList(ScoreList &list, const fs::path &folder)
{
    listfile::Read(listfile::Locate(folder), list);
}

ListSave AddScoreLine(ScoreList &list, const ScoreEntry &line, const fs::path &folder,
                      const ListWriteOptions &options)
{
    const listfile::Lock lock(folder, options.lockWait);
    if (lock.status() != ListSave::Saved)
        return lock.status();
    const fs::path file = listfile::Locate(folder);
    if (const ListSave may = listfile::MayChange(file); may != ListSave::Saved)
        return may;
    // Read again: another copy of the program may have added its line since list was loaded.
    ScoreList fresh;
    if (listfile::Read(file, fresh) != 0)
        return ListSave::Failed; // rewriting an unreadable list would lose it
    if (fresh.count == kMaxScoreLines && ScoreOf(line) <= fresh.lowestScore)
        return ListSave::Outscored;
    insertLine(fresh, line);
    const ListSave saved = listfile::Replace(file, fileBytes(fresh), options.beforeRename);
    if (saved == ListSave::Saved)
        list = fresh;
    return saved;
}

bool ClearScoreList(const fs::path &folder)
{
    std::error_code error;
    if (!fs::exists(fs::symlink_status(listfile::Locate(folder), error)))
        return true;
    const listfile::Lock lock(folder, ListWriteOptions().lockWait);
    const fs::path file = listfile::Locate(folder);
    if (lock.status() != ListSave::Saved || listfile::MayChange(file) != ListSave::Saved)
        return false;
    return ::unlink(file.c_str()) == 0 || errno == ENOENT;
}

void SeedScoreList(const fs::path &from, const fs::path &to)
{
    // The lock file of `to` is made by the first writer there and never deleted, so one that
    // this call makes marks a folder whose list was never written or cleared.
    ScoreList given;
    if (listfile::Read(listfile::Locate(from), given) != 0 || given.count == 0)
        return;
    const listfile::Lock lock(to, ListWriteOptions().lockWait, true);
    const fs::path file = listfile::Locate(to);
    std::error_code error;
    if (lock.status() != ListSave::Saved || fs::exists(fs::symlink_status(file, error)))
        return;
    listfile::Replace(file, fileBytes(given));
}
