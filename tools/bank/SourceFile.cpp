#include "SourceFile.h"

#include "SourceText.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string sign(char c)
{
    return std::string("„") + c + "“";
}

// Builds one paragraph into a question, reporting lines that break its order.
class ParagraphReader
{
public:
    ParagraphReader(const fs::path &file, std::vector<Problem> &problems)
        : m_file(file), m_problems(problems)
    {}

    void add(SourceQuestion &q, char mark, int line, std::string_view text)
    {
        if (q.line == 0)
            q.line = line;
        if (q.raw || (mark == '@' && !empty(q))) {
            order(q, line, "ред са „@“ стоји сам у свом пасусу (празан ред пре и после њега).");
            return;
        }
        if (mark == '!' || mark == '=' || mark == '~') {
            const SourceText read{mark == '=' ? std::string(text) : bytesOf(q, mark, line, text),
                                  line};
            std::optional<SourceText> &slot = mark == '!'   ? q.rule
                                              : mark == '=' ? q.picture
                                                            : q.trailing;
            if (slot)
                order(q, line,
                      "питање већ има ред " + sign(mark) + " (ред " + std::to_string(slot->line) +
                          ").");
            // Both would be packed into the one place after the last separator.
            const std::optional<SourceText> &other = mark == '!' ? q.trailing : q.rule;
            if (mark != '=' && other)
                order(q, line,
                      "питање већ има ред " + sign(mark == '!' ? '~' : '!') + " (ред " +
                          std::to_string(other->line) +
                          "); „!“ и „~“ пакују се на исто место, иза последњег одговора.");
            slot = read;
            return;
        }
        // A line whose text cannot be read still takes its place, so that it causes no more.
        const SourceText packed{bytesOf(q, mark, line, text), line};
        switch (mark) {
        case '@':
            q.raw = true;
            q.head = packed;
            return;
        case '?':
            if (q.head.line != 0)
                order(q, line, "питање већ има ред „?“ (ред " + std::to_string(q.head.line) + ").");
            q.head = packed;
            return;
        case '+':
            if (!q.answers.empty())
                order(q, line, "тачан одговор („+“) је први одговор питања и има га само један.");
            break;
        case '-':
            if (q.answers.empty())
                order(q, line, "пре нетачних одговора („-“) долази тачан („+“).");
            break;
        }
        if (q.trailing)
            order(q, line, "ред „~“ долази после свих одговора.");
        q.answers.push_back(packed);
    }

    void finish(SourceQuestion &q)
    {
        if (!q.raw && q.head.line == 0)
            order(q, q.line, "питању недостаје ред „?“ (врста питања или само питање).");
    }

    static bool empty(const SourceQuestion &q)
    {
        return q.head.line == 0 && q.answers.empty() && !q.trailing && !q.rule && !q.picture;
    }

private:
    // Bytes that would change the shape of the stored line.
    static const char *unwritable(char mark, const std::string &bytes)
    {
        if (bytes.find('\x0B') != std::string::npos)
            return "бајт 11 (\\x0B) би се сачувао као знак за раздвајање (бајт 1).";
        if (bytes.find('\x17') != std::string::npos)
            return "бајт 23 (\\x17) би се сачувао као крај реда (CR).";
        if (mark == '@' && EncodeText(bytes) == kBlockMarker)
            return "овај ред би се сачувао као „**“, ознака краја блока.";
        return nullptr;
    }

    std::string bytesOf(SourceQuestion &q, char mark, int line, std::string_view text)
    {
        std::string error;
        const std::optional<std::string> bytes = sourcetext::Read(text, error);
        if (!bytes) {
            tell(q, mark, line, error);
            return {};
        }
        if (const char *reason = unwritable(mark, *bytes)) {
            tell(q, mark, line, reason);
            return {};
        }
        return *bytes;
    }

    // A text that cannot be packed; every one is told. A rule leaves out only itself.
    void tell(SourceQuestion &q, char mark, int line, const std::string &message)
    {
        (mark == '!' ? q.ruleRead : q.read) = false;
        m_problems.push_back({m_file, line, message, mark == '!'});
    }

    // A line out of order; only the first of a question is told, the rest may follow from it.
    void order(SourceQuestion &q, int line, const std::string &message)
    {
        if (q.read)
            m_problems.push_back({m_file, line, message});
        q.read = false;
    }

    const fs::path &m_file;
    std::vector<Problem> &m_problems;
};

std::string readFile(const fs::path &file, bool &ok)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    if (in.peek() != std::char_traits<char>::eof())
        bytes << in.rdbuf();
    ok = in.is_open() && !in.bad();
    return bytes.str();
}

// One line of a source: the sign, and the text after one blank unless it is empty.
std::string sourceLine(char mark, std::string_view bytes)
{
    std::string line(1, mark);
    if (!bytes.empty())
        line += " " + sourcetext::Write(bytes);
    return line + '\n';
}

} // namespace

SourceBlock ParseSource(const fs::path &file, std::string_view utf8, std::vector<Problem> &problems)
{
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") // the mark some editors put at the start
        utf8.remove_prefix(3);
    SourceBlock block;
    block.file = file;
    ParagraphReader reader(file, problems);
    SourceQuestion question;
    auto close = [&] {
        if (question.line != 0) {
            reader.finish(question);
            block.questions.push_back(std::move(question));
        }
        question = SourceQuestion{};
    };
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        start = end + 1;
        const int number = ++block.lineCount;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (sourcetext::Trim(line).empty()) {
            close();
            continue;
        }
        if (line.front() == '#')
            continue;
        static constexpr std::string_view kMarks = "?+-!=~@";
        if (kMarks.find(line.front()) == std::string_view::npos) {
            const auto lead = static_cast<unsigned char>(line.front());
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            problems.push_back({file, number,
                                "ред почиње са „" + std::string(line.substr(0, length)) +
                                    "“, а знаци редова су ? + - ! = ~ @ и # за коментар."});
            question.read = false;
            question.line = question.line != 0 ? question.line : number;
            continue;
        }
        if (line.size() > 1 && line[1] != ' ') {
            problems.push_back(
                {file, number,
                 "после знака " + sign(line.front()) + " на почетку реда долази један размак."});
            question.read = false;
            question.line = question.line != 0 ? question.line : number;
            continue;
        }
        const std::string_view text = line.size() > 1 ? sourcetext::Trim(line.substr(2)) : "";
        reader.add(question, line.front(), number, text);
    }
    close();
    return block;
}

Sources ReadSources(const fs::path &folder)
{
    Sources sources;
    sources.folder = folder;
    std::error_code error;
    std::array<std::vector<fs::path>, kBlockCount + 1> found;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 6 && name[0] >= '1' && name[0] <= '6' && name[1] == '-' &&
            entry.path().extension() == ".txt")
            found[name[0] - '0'].push_back(entry.path());
    }
    if (error) {
        sources.problems.push_back({folder, 0, "фасцикла не може да се прочита."});
        return sources;
    }
    for (int k = 1; k <= kBlockCount; ++k) {
        const std::string pattern = std::to_string(k) + "-*.txt";
        if (found[k].size() != 1) {
            sources.problems.push_back(
                {folder, 0,
                 found[k].empty()
                     ? "нема датотеке блока " + std::to_string(k) + " (" + pattern + ")."
                     : "више датотека одговара шаблону " + pattern + "; блок има једну."});
            continue;
        }
        bool ok = false;
        const std::string text = readFile(found[k].front(), ok);
        if (!ok)
            sources.problems.push_back({found[k].front(), 0, "датотека не може да се прочита."});
        sources.blocks[k] = ParseSource(found[k].front(), text, sources.problems);
    }
    return sources;
}

std::string StoredRecord(const SourceQuestion &question)
{
    if (question.raw)
        return EncodeText(question.head.text);
    std::string stored = EncodeText(question.head.text) + FieldSeparator;
    for (const SourceText &answer : question.answers)
        stored += EncodeText(answer.text) + FieldSeparator;
    if (question.rule && question.ruleRead)
        stored += EncodeText(kRuleMark + question.rule->text);
    else if (question.trailing)
        stored += EncodeText(question.trailing->text);
    return stored;
}

std::string WriteSource(int block, const std::vector<std::string> &storedLines)
{
    std::string text = "# Блок " + std::to_string(block) + ", распакован из збирке питања. ";
    text += block == 1 ? "Питањима недостају редови „=“, а онима без правила и „!“.\n"
                       : "Питањима без правила недостаје ред „!“.\n";
    for (const std::string &stored : storedLines) {
        text += '\n';
        const Record record = SplitRecord(stored);
        if (!record.hasSeparator) {
            text += sourceLine('@', DecodeText(stored));
            continue;
        }
        const std::string trailing = DecodeText(record.trailing);
        const bool rule = !trailing.empty() && trailing.front() == kRuleMark;
        if (rule)
            text += sourceLine('!', std::string_view(trailing).substr(1));
        text += sourceLine('?', DecodeText(record.head));
        for (std::size_t i = 0; i < record.answers.size(); ++i)
            text += sourceLine(i == 0 ? '+' : '-', DecodeText(record.answers[i]));
        if (!rule && !trailing.empty())
            text += sourceLine('~', trailing);
    }
    return text;
}
