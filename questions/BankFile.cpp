#include "BankFile.h"

#include "Cp1251.h"

namespace {

std::string text(std::string_view utf8)
{
    return std::string(utf8);
}

std::string number(int n)
{
    return std::to_string(n);
}

// "1 питање", "4 питања", "21 питање": Serbian nouns agree with the last digits of a number.
std::string counted(int n, std::string_view one, std::string_view many)
{
    const bool singular = n % 10 == 1 && n % 100 != 11;
    return number(n) + " " + std::string(singular ? one : many);
}

// Whether the stored bytes, raised by 10, are valid UTF-8 holding at least one character of two
// or more bytes. Windows-1251 Cyrillic almost never is: its letters are lead bytes, seldom
// followed by continuation bytes.
bool isMultiByteUtf8(std::string_view stored)
{
    const std::string raised = DecodeText(stored);
    bool multiByte = false;
    for (std::size_t pos = 0; pos < raised.size();) {
        const std::size_t start = pos;
        if (!cp1251::nextUtf8(raised, pos))
            return false;
        multiByte = multiByte || pos - start > 1;
    }
    return multiByte;
}

} // namespace

std::vector<std::string> SplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

Record SplitRecord(std::string_view stored)
{
    Record record;
    const std::size_t p = stored.find(FieldSeparator);
    if (p == std::string_view::npos) {
        record.head = stored;
        return record;
    }
    record.hasSeparator = true;
    record.head = stored.substr(0, p);
    std::size_t s = p + 1;
    for (std::size_t i = p + 1; i < stored.size(); ++i) {
        if (stored[i] == FieldSeparator) {
            record.answers.push_back(stored.substr(s, i - s));
            s = i + 1;
        }
    }
    record.trailing = stored.substr(s);
    return record;
}

std::string RuleOf(const Record &record)
{
    const std::string trailing = DecodeText(record.trailing);
    if (trailing.empty() || trailing.front() != kRuleMark)
        return {};
    return trailing.substr(1);
}

std::string DecodeText(std::string_view text)
{
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        result[i] = static_cast<char>(static_cast<unsigned char>(text[i]) + 10);
    return result;
}

std::string EncodeText(std::string_view text)
{
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        result[i] = static_cast<char>(static_cast<unsigned char>(text[i]) - 10);
    return result;
}

std::string QuestionLine(std::string_view decodedHead)
{
    struct Kind
    {
        std::string_view code;
        std::string_view line;
    };
    static constexpr Kind kKinds[] = {
        {"J", "Која реченица нема језичку грешку?"},
        {"P", "Која реченица нема правописну грешку?"},
        {"{", "Шта је боље рећи?"},
        {"G", "Која реченица нема граматичку грешку?"},
        {"S", "На слици десно је:"},
    };
    for (const Kind &kind : kKinds) {
        if (decodedHead == kind.code)
            return cp1251::literal(kind.line);
    }
    return std::string(decodedHead);
}

std::optional<BankProblem> CheckRecord(std::string_view stored)
{
    const Record record = SplitRecord(stored);
    if (!record.hasSeparator)
        return BankProblem{0,
                           text("ред нема ниједан знак за раздвајање (бајт 1), па није питање.")};
    const auto count = static_cast<int>(record.answers.size());
    if (count < 2 || count > 4)
        return BankProblem{0, "питање има " + counted(count, "одговор", "одговора") +
                                  text(", а мора да има од два до четири.")};
    std::size_t fieldsEnd = stored.size() - record.trailing.size();
    for (std::size_t i = 0; i < fieldsEnd; ++i) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        if (byte > kMaxStoredByte)
            return BankProblem{0, text("бајт ") + number(byte) + text(" на месту ") +
                                      number(static_cast<int>(i) + 1) +
                                      text(" није дозвољен (највише 245).")};
    }
    return std::nullopt;
}

std::optional<BankProblem> CheckBankBytes(std::string_view bytes)
{
    if (isMultiByteUtf8(bytes))
        return BankProblem{0, text("датотека је сачувана као UTF-8, а не у кодној страни "
                                   "Windows-1251; направите је поново алатом lingvar-bank pack.")};
    // Every bank has more than one line, so a file without CR whose lines end in LF alone would
    // otherwise be read as one long line and refused for a fault it does not have.
    if (bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos)
        return BankProblem{0, text("редови се завршавају знаком LF, а не CR LF.")};
    return std::nullopt;
}

std::optional<BankProblem> CheckBankLines(const std::vector<std::string> &lines)
{
    int markers = 0;
    int records = 0;
    int inBlock = 0;
    std::array<int, kBlockCount + 1> markerLine{};
    std::array<int, kBlockCount + 1> size{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (lines[i] == kBlockMarker) {
            if (++markers > kBlockCount)
                return BankProblem{line,
                                   text("седма ознака „**“; датотека има тачно шест блокова.")};
            markerLine[markers] = line;
            size[markers] = inBlock;
            inBlock = 0;
            continue;
        }
        if (markers == kBlockCount)
            return BankProblem{line, text("после шесте ознаке „**“ не сме да стоји ништа.")};
        if (++records > kMaxQuestions)
            return BankProblem{line, text("датотека има више од 600 питања.")};
        if (++inBlock > kMaxBlockSize)
            return BankProblem{line,
                               "блок " + number(markers + 1) + text(" има више од 300 питања.")};
        if (markers == 0 && inBlock > kPictureCount)
            return BankProblem{line, text("блок 1 има више од 39 питања, колико има слика.")};
        if (auto problem = CheckRecord(lines[i])) {
            problem->line = line;
            return problem;
        }
    }
    if (markers < kBlockCount)
        return BankProblem{static_cast<int>(lines.size()),
                           text("датотека се завршава, а нађено је само ") + number(markers) +
                               text(" од шест ознака краја блока „**“.")};
    for (int k = 1; k <= kBlockCount; ++k) {
        if (size[k] < BlockQuota[k])
            return BankProblem{markerLine[k], text("блок ") + number(k) + text(" има ") +
                                                  counted(size[k], "питање", "питања") +
                                                  text(", а једна игра узима ") +
                                                  number(BlockQuota[k]) + "."};
    }
    return std::nullopt;
}
