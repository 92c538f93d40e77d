#pragma once

#include "BankFile.h"
#include "Cp1251.h"

#include <array>
#include <fstream>
#include <string>
#include <vector>

// Builds question bank files in stored form for tests.
namespace testbank {

// A stored record from UTF-8 head and answers; the first answer is the correct one.
inline std::string record(const std::string &head, const std::vector<std::string> &answers)
{
    std::string line = EncodeText(cp1251::literal(head));
    line += FieldSeparator;
    for (const std::string &answer : answers) {
        line += EncodeText(cp1251::literal(answer));
        line += FieldSeparator;
    }
    return line;
}

// The lines of a bank whose block k holds sizes[k-1] records; record n reads "Питање n" with the
// correct answer "тачно n" and one wrong answer, and an odd n has the rule "Зато што n.".
inline std::vector<std::string> lines(const std::array<int, 6> &sizes)
{
    static const char *const kHeads[] = {"S", "{", "P", "G", "J"};
    std::vector<std::string> out;
    int n = 0;
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < sizes[k]; ++i) {
            ++n;
            const std::string head = k < 5 ? kHeads[k] : "Питање " + std::to_string(n) + "?";
            out.push_back(record(head, {"тачно " + std::to_string(n), "нетачно"}));
            if (n % 2)
                out.back() += EncodeText(cp1251::literal("!Зато што " + std::to_string(n) + "."));
        }
        out.emplace_back("**");
    }
    return out;
}

inline std::string join(const std::vector<std::string> &lines, const std::string &end = "\r\n")
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + end;
    return bytes;
}

inline std::string bytes(const std::array<int, 6> &sizes)
{
    return join(lines(sizes));
}

inline void write(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline constexpr std::array<int, 6> kSmallest = {2, 3, 6, 4, 3, 2};

} // namespace testbank
