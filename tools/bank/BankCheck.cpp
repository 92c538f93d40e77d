#include "BankCheck.h"

#include "Cp1251.h"
#include "PictureFiles.h"
#include "ScreenFit.h"
#include "SourceText.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// The kind code each of blocks 1..5 asks with; block 6 asks with the question itself.
constexpr std::array<std::string_view, kBlockCount> kKindCodes = {"", "S", "{", "P", "G", "J"};

std::string shown(std::string_view bytes)
{
    return "„" + cp1251::toUtf8(bytes) + "“";
}

bool isPictureName(std::string_view name)
{
    if (name.size() < 4 || !std::isdigit(static_cast<unsigned char>(name[0])) ||
        !std::isdigit(static_cast<unsigned char>(name[1])) || name[2] != '-')
        return false;
    return std::all_of(name.begin() + 3, name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

class Checker
{
public:
    Checker(const Sources &sources, const CheckOptions &options, std::vector<Problem> &problems)
        : m_sources(sources), m_options(options), m_problems(problems)
    {}

    void run()
    {
        for (int k = 1; k <= kBlockCount; ++k) {
            const SourceBlock &block = m_sources.blocks[k];
            for (std::size_t i = 0; i < block.questions.size(); ++i)
                question(k, static_cast<int>(i) + 1, block, block.questions[i]);
        }
        if (m_options.pictures)
            archive();
        bankLimits();
    }

private:
    void add(const SourceBlock &block, int line, const std::string &message,
             const SourceQuestion *question = nullptr)
    {
        m_problems.push_back({block.file, line, message});
        if (question)
            m_flagged.insert(question);
    }

    void question(int k, int position, const SourceBlock &block, const SourceQuestion &q)
    {
        // A line packed as it stands is no question; the loader's check below refuses it.
        // A ~ line that reads as a rule is told instead, below.
        const bool markedTail =
            q.trailing && !q.trailing->text.empty() && q.trailing->text.front() == kRuleMark;
        if (m_options.rules && !q.raw && !markedTail &&
            (!q.rule || (q.ruleRead && q.rule->text.empty())))
            add(block, q.line,
                "питању недостаје ред „!“ са правилом или чињеницом која потврђује "
                "тачан одговор.");
        if (m_options.pictures && !q.raw)
            picture(k, position, block, q);
        if (!q.read) {
            m_flagged.insert(&q);
            return;
        }
        if (!q.raw) {
            head(k, block, q);
            answers(block, q);
            afterAnswers(block, q);
            repeat(k, block, q);
        }
        if (m_flagged.count(&q) == 0) {
            if (const auto problem = CheckRecord(StoredRecord(q)))
                add(block, q.head.line, problem->reason, &q);
        }
    }

    void head(int k, const SourceBlock &block, const SourceQuestion &q)
    {
        const auto code = std::find(kKindCodes.begin() + 1, kKindCodes.end(), q.head.text);
        if (k < kBlockCount && q.head.text != kKindCodes[k])
            add(block, q.head.line,
                "у блоку " + std::to_string(k) + " глава питања је „" + std::string(kKindCodes[k]) +
                    "“, а овде стоји " + shown(q.head.text) + ".",
                &q);
        else if (k == kBlockCount && code != kKindCodes.end())
            add(block, q.head.line,
                shown(q.head.text) + " је ознака врсте питања блока " +
                    std::to_string(code - kKindCodes.begin()) +
                    "; у блоку 6 глава питања је само питање.",
                &q);
        else if (k == kBlockCount)
            text(block, q, q.head, Shown::Question);
    }

    void answers(const SourceBlock &block, const SourceQuestion &q)
    {
        const auto count = q.answers.size();
        if (count < 2 || count > 4)
            add(block, q.head.line,
                "питање има " + std::to_string(count) + (count == 1 ? " одговор" : " одговора") +
                    ", а мора да има од два до четири: један „+“ и један до три „-“.",
                &q);
        for (std::size_t i = 0; i < count; ++i) {
            text(block, q, q.answers[i], Shown::Answer);
            for (std::size_t j = 0; j < i; ++j) {
                if (q.answers[j].text == q.answers[i].text) {
                    add(block, q.answers[i].line,
                        "исти одговор већ стоји у реду " + std::to_string(q.answers[j].line) + ".",
                        &q);
                    break;
                }
            }
        }
    }

    // What follows the last answer: the rule, or bytes the game must not take for one.
    void afterAnswers(const SourceBlock &block, const SourceQuestion &q)
    {
        if (q.rule && q.ruleRead && !q.rule->text.empty())
            text(block, q, *q.rule, Shown::Rule);
        if (q.trailing && !q.trailing->text.empty() && q.trailing->text.front() == kRuleMark)
            add(block, q.trailing->line,
                "текст реда „~“ почиње са „!“, па би га игра показала као правило; правило се "
                "пише у реду „!“.",
                &q);
    }

    enum class Shown { Question, Answer, Rule };

    // The rules for a text the screen shows: a question line, an answer or the rule.
    void text(const SourceBlock &block, const SourceQuestion &q, const SourceText &t, Shown shown)
    {
        if (t.text.empty()) {
            add(block, t.line,
                shown == Shown::Question ? "питање је празно." : "одговор је празан.", &q);
            return;
        }
        const auto low = std::find_if(t.text.begin(), t.text.end(),
                                      [](char c) { return static_cast<unsigned char>(c) < 10; });
        if (low != t.text.end()) {
            add(block, t.line,
                "бајт " + std::to_string(static_cast<unsigned char>(*low)) +
                    " је мањи од 10: сачуван би био већи од 245, што збирка не допушта.",
                &q);
            return;
        }
        if (shown == Shown::Rule) {
            // The screen cuts a long rule short; the question still plays.
            if (const auto misfit = m_fit.ruleMisfit(t.text))
                m_problems.push_back({block.file, t.line, *misfit, true});
            return;
        }
        const auto misfit =
            shown == Shown::Question ? m_fit.questionMisfit(t.text) : m_fit.answerMisfit(t.text);
        if (misfit)
            add(block, t.line, *misfit, &q);
    }

    void repeat(int k, const SourceBlock &block, const SourceQuestion &q)
    {
        if (q.answers.empty())
            return;
        // Block 6 asks with its own text; the other blocks differ by their correct answer.
        const std::string key =
            k == kBlockCount ? q.head.text : q.head.text + FieldSeparator + q.answers[0].text;
        const auto [first, isNew] = m_seen.try_emplace(key, &block, q.head.line);
        if (!isNew)
            add(block, q.head.line,
                "исто питање већ стоји у " + first->second.first->file.filename().string() +
                    ", ред " + std::to_string(first->second.second) + ".",
                &q);
    }

    void picture(int k, int position, const SourceBlock &block, const SourceQuestion &q)
    {
        if (k != 1) {
            if (q.picture)
                add(block, q.picture->line, "само питања блока 1 имају слику (ред „=“).");
            return;
        }
        if (!q.picture) {
            add(block, q.line, "питању блока 1 недостаје ред „=“ са сликом (= NN-naziv).");
            return;
        }
        const std::string &name = q.picture->text;
        const int line = q.picture->line;
        if (!isPictureName(name)) {
            add(block, line,
                "ред „=“ пише се NN-naziv: број питања у две цифре, цртица и назив "
                "малим латиничним словима, цифрама и цртицама.");
            return;
        }
        if (std::stoi(name.substr(0, 2)) != position) {
            add(block, line,
                "слика носи број " + name.substr(0, 2) + ", а питање је " +
                    std::to_string(position) +
                    ". у блоку 1; број слике је место "
                    "питања.");
            return;
        }
        const fs::path file = PicturesFolder(m_sources.folder) / (name + ".gif");
        std::error_code error;
        if (!fs::is_regular_file(file, error)) {
            add(block, line, "нема слике " + file.string() + ".");
            m_toldMissing.insert(name.substr(0, 2) + "-*.gif");
        }
        m_pictureLines.try_emplace(file.filename().string(), &block, line);
    }

    // The archive the pictures make; a picture's problem is told at the line that names it.
    void archive()
    {
        std::vector<Problem> found;
        const auto pictures = FindArchivePictures(PicturesFolder(m_sources.folder), found);
        BuildArchive(pictures, found);
        for (Problem &problem : found) {
            if (m_toldMissing.count(problem.file.filename().string()) != 0)
                continue;
            const auto named = m_pictureLines.find(problem.file.filename().string());
            if (named == m_pictureLines.end()) {
                m_problems.push_back(problem);
                continue;
            }
            add(*named->second.first, named->second.second,
                "слика " + problem.file.filename().string() + ": " + problem.message);
        }
    }

    // The loader's limits on the whole file. Questions already refused stand in as a harmless
    // record, so that only what is still wrong with the file as a whole is told.
    void bankLimits()
    {
        static const std::string kStandIn = {FieldSeparator, FieldSeparator, FieldSeparator};
        std::vector<std::string> lines;
        std::vector<std::pair<const SourceBlock *, int>> origin;
        for (int k = 1; k <= kBlockCount; ++k) {
            const SourceBlock &block = m_sources.blocks[k];
            if (block.file.empty())
                return; // the missing file is told already
            for (const SourceQuestion &q : block.questions) {
                lines.push_back(m_flagged.count(&q) != 0 ? kStandIn : StoredRecord(q));
                origin.emplace_back(&block, q.head.line != 0 ? q.head.line : q.line);
            }
            lines.emplace_back(kBlockMarker);
            origin.emplace_back(&block, std::max(block.lineCount, 1));
        }
        if (const auto problem = CheckBankLines(lines)) {
            const auto [block, line] = origin[static_cast<std::size_t>(problem->line - 1)];
            add(*block, line, problem->reason);
        }
    }

    const Sources &m_sources;
    const CheckOptions &m_options;
    std::vector<Problem> &m_problems;
    ScreenFit m_fit;
    std::set<const SourceQuestion *> m_flagged;
    std::map<std::string, std::pair<const SourceBlock *, int>> m_seen;
    std::map<std::string, std::pair<const SourceBlock *, int>> m_pictureLines;
    std::set<std::string> m_toldMissing; // NN-*.gif of pictures a question looked for in vain
};

} // namespace

std::vector<Problem> CheckSources(const Sources &sources, const CheckOptions &options)
{
    std::vector<Problem> problems = sources.problems;
    std::error_code error;
    if (!fs::is_directory(sources.folder, error))
        return problems;
    Checker(sources, options, problems).run();
    auto rank = [&](const Problem &p) {
        for (int k = 1; k <= kBlockCount; ++k) {
            if (p.file == sources.blocks[k].file)
                return std::make_pair(k, p.line);
        }
        return std::make_pair(p.file == sources.folder ? 0 : kBlockCount + 1, p.line);
    };
    std::stable_sort(problems.begin(), problems.end(),
                     [&](const Problem &a, const Problem &b) { return rank(a) < rank(b); });
    return problems;
}

std::string DescribeProblem(const Problem &problem)
{
    std::string where = problem.file.string();
    if (problem.line > 0)
        where += ":" + std::to_string(problem.line);
    return where + ": " + problem.message;
}
