#pragma once

#include "ScoreList.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

// How the list file is found, locked, read and replaced on disk. Used by ScoreList.cpp only.
namespace listfile {

// The file that holds folder's list: the name found regardless of letter case, followed
// through symbolic links to the file they name, which need not exist yet.
std::filesystem::path Locate(const std::filesystem::path &folder);

// What a failed system call's errno says about the list.
ListSave ReasonOf(int error);

// Exclusive lock on folder's list, held while it lives. Every change of the list happens under
// it, so that each writer reads the list that the previous one wrote.
class Lock
{
public:
    // Waits up to wait for the lock; newLockOnly takes it only when no writer has used folder
    // before (the lock file did not exist yet).
    Lock(const std::filesystem::path &folder, std::chrono::milliseconds wait,
         bool newLockOnly = false);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    ListSave status() const { return m_status; }

private:
    int m_fd = -1;
    ListSave m_status = ListSave::Failed;
};

// Reads file into list; a missing file is an empty list. Returns 0 or the errno that stopped
// the read.
int Read(const std::filesystem::path &file, ScoreList &list);

// Whether file may be replaced or deleted: Saved, or why not. A missing file may be made.
ListSave MayChange(const std::filesystem::path &file);

// Writes bytes to a temporary file beside file, makes it durable and renames it over file, so
// that file holds its old or its new contents, never a part. Call under the Lock: the temporary
// name is fixed, so a leftover of a writer killed halfway is taken over, not piled up.
ListSave Replace(const std::filesystem::path &file, const std::string &bytes,
                 const std::function<void()> &beforeRename = {});

} // namespace listfile
