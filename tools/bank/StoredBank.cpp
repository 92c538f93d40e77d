#include "StoredBank.h"

std::vector<PackedLine> PackLines(const Sources &sources)
{
    std::vector<PackedLine> lines;
    for (int k = 1; k <= kBlockCount; ++k) {
        const SourceBlock &block = sources.blocks[k];
        for (const SourceQuestion &question : block.questions) {
            if (question.read)
                lines.push_back({StoredRecord(question), &block, &question});
        }
        lines.push_back({std::string(kBlockMarker), &block, nullptr});
    }
    return lines;
}

std::string JoinLines(const std::vector<PackedLine> &lines)
{
    std::string bytes;
    for (const PackedLine &line : lines)
        bytes += line.stored + "\r\n";
    return bytes;
}

std::optional<std::array<std::string, kBlockCount + 1>>
UnpackBank(std::string_view bytes, std::string &error, std::string &note)
{
    const std::vector<std::string> lines = SplitLines(bytes);
    std::array<std::vector<std::string>, kBlockCount + 1> blocks;
    int block = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (block > kBlockCount) {
            error = "ред " + std::to_string(i + 1) + " стоји после шесте ознаке „**“.";
            return std::nullopt;
        }
        if (lines[i] == kBlockMarker)
            ++block;
        else
            blocks[block].push_back(lines[i]);
    }
    if (block <= kBlockCount) {
        error = "број ознака краја блока „**“ у датотеци је " + std::to_string(block - 1) +
                ", а мора бити шест.";
        return std::nullopt;
    }
    std::string packedAgain;
    for (const std::string &line : lines)
        packedAgain += line + "\r\n";
    if (packedAgain != bytes)
        note = "неки редови датотеке не завршавају се са CR LF; паковање ће их тако завршити.";

    std::array<std::string, kBlockCount + 1> sources;
    for (int k = 1; k <= kBlockCount; ++k)
        sources[k] = WriteSource(k, blocks[k]);
    return sources;
}
