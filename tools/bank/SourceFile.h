#pragma once

#include "BankFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The question sources: one UTF-8 text file per block, a question per paragraph.
//   ? head     the kind code (blocks 1-5) or the question itself (block 6)
//   + answer   the correct answer, first of the answers
//   - answer   a wrong answer
//   ! rule     why the answer is correct, shown to the player after the answer: packed after
//              the last separator behind the mark "!"
//   = NN-slug  block 1: the picture NN-slug.gif of the question; not packed
//   ~ text     other bytes after the last separator, which the program never shows; a question
//              has either a ! line or a ~ line
//   @ text     a line packed as it stands, without separators (alone in its paragraph)
//   # comment  never packed
// One blank after the sign; blanks around the text are dropped.

// Where a source line is; line 0 stands for the file as a whole.
struct Problem
{
    std::filesystem::path file;
    int line = 0;
    std::string message; // Serbian, UTF-8
    // Only a rule line is at fault: pack warns and packs the question without the rule, or with
    // it as it stands when it merely does not fit the screen.
    bool ruleOnly = false;
};

struct SourceText
{
    std::string text; // Windows-1251 bytes for packed lines, UTF-8 for = lines
    int line = 0;
};

struct SourceQuestion
{
    int line = 0;         // the first line of its paragraph
    bool raw = false;     // an @ line
    bool read = true;     // false when a line of it could not be read; it is then never packed
    bool ruleRead = true; // false when its ! line could not be read; it is packed without it
    SourceText head;      // ? or @
    std::vector<SourceText> answers;
    std::optional<SourceText> trailing;
    std::optional<SourceText> rule;
    std::optional<SourceText> picture;
};

struct SourceBlock
{
    std::filesystem::path file;
    int lineCount = 0;
    std::vector<SourceQuestion> questions;
};

struct Sources
{
    std::filesystem::path folder;
    std::array<SourceBlock, kBlockCount + 1> blocks; // indexed 1..6
    std::vector<Problem> problems;                   // lines that could not be read
};

// The file names unpack gives the six blocks.
inline constexpr std::array<std::string_view, kBlockCount + 1> kSourceNames = {
    "",           "1-slike.txt", "2-bolje.txt", "3-pravopis.txt", "4-gramatika.txt", "5-jezik.txt",
    "6-opsta.txt"};

// Reads folder/1-*.txt .. 6-*.txt.
Sources ReadSources(const std::filesystem::path &folder);

// Reads one block's source text; what cannot be read is added to problems.
SourceBlock ParseSource(const std::filesystem::path &file, std::string_view utf8,
                        std::vector<Problem> &problems);

// The stored line of a question that was read.
std::string StoredRecord(const SourceQuestion &question);

// The source text of one block, from its stored lines.
std::string WriteSource(int block, const std::vector<std::string> &storedLines);
