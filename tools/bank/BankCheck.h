#pragma once

#include "SourceFile.h"

#include <vector>

// Everything a bank must keep to, told by source file and line: the limits the program's loader
// checks, the texts the code page and the screen can hold, the kinds of each block, no repeats,
// and for every question its rule line and in block 1 its picture.
struct CheckOptions
{
    bool rules = true;    // every question has its ! line
    bool pictures = true; // block 1 names its pictures, which make a whole archive
};

std::vector<Problem> CheckSources(const Sources &sources, const CheckOptions &options);

// "file:line: message", or "file: message" for a whole file.
std::string DescribeProblem(const Problem &problem);
