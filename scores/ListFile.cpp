#include "ListFile.h"

#include "FileNames.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace listfile {

namespace {

bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Temporary files of earlier versions of the program, named "<list>.<pid>-<n>.tmp", which a
// writer killed halfway left behind.
bool isOldTemporary(const std::string &name, const std::string &list)
{
    const std::string tail = ".tmp";
    if (name.size() <= list.size() + 1 + tail.size() || name.compare(0, list.size(), list) != 0 ||
        name[list.size()] != '.' || name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string middle =
        name.substr(list.size() + 1, name.size() - list.size() - 1 - tail.size());
    const auto dash = middle.find('-');
    return dash != std::string::npos && dash > 0 && dash + 1 < middle.size() &&
           middle.find_first_not_of("0123456789-") == std::string::npos &&
           middle.find('-', dash + 1) == std::string::npos;
}

void removeOldTemporaries(const fs::path &file)
{
    std::error_code error;
    const std::string list = file.filename().string();
    for (const auto &entry : fs::directory_iterator(file.parent_path(), error)) {
        if (isOldTemporary(entry.path().filename().string(), list))
            fs::remove(entry.path(), error);
    }
}

} // namespace

fs::path Locate(const fs::path &folder)
{
    fs::path file = FileInFolder(folder, kScoreFileName);
    std::error_code error;
    // 40 links at most, as the system follows.
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(file, error)); ++hop) {
        const fs::path to = fs::read_symlink(file, error);
        if (error)
            break;
        file = to.is_absolute() ? to : file.parent_path() / to;
    }
    return file;
}

ListSave ReasonOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return ListSave::FolderNotWritable;
    case ENOENT:
    case ENOTDIR:
        return ListSave::FolderMissing;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ListSave::DiskFull;
    case EISDIR:
        return ListSave::NameIsFolder;
    default:
        return ListSave::Failed;
    }
}

Lock::Lock(const fs::path &folder, std::chrono::milliseconds wait, bool newLockOnly)
{
    // Beside the list under a fixed name, and never deleted: a lock on the list file itself
    // would be lost when the file is replaced.
    const fs::path name = folder / (std::string(kScoreFileName) + ".lock");
    const int flags = O_RDWR | O_CREAT | O_CLOEXEC | (newLockOnly ? O_EXCL : 0);
    m_fd = ::open(name.c_str(), flags, 0666);
    const int openError = errno;
    if (m_fd < 0 && openError == EACCES && !newLockOnly)
        m_fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC); // made by another user of the folder
    if (m_fd < 0) {
        m_status = ReasonOf(openError);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            m_status = ReasonOf(errno);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            m_status = ListSave::Busy;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_status = ListSave::Saved;
}

Lock::~Lock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

int Read(const fs::path &file, ScoreList &list)
{
    list = ScoreList();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? 0 : errno;
    struct stat st
    {
    };
    std::string bytes;
    int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (error == 0 && !S_ISREG(st.st_mode))
        error = EINVAL; // a device or a pipe is no list
    char chunk[4096];
    for (ssize_t n = 1; error == 0 && n != 0;) {
        n = ::read(fd, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, static_cast<std::size_t>(n));
        else if (n < 0 && errno != EINTR)
            error = errno;
    }
    ::close(fd);
    if (error != 0)
        return error;
    for (std::size_t at = 0; list.count < kMaxScoreLines && at < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        list.lines[++list.count] = bytes.substr(at, end - at);
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (list.count >= 1)
        list.lowestScore = ScoreOf(list.lines[list.count]);
    return 0;
}

ListSave MayChange(const fs::path &file)
{
    struct stat st
    {
    };
    if (::stat(file.c_str(), &st) != 0)
        return errno == ENOENT ? ListSave::Saved : ReasonOf(errno);
    if (S_ISDIR(st.st_mode))
        return ListSave::NameIsFolder;
    // A rename needs only the folder's permission; the file's own protection is kept anyway, for
    // root too, who passes every permission check.
    if (!S_ISREG(st.st_mode))
        return ListSave::Failed;
    if ((st.st_mode & S_IWUSR) == 0 || ::access(file.c_str(), W_OK) != 0)
        return ListSave::FileWriteProtected;
    return ListSave::Saved;
}

ListSave Replace(const fs::path &file, const std::string &bytes,
                 const std::function<void()> &beforeRename)
{
    fs::path temp = file;
    temp += ".tmp";
    ::unlink(temp.c_str()); // a dead writer's leftover, whatever it is
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return ReasonOf(errno);
    struct stat old
    {
    };
    if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777); // a rewrite keeps the permissions the file had
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && beforeRename)
        beforeRename();
    if (ok && ::rename(temp.c_str(), file.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return ReasonOf(error);
    }
    // The rename itself must reach the disk too; the new file is in place even if this fails.
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    removeOldTemporaries(file);
    return ListSave::Saved;
}

} // namespace listfile
