#pragma once

#include <string>

// Writes GIF files for the tests (Qt reads GIF but does not write it).
namespace testgif {

// One white pixel on a black logical screen of width x height: the screen is the size a reader
// shows and the archive checks, and the pixel keeps the file a few dozen bytes long.
inline std::string picture(int width = 113, int height = 130)
{
    auto word = [](int v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    };
    const std::string palette("\x80\0\0\0\0\0\xFF\xFF\xFF", 9); // two colours, no aspect ratio
    const std::string pixel("\0\x02\x02\x4C\x01\0\x3B", 7); // LZW: clear, colour 1, end; trailer
    return "GIF89a" + word(width) + word(height) + palette + '\x2C' + word(0) + word(0) + word(1) +
           word(1) + pixel;
}

} // namespace testgif
