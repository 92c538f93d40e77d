#pragma once

#include <optional>
#include <string>
#include <string_view>

// The texts of the question sources: UTF-8 as typed, with two escapes for bytes an editor would
// hide or mangle: \xHH is the Windows-1251 byte HH, and \\ is one backslash.
namespace sourcetext {

// The Windows-1251 bytes of a source text, or nothing with the reason in error (Serbian).
std::optional<std::string> Read(std::string_view utf8, std::string &error);

// The source text of Windows-1251 bytes: escapes for control bytes, the backslash, the bytes
// that show nothing (the unassigned 0x98, the no-break space and the soft hyphen) and for blanks
// at either end, which a source line would otherwise lose.
std::string Write(std::string_view bytes);

// Without the blanks at either end.
std::string_view Trim(std::string_view text);

} // namespace sourcetext
