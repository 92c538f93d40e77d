#include "BankTool.h"

#include "BankCheck.h"
#include "Cp1251.h"
#include "PictureArchive.h"
#include "PictureFiles.h"
#include "ScreenFit.h"
#include "ShapeStats.h"
#include "StoredBank.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char *kUsage =
    "Употреба:\n"
    "  lingvar-bank check <фасцикла-извора>\n"
    "  lingvar-bank pack [--no-pictures] [--as-is] <фасцикла-извора> <излазна-фасцикла>\n"
    "  lingvar-bank unpack <Pitanja.dat> <фасцикла-извора>\n"
    "  lingvar-bank stats <фасцикла-извора>\n";

int refuse(std::ostream &err, const std::vector<Problem> &problems)
{
    for (const Problem &problem : problems)
        err << DescribeProblem(problem) << '\n';
    err << "Грешака: " << problems.size() << ".\n";
    return 1;
}

int questionCount(const Sources &sources)
{
    int count = 0;
    for (int k = 1; k <= kBlockCount; ++k)
        count += static_cast<int>(sources.blocks[k].questions.size());
    return count;
}

bool writeFile(const fs::path &file, const std::string &bytes, std::ostream &err)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out)
        err << file.string() << ": датотека не може да се запише.\n";
    return static_cast<bool>(out);
}

int check(const fs::path &folder, std::ostream &out, std::ostream &err)
{
    const Sources sources = ReadSources(folder);
    const std::vector<Problem> problems = CheckSources(sources, {});
    const QString family = ScreenFit().answerFamily();
    if (family != QLatin1String("Arial") && family != QLatin1String("Liberation Sans"))
        err << "Напомена: уместо фонта Arial мери се " << family.toStdString()
            << "; инсталирајте fonts-liberation да би мере одговарале екрану.\n";
    if (!problems.empty())
        return refuse(err, problems);
    out << "Збирка је исправна: " << questionCount(sources) << " питања.\n";
    return 0;
}

int pack(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    bool pictures = true;
    bool asIs = false;
    std::vector<fs::path> folders;
    for (const std::string &arg : args) {
        if (arg == "--no-pictures")
            pictures = false;
        else if (arg == "--as-is")
            asIs = true;
        else
            folders.emplace_back(arg);
    }
    if (folders.size() != 2) {
        err << kUsage;
        return 2;
    }
    const Sources sources = ReadSources(folders[0]);
    std::vector<Problem> problems =
        asIs ? sources.problems : CheckSources(sources, {pictures, pictures});
    std::string archive;
    const auto stops = [](const Problem &problem) { return !problem.ruleOnly; };
    if (pictures && std::none_of(problems.begin(), problems.end(), stops)) {
        const auto files = FindArchivePictures(PicturesFolder(sources.folder), problems);
        archive = BuildArchive(files, problems);
    }
    if (std::any_of(problems.begin(), problems.end(), stops))
        return refuse(err, problems);
    for (const Problem &problem : problems)
        err << "Упозорење: " << DescribeProblem(problem) << '\n';
    if (!problems.empty())
        err << "Правило које не може да се запише није спаковано; правило које не стаје на "
               "екран спаковано је какво јесте.\n";

    std::error_code error;
    fs::create_directories(folders[1], error);
    const fs::path bank = folders[1] / "Pitanja.dat";
    if (!writeFile(bank, JoinLines(PackLines(sources)), err))
        return 1;
    out << bank.string() << ": " << questionCount(sources) << " питања.\n";
    if (pictures) {
        const fs::path pictureFile = folders[1] / kPictureArchiveName;
        if (!writeFile(pictureFile, archive, err))
            return 1;
        out << pictureFile.string() << ": " << kPictureCount << " слика, " << archive.size()
            << " бајтова.\n";
    }
    return 0;
}

int unpack(const fs::path &file, const fs::path &folder, std::ostream &out, std::ostream &err)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << file.string() << ": датотека не постоји или не може да се прочита.\n";
        return 1;
    }
    std::ostringstream bytes;
    if (in.peek() != std::char_traits<char>::eof())
        bytes << in.rdbuf();
    std::string error;
    std::string note;
    const auto texts = UnpackBank(bytes.str(), error, note);
    if (!texts) {
        err << file.string() << ": " << error << '\n';
        return 1;
    }
    std::error_code missing;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, missing)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 2 && name[0] >= '1' && name[0] <= '6' && name[1] == '-') {
            err << entry.path().string()
                << ": фасцикла већ има изворе; распакујте у празну или нову фасциклу.\n";
            return 1;
        }
    }
    fs::create_directories(folder, missing);
    for (int k = 1; k <= kBlockCount; ++k) {
        if (!writeFile(folder / kSourceNames[k], (*texts)[k], err))
            return 1;
    }
    if (!note.empty())
        err << file.string() << ": " << note << '\n';
    out << folder.string() << ": " << kBlockCount << " датотека извора.\n";
    return 0;
}

// The characters of a UTF-8 text, not its bytes.
std::size_t characters(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Pads a text to width characters.
std::string column(const std::string &text, std::size_t width, bool right = false)
{
    const std::size_t length = characters(text);
    const std::string fill(width > length ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}

// A number with a decimal comma.
std::string decimal(double value, int width, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%*.*f", width, digits, value);
    std::string result(text);
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

// The right answers a blind guesser expects per game, and how the correct answers stand out.
void shapeStats(const Sources &sources, std::ostream &out)
{
    constexpr double kGuessedGoal = 6.5;
    static constexpr std::array<const char *, kShapeTellCount> tells = {
        "најкраћи", "најдужи", "најмање размака и цртица", "средњи по великим словима"};
    out << "\nСлепо погађање: колико тачних одговора по игри даје избор насумице.\n"
           "Облик тачног одговора: % питања блока у којима је тачан одговор такав; у загради "
           "случај,\nколико би их било за одговор изабран насумице; „!“ је више од случаја за "
           "преко 10 поена.\n"
        << column("блок", 7) << column("слепо погађање", 14, true);
    // Wide enough for "100,0 (100,0) !"; the last column is not padded.
    const auto width = [](int tell) {
        return tell + 1 < kShapeTellCount ? std::max<std::size_t>(characters(tells[tell]), 15) : 0;
    };
    for (int tell = 0; tell < kShapeTellCount; ++tell)
        out << "  " << column(tells[tell], width(tell));
    out << '\n';
    double guessed = 0;
    int games = 0;
    for (int k = 1; k <= kBlockCount; ++k) {
        const BlockShape shape = MeasureShape(sources.blocks[k], BlockQuota[k]);
        guessed += shape.guessed;
        games += BlockQuota[k];
        out << column(std::to_string(k), 7)
            << column(decimal(shape.guessed, 0, 2) + " од " + std::to_string(BlockQuota[k]), 14,
                      true);
        for (int tell = 0; tell < kShapeTellCount; ++tell) {
            const double rate = shape.rate[tell];
            const double chance = shape.chance[tell];
            out << "  "
                << column(decimal(100 * rate, 5, 1) + " (" + decimal(100 * chance, 0, 1) + ")" +
                              (GivesAway(rate, chance) ? " !" : ""),
                          width(tell));
        }
        out << '\n';
    }
    out << column("укупно", 7)
        << column(decimal(guessed, 0, 2) + " од " + std::to_string(games), 14, true)
        << "  циљ: највише " << decimal(kGuessedGoal, 0, 1) << (guessed > kGuessedGoal ? " !" : "")
        << '\n';
}

int stats(const fs::path &folder, std::ostream &out, std::ostream &err)
{
    const Sources sources = ReadSources(folder);
    if (!sources.problems.empty())
        return refuse(err, sources.problems);
    out << column("блок", 5) << column("датотека", 18) << column("питања", 8, true) << "  "
        << column("врсте", 22) << column("2 одг.", 8, true) << column("3 одг.", 8, true)
        << column("4 одг.", 8, true) << column("остало", 8, true) << '\n';
    std::array<int, 4> total{};
    for (int k = 1; k <= kBlockCount; ++k) {
        const SourceBlock &block = sources.blocks[k];
        std::map<std::string, int> kinds;
        std::array<int, 4> answers{}; // 2, 3, 4 and any other number
        for (const SourceQuestion &q : block.questions) {
            const bool code = q.head.text.size() == 1 && !q.raw;
            kinds[q.raw ? "@" : code ? cp1251::toUtf8(q.head.text) : "текст"] += 1;
            const std::size_t n = q.answers.size();
            answers[n >= 2 && n <= 4 ? n - 2 : 3] += 1;
        }
        std::string kindText;
        for (const auto &[kind, count] : kinds)
            kindText += (kindText.empty() ? "" : ", ") + kind + " " + std::to_string(count);
        out << column(std::to_string(k), 5) << column(block.file.filename().string(), 18)
            << column(std::to_string(block.questions.size()), 8, true) << "  "
            << column(kindText, 22);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            out << column(std::to_string(answers[i]), 8, true);
            total[i] += answers[i];
        }
        out << '\n';
    }
    out << column("укупно", 23) << column(std::to_string(questionCount(sources)), 8, true) << "  "
        << column("", 22);
    for (int n : total)
        out << column(std::to_string(n), 8, true);
    out << '\n';
    shapeStats(sources, out);
    return 0;
}

} // namespace

int RunBankTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const std::string command = args.empty() ? std::string() : args.front();
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (command == "check" && rest.size() == 1)
        return check(rest[0], out, err);
    if (command == "pack")
        return pack(rest, out, err);
    if (command == "unpack" && rest.size() == 2)
        return unpack(rest[0], rest[1], out, err);
    if (command == "stats" && rest.size() == 1)
        return stats(rest[0], out, err);
    err << kUsage;
    return 2;
}
