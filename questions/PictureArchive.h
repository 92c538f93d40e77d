#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The picture archive: the GIF files of the picture questions one after another in Slike.dat,
// located by a table built into the program. The picture of question n has the key 100 + n.

inline constexpr const char *kPictureArchiveName = "Slike.dat";
inline constexpr const char *kPictureFileName = "t.gif";
inline constexpr std::int16_t kFirstPictureKey = 101;
inline constexpr std::int16_t kLastPictureKey = 139;
inline constexpr std::int64_t kPictureArchiveSize = 166689;

// One entry as the table stores it: the offset in 7 digits, two blanks, the length in 4 digits.
struct PictureIndexEntry
{
    std::int16_t key;
    std::string_view text;
};

inline constexpr std::array<PictureIndexEntry, kLastPictureKey - kFirstPictureKey + 1>
    PictureIndex = {{
        {101, "0000001  4455"}, {102, "0004456  3834"}, {103, "0008290  4139"},
        {104, "0012429  3828"}, {105, "0016257  4142"}, {106, "0020399  4130"},
        {107, "0024529  4263"}, {108, "0028792  4183"}, {109, "0032975  3849"},
        {110, "0036824  4299"}, {111, "0041123  4500"}, {112, "0045623  4205"},
        {113, "0049828  4102"}, {114, "0053930  4606"}, {115, "0058536  4710"},
        {116, "0063246  4230"}, {117, "0067476  4275"}, {118, "0071751  4665"},
        {119, "0076416  4111"}, {120, "0080527  4344"}, {121, "0084871  4491"},
        {122, "0089362  4076"}, {123, "0093438  4398"}, {124, "0097836  3789"},
        {125, "0101625  4352"}, {126, "0105977  4286"}, {127, "0110263  4442"},
        {128, "0114705  4452"}, {129, "0119157  4045"}, {130, "0123202  4105"},
        {131, "0127307  3868"}, {132, "0131175  3829"}, {133, "0135004  4455"},
        {134, "0139459  4210"}, {135, "0143669  4364"}, {136, "0148033  4328"},
        {137, "0152361  4546"}, {138, "0156907  4756"}, {139, "0161663  5027"},
    }};

// Where a picture lies in the archive; the offset counts bytes from 1.
struct PicturePlace
{
    std::int64_t offset = 0;
    std::int64_t length = 0;
};

// The offset is the number in the first 7 characters of an entry, the length the number in its
// last 5; blanks around a number are no part of it.
PicturePlace ReadPictureEntry(std::string_view text);

// The place of the picture with this key, or nothing when the table has no such key.
std::optional<PicturePlace> FindPicture(int key);

// A picture cut out of the archive. On failure bytes is empty and reason (Serbian, then
// English, UTF-8) is what the caller reports once.
struct PictureResult
{
    std::string bytes;
    std::string reason;
};

// The bytes of the picture of questionNumber in archiveFolder's Slike.dat (its name in any
// letter case, as FileInFolder finds it). A missing or short archive and a question without a
// picture give a failure.
PictureResult ReadPicture(const std::filesystem::path &archiveFolder, std::int16_t questionNumber);

// Makes writeFolder's t.gif (under the name it has there, in any letter case) hold exactly
// bytes, through a temporary file renamed over it, so a failed write leaves the old picture as
// it was. Returns the reason of a failure, or nothing.
std::string WritePictureFile(const std::filesystem::path &writeFolder, const std::string &bytes,
                             std::int16_t questionNumber);
