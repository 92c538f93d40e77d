#pragma once

#include "QuestionBank.h"
#include "Random.h"
#include "ScoreList.h"

#include <cstdint>
#include <filesystem>
#include <string>

// Where the program finds its files: the data it ships (Pitanja.dat, Slike.dat) in its own
// folder, and the files it writes (t.gif, Lista.txt) there too, or in the user's data folder
// when its own folder is not writable.
struct AppFolders
{
    std::filesystem::path dataFolder;
    std::filesystem::path writeFolder;
};

// The state that lives for the whole run and that every screen shares. main creates one and
// hands it to the screens; tests build as many as they like.
struct Module1
{
    AppFolders folders;
    Random random;
    QuestionBank questionBank;
    std::string workText; // line buffer, result and swap space of the bank routines
    ScoreList scoreList;
    std::int16_t finalScore = 0;
};
