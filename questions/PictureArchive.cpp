#include "PictureArchive.h"

#include "FileNames.h"

#include <fstream>
#include <system_error>

namespace {

// The value of the digits in text, ignoring blanks on either side; 0 when there are none.
std::int64_t number(std::string_view text)
{
    std::int64_t value = 0;
    std::size_t i = text.find_first_not_of(' ');
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

PictureResult failure(std::int16_t questionNumber, const std::string &serbian,
                      const std::string &english)
{
    const std::string n = std::to_string(questionNumber);
    return {{},
            "Слика питања " + n + " није приказана: " + serbian + " (The picture of question " +
                n + " is not shown: " + english + ")"};
}

std::string quoted(const std::filesystem::path &file)
{
    return "„" + file.string() + "“";
}

} // namespace

PicturePlace ReadPictureEntry(std::string_view text)
{
    const std::size_t lengthStart = text.size() >= 5 ? text.size() - 5 : 0;
    return {number(text.substr(0, 7)), number(text.substr(lengthStart))};
}

std::optional<PicturePlace> FindPicture(int key)
{
    for (const PictureIndexEntry &entry : PictureIndex) {
        if (entry.key == key)
            return ReadPictureEntry(entry.text);
    }
    return std::nullopt;
}

PictureResult ReadPicture(const std::filesystem::path &archiveFolder, std::int16_t questionNumber)
{
    const int key = questionNumber + 100;
    const std::optional<PicturePlace> place = FindPicture(key);
    if (!place)
        return failure(questionNumber, "у табели слика нема кључа " + std::to_string(key) + ".",
                       "the picture table has no key " + std::to_string(key) + ".");

    const std::filesystem::path archive = FileInFolder(archiveFolder, kPictureArchiveName);
    std::error_code error;
    const auto size = std::filesystem::file_size(archive, error);
    if (error)
        return failure(questionNumber, "датотека " + quoted(archive) + " не постоји.",
                       archive.string() + " is missing.");
    const std::int64_t end = place->offset + place->length - 1;
    if (static_cast<std::int64_t>(size) < end)
        return failure(questionNumber,
                       "датотека " + quoted(archive) + " има " + std::to_string(size) +
                           " бајтова, а слика се завршава бајтом " + std::to_string(end) + ".",
                       archive.string() + " holds " + std::to_string(size) +
                           " bytes, the picture ends at byte " + std::to_string(end) + ".");

    std::string bytes(static_cast<std::size_t>(place->length), '\0');
    std::ifstream in(archive, std::ios::binary);
    in.seekg(place->offset - 1);
    in.read(bytes.data(), place->length);
    if (!in)
        return failure(questionNumber, "датотека " + quoted(archive) + " не може да се прочита.",
                       archive.string() + " cannot be read.");
    return {std::move(bytes), {}};
}

std::string WritePictureFile(const std::filesystem::path &writeFolder, const std::string &bytes,
                             std::int16_t questionNumber)
{
    // A T.GIF found in the folder is rewritten rather than joined by a t.gif.
    const std::filesystem::path picture = FileInFolder(writeFolder, kPictureFileName);
    std::filesystem::path temporary = picture;
    temporary += ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code error;
    if (out)
        std::filesystem::rename(temporary, picture, error);
    if (!out || error) {
        std::filesystem::remove(temporary, error);
        const std::string n = std::to_string(questionNumber);
        return "Слика питања " + n + " није сачувана: датотека " + quoted(picture) +
               " не може да се запише. (The picture of question " + n + " is not saved: " +
               picture.string() + " cannot be written.)";
    }
    return {};
}
