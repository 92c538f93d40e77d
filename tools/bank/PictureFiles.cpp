#include "PictureFiles.h"

#include "PictureArchive.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

static_assert(PictureIndex.size() == kPictureCount, "one place in the archive per picture");

namespace {

constexpr unsigned char kTrailer = 0x3B;
constexpr unsigned char kExtension = 0x21;
constexpr unsigned char kImage = 0x2C;
constexpr unsigned char kComment = 0xFE;
constexpr std::size_t kSmallestComment = 5; // introducer, label, one sub-block of one byte, end

std::size_t colourTableSize(unsigned char flags)
{
    return (flags & 0x80) ? 3u * (2u << (flags & 7)) : 0u;
}

// Skips data sub-blocks up to and including their zero terminator.
bool skipSubBlocks(std::string_view gif, std::size_t &pos)
{
    while (pos < gif.size()) {
        const auto size = static_cast<unsigned char>(gif[pos++]);
        if (size == 0)
            return true;
        pos += size;
    }
    return false;
}

std::string readFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    if (in.peek() != std::char_traits<char>::eof())
        bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

std::optional<GifLayout> ReadGifLayout(std::string_view gif, std::string &error)
{
    if (gif.size() < 13 || (gif.substr(0, 6) != "GIF87a" && gif.substr(0, 6) != "GIF89a")) {
        error = "није GIF датотека (нема заглавља GIF87a или GIF89a).";
        return std::nullopt;
    }
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(gif[i]); };
    GifLayout layout;
    layout.width = byte(6) | byte(7) << 8;
    layout.height = byte(8) | byte(9) << 8;
    std::size_t pos = 13 + colourTableSize(byte(10));
    while (pos < gif.size()) {
        const unsigned char introducer = byte(pos);
        if (introducer == kTrailer) {
            if (pos + 1 != gif.size()) {
                error = "после завршног бајта 0x3B стоји још " +
                        std::to_string(gif.size() - pos - 1) + " бајтова.";
                return std::nullopt;
            }
            layout.trailer = pos;
            return layout;
        }
        bool whole = false;
        if (introducer == kExtension) {
            pos += 2;
            whole = skipSubBlocks(gif, pos);
        } else if (introducer == kImage && pos + 11 <= gif.size()) {
            pos += 10 + colourTableSize(byte(pos + 9)) + 1; // descriptor, colours, code size
            whole = skipSubBlocks(gif, pos);
        } else if (introducer != kImage) {
            static constexpr char kDigits[] = "0123456789ABCDEF";
            error = std::string("непознат блок 0x") + kDigits[introducer >> 4] +
                    kDigits[introducer & 15] + " на бајту " + std::to_string(pos + 1) + ".";
            return std::nullopt;
        }
        if (!whole)
            break;
    }
    error = "датотека је прекинута пре завршног бајта 0x3B.";
    return std::nullopt;
}

std::optional<std::string> PadGif(std::string_view gif, std::size_t length, std::string &error)
{
    const std::optional<GifLayout> layout = ReadGifLayout(gif, error);
    if (!layout)
        return std::nullopt;
    if (gif.size() > length) {
        error = "слика има " + std::to_string(gif.size()) + " бајтова, а њено место у архиви " +
                std::to_string(length) + ".";
        return std::nullopt;
    }
    const std::size_t padding = length - gif.size();
    if (padding == 0)
        return std::string(gif);
    if (padding < kSmallestComment) {
        error = "слика има " + std::to_string(gif.size()) + " бајтова, " + std::to_string(padding) +
                " мање од свог места (" + std::to_string(length) +
                "), а блок коментара којим се допуњује заузима најмање 5; смањите слику за још " +
                std::to_string(kSmallestComment - padding) + " бајтова или више.";
        return std::nullopt;
    }
    std::string padded(gif.substr(0, layout->trailer));
    padded[4] = '9'; // extension blocks came with GIF89a
    padded += static_cast<char>(kExtension);
    padded += static_cast<char>(kComment);
    std::size_t left = padding - 3; // the sub-blocks, each its size byte and 1..255 bytes
    while (left > 0) {
        std::size_t size = std::min<std::size_t>(255, left - 1);
        if (left - size - 1 == 1) // one byte could not make a sub-block of its own
            size -= 1;
        padded += static_cast<char>(size);
        padded.append(size, ' ');
        left -= size + 1;
    }
    padded += '\0';
    padded += static_cast<char>(kTrailer);
    return padded;
}

std::array<fs::path, kPictureCount> FindArchivePictures(const fs::path &picturesFolder,
                                                        std::vector<Problem> &problems)
{
    std::array<fs::path, kPictureCount> pictures;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(picturesFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 8 || name[2] != '-' || entry.path().extension() != ".gif" ||
            name[0] < '0' || name[0] > '9' || name[1] < '0' || name[1] > '9')
            continue;
        const int number = (name[0] - '0') * 10 + (name[1] - '0');
        if (number < 1 || number > kPictureCount)
            continue;
        if (!pictures[number - 1].empty())
            problems.push_back({entry.path(), 0,
                                "и ова слика и " + pictures[number - 1].filename().string() +
                                    " имају број " + name.substr(0, 2) + "; број има једна."});
        pictures[number - 1] = entry.path();
    }
    for (int n = 1; n <= kPictureCount; ++n) {
        if (pictures[n - 1].empty()) {
            const std::string pattern = (n < 10 ? "0" : "") + std::to_string(n) + "-*.gif";
            problems.push_back(
                {picturesFolder / pattern, 0,
                 "нема те слике, а архива слика има свих " + std::to_string(kPictureCount) + "."});
        }
    }
    return pictures;
}

std::string BuildArchive(const std::array<fs::path, kPictureCount> &pictures,
                         std::vector<Problem> &problems)
{
    std::string archive;
    for (int n = 1; n <= kPictureCount; ++n) {
        const PicturePlace place = *FindPicture(100 + n);
        const fs::path &file = pictures[n - 1];
        std::string error;
        const std::string gif = file.empty() ? std::string() : readFile(file);
        const std::optional<GifLayout> layout = ReadGifLayout(gif, error);
        std::optional<std::string> padded;
        if (layout && (layout->width != kPictureWidth || layout->height != kPictureHeight))
            error = "слика је " + std::to_string(layout->width) + " x " +
                    std::to_string(layout->height) + " пиксела, а мора бити 113 x 130.";
        else if (layout)
            padded = PadGif(gif, static_cast<std::size_t>(place.length), error);
        if (!padded) {
            if (!file.empty())
                problems.push_back({file, 0, error});
            padded = std::string(static_cast<std::size_t>(place.length), '\0');
        }
        archive += *padded;
    }
    return archive;
}

fs::path PicturesFolder(const fs::path &sourcesFolder)
{
    return (sourcesFolder / ".." / "pictures").lexically_normal();
}
