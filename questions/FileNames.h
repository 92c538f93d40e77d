#pragma once

#include <filesystem>
#include <string>

// The program's files are named as on a system where letter case does not matter, and a data
// folder copied from one often holds PITANJA.DAT or lista.txt. The path of name in folder: the
// exact name when it exists, else the one entry whose name matches it regardless of (ASCII)
// case, else the exact name, for a file still to be made.
std::filesystem::path FileInFolder(const std::filesystem::path &folder, const std::string &name);
