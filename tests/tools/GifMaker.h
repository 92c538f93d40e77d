#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Writes GIF files for the tests (Qt reads GIF but does not write it): one image, a palette of
// 2^bits grey levels, LZW-compressed as the format requires.
namespace testgif {

inline std::string lzw(const std::vector<int> &pixels, int bits)
{
    const int clear = 1 << bits;
    const int end = clear + 1;
    std::string out;
    std::uint32_t buffer = 0;
    int buffered = 0;
    int width = bits + 1;
    auto emit = [&](int code) {
        buffer |= static_cast<std::uint32_t>(code) << buffered;
        for (buffered += width; buffered >= 8; buffered -= 8, buffer >>= 8)
            out += static_cast<char>(buffer & 0xFF);
    };
    std::map<std::pair<int, int>, int> table;
    int next = end + 1;
    emit(clear);
    int prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const auto found = table.find({prefix, pixels[i]});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        emit(prefix);
        // The reader widens its codes when its table, one entry behind ours, fills the width.
        if (next >= (1 << width) && width < 12)
            ++width;
        if (next >= 4095) {
            emit(clear);
            table.clear();
            next = end + 1;
            width = bits + 1;
        } else {
            table[{prefix, pixels[i]}] = next++;
        }
        prefix = pixels[i];
    }
    emit(prefix);
    if (next >= (1 << width) && width < 12)
        ++width;
    emit(end);
    if (buffered > 0)
        out += static_cast<char>(buffer & 0xFF);
    return out;
}

// A GIF of width x height whose pixel (x, y) has the palette index pixel(x, y) < 2^bits.
inline std::string make(int width, int height, const std::function<int(int, int)> &pixel,
                        int bits = 2)
{
    auto word = [](int v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    };
    std::string gif = "GIF89a" + word(width) + word(height);
    gif += static_cast<char>(0xF0 | (bits - 1)); // global palette of 2^bits colours
    gif += std::string(2, '\0');
    for (int i = 0; i < (1 << bits); ++i)
        gif += std::string(3, static_cast<char>(i * 255 / ((1 << bits) - 1)));
    gif += '\x2C' + word(0) + word(0) + word(width) + word(height) + '\0';
    gif += static_cast<char>(bits);
    std::vector<int> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(pixel(x, y));
    const std::string data = lzw(pixels, bits);
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::string chunk = data.substr(i, 255);
        gif += static_cast<char>(chunk.size()) + chunk;
    }
    gif += '\0';
    gif += '\x3B';
    return gif;
}

// A small picture of the size the game shows, different for each seed.
inline std::string picture(int seed, int width = 113, int height = 130)
{
    return make(width, height, [seed](int x, int y) { return (x / (8 + seed % 5) + y / 16) % 4; });
}

// A picture of noise, far larger than any place in the archive.
inline std::string noise(int width = 113, int height = 130)
{
    std::uint32_t state = 12345;
    return make(
        width, height,
        [&state](int, int) {
            state = state * 1103515245u + 12345u;
            return static_cast<int>((state >> 16) & 0xFF);
        },
        8);
}

} // namespace testgif
