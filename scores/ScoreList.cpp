#include "ScoreList.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
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

bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A fresh file beside target that no other writer uses; -1 when none can be made.
int createTempBeside(const fs::path &target, fs::path &temp)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target;
        temp += "." + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes the whole of bytes to a temporary file, makes it durable, and only then renames it over
// target, so that target holds either its old or its new contents, never a part.
bool replaceFile(const fs::path &target, const std::string &bytes)
{
    fs::path temp;
    const int fd = createTempBeside(target, temp);
    if (fd < 0)
        return false;
    struct stat old
    {
    };
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777); // a rewrite keeps the permissions the file had
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself must reach the disk too; the new file is in place even if this fails.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
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
    list.count = 0;
    list.lowestScore = 0;
    list.lines.fill(ScoreEntry());
    std::ifstream file(folder / kScoreFileName, std::ios::binary);
    if (!file)
        return;
    std::streambuf &in = *file.rdbuf();
    using traits = std::streambuf::traits_type;
    try {
        while (list.count < kMaxScoreLines && !traits::eq_int_type(in.sgetc(), traits::eof())) {
            ScoreEntry &line = list.lines[++list.count];
            for (int c = in.sbumpc(); !traits::eq_int_type(c, traits::eof()); c = in.sbumpc()) {
                if (c == '\n')
                    break;
                if (c == '\r') {
                    if (in.sgetc() == '\n')
                        in.sbumpc();
                    break;
                }
                line += traits::to_char_type(c);
            }
        }
    } catch (const std::ios_base::failure &) {
        // A read error (the name is a folder, the disk fails) ends the list at what was read.
    }
    if (list.count >= 1)
        list.lowestScore = ScoreOf(list.lines[list.count]);
}

bool AddScoreLine(ScoreList &list, const ScoreEntry &line, const fs::path &folder)
{
    // On a failed rewrite the list goes back to what it was, so that it matches the file on disk
    // and a second attempt does not add the line twice.
    const ScoreList before = list;
    if (list.count < kMaxScoreLines)
        ++list.count;
    list.lines[list.count] = line;

    // Only a strictly smaller score moves down, so equal scores keep their order and the new
    // line ends below the older ones.
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

    std::string bytes;
    for (int i = 1; i <= list.count; ++i)
        bytes += list.lines[i] + "\r\n";
    if (!replaceFile(folder / kScoreFileName, bytes)) {
        list = before;
        return false;
    }
    return true;
}

bool ClearScoreList(const fs::path &folder)
{
    // The same name that is read and written; names are matched with regard to case here.
    const fs::path file = folder / kScoreFileName;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (!fs::exists(status))
        return true;
    if (fs::is_directory(status))
        return false;
    return fs::remove(file, error) && !error;
}
