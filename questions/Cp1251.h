#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1251, the single-byte code page of every text the program stores.
namespace cp1251 {

// The Unicode character of one byte; 0x98, the one unassigned byte, maps to U+FFFD.
char32_t toUnicode(unsigned char byte);

// The byte of a Unicode character, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t ch);

// Reads one UTF-8 character at pos and advances pos; nothing for a malformed or overlong
// sequence, a surrogate or a value above U+10FFFF.
std::optional<char32_t> nextUtf8(std::string_view utf8, std::size_t &pos);

// Whole texts between Windows-1251 bytes and UTF-8.
std::string toUtf8(std::string_view bytes);
// Nothing when the UTF-8 is malformed or holds a character the code page cannot hold.
std::optional<std::string> fromUtf8(std::string_view utf8);

// Throws std::logic_error for a text the code page cannot hold; for the program's own literals.
std::string literal(std::string_view utf8);

} // namespace cp1251
