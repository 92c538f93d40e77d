#include "ShapeStats.h"

#include "Cp1251.h"

#include <QChar>
#include <algorithm>
#include <vector>

namespace {

int capitals(const std::string &text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return QChar::isUpper(cp1251::toUnicode(static_cast<unsigned char>(c)));
    }));
}

int gaps(const std::string &text)
{
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '-'; }));
}

// The answer that alone has the smallest value, or -1 when none has.
int uniqueLeast(const std::vector<int> &values)
{
    const auto least = std::min_element(values.begin(), values.end());
    if (least == values.end() || std::count(values.begin(), values.end(), *least) != 1)
        return -1;
    return static_cast<int>(least - values.begin());
}

} // namespace

BlockShape MeasureShape(const SourceBlock &block, int quota)
{
    BlockShape shape;
    std::array<int, kShapeTellCount> events{};
    double inverseCounts = 0;
    for (const SourceQuestion &q : block.questions) {
        if (q.raw || q.answers.empty())
            continue;
        const int n = static_cast<int>(q.answers.size());
        ++shape.questions;
        inverseCounts += 1.0 / n;
        // Texts are Windows-1251 bytes, so a byte is a letter.
        std::array<std::vector<int>, 3> values; // shortest, longest, fewest gaps
        std::vector<int> caps;
        for (const SourceText &answer : q.answers) {
            const int length = static_cast<int>(answer.text.size());
            values[Shortest].push_back(length);
            values[Longest].push_back(-length);
            values[FewestGaps].push_back(gaps(answer.text));
            caps.push_back(capitals(answer.text));
        }
        for (int tell : {Shortest, Longest, FewestGaps}) {
            const int alone = uniqueLeast(values[tell]);
            if (alone >= 0)
                shape.chance[tell] += 1.0 / n;
            events[tell] += alone == 0;
        }
        // Middle: some other answer has more capitals and some other fewer.
        const auto [fewest, most] = std::minmax_element(caps.begin(), caps.end());
        const auto middle = [&](int c) { return *fewest < c && c < *most; };
        shape.chance[MiddleCapitals] +=
            static_cast<double>(std::count_if(caps.begin(), caps.end(), middle)) / n;
        events[MiddleCapitals] += middle(caps[0]);
    }
    if (shape.questions == 0)
        return shape;
    shape.guessed = quota * inverseCounts / shape.questions;
    for (int tell = 0; tell < kShapeTellCount; ++tell) {
        shape.rate[tell] = static_cast<double>(events[tell]) / shape.questions;
        shape.chance[tell] /= shape.questions;
    }
    return shape;
}
