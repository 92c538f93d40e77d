#include "FileNames.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace {

bool sameIgnoringCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::filesystem::path FileInFolder(const std::filesystem::path &folder, const std::string &name)
{
    const std::filesystem::path exact = folder / name;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, error)))
        return exact;
    std::filesystem::path found;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (!sameIgnoringCase(entry.path().filename().string(), name))
            continue;
        if (!found.empty())
            return exact; // two candidates: none is the one
        found = entry.path();
    }
    return found.empty() ? exact : found;
}
