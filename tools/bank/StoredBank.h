#pragma once

#include "SourceFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Between the sources and the stored bank file: packing into lines, unpacking from bytes.

// One line of the stored bank and where it comes from.
struct PackedLine
{
    std::string stored;
    const SourceBlock *block = nullptr;
    const SourceQuestion *question = nullptr; // none for a block's closing "**"
};

// Every question that was read, block by block, each block closed by "**".
std::vector<PackedLine> PackLines(const Sources &sources);

// The bank file: every line closed by CR LF.
std::string JoinLines(const std::vector<PackedLine> &lines);

// The six source texts of a bank file, or nothing with the reason in error when the file does
// not hold exactly six blocks closed by "**". note tells when packing will not give back the
// same bytes (lines not closed by CR LF).
std::optional<std::array<std::string, kBlockCount + 1>>
UnpackBank(std::string_view bytes, std::string &error, std::string &note);
