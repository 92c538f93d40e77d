#pragma once

#include "SourceFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The pictures of block 1 as GIF files, and the archive Slike.dat built from them.

inline constexpr int kPictureWidth = 113;
inline constexpr int kPictureHeight = 130;

struct GifLayout
{
    int width = 0; // of the logical screen
    int height = 0;
    std::size_t trailer = 0; // position of the closing byte 0x3B, the file's last
};

// Walks the blocks of a GIF file; nothing, with the reason in error, when it is not one whole
// GIF file ending at its trailer.
std::optional<GifLayout> ReadGifLayout(std::string_view gif, std::string &error);

// The GIF lengthened to exactly length bytes by one comment block before its trailer, or
// nothing, with the reason in error, when it is longer or 1 to 4 bytes shorter (the smallest
// comment block takes 5).
std::optional<std::string> PadGif(std::string_view gif, std::size_t length, std::string &error);

// The picture files of the archive, NN-*.gif for NN = 01..39, in picturesFolder; a missing
// number is a problem of the file name pattern NN-*.gif, a doubled one of the second file.
std::array<std::filesystem::path, kPictureCount>
FindArchivePictures(const std::filesystem::path &picturesFolder, std::vector<Problem> &problems);

// Slike.dat: each picture padded to the length of its place in the picture table; pictures that
// are not 113 x 130 GIF files, or do not fit their place, are problems (file and line 0).
std::string BuildArchive(const std::array<std::filesystem::path, kPictureCount> &pictures,
                         std::vector<Problem> &problems);

// Where the pictures of a sources folder live: beside it, in pictures/.
std::filesystem::path PicturesFolder(const std::filesystem::path &sourcesFolder);
