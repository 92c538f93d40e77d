#pragma once

#include <QFont>
#include <QString>
#include <optional>
#include <string>

// Whether texts fit the main screen, measured with the fonts the screen shows them in: an answer
// row of 433 pixels in Arial 11.25 pt, one line; the question label of 459 pixels in Arial 12 pt
// bold, at most two word-wrapped lines; the rule below the verdict, 443 x 46 pixels in Arial
// 9.75 pt, word-wrapped (three lines). Needs a QGuiApplication.
class ScreenFit
{
public:
    static constexpr int kAnswerWidth = 433;
    static constexpr int kQuestionWidth = 459;
    static constexpr int kQuestionLines = 2;
    static constexpr int kRuleWidth = 443;
    static constexpr int kRuleHeight = 46;

    ScreenFit();

    // Why the answer (Windows-1251) and the blank the screen puts after it do not fit.
    std::optional<std::string> answerMisfit(const std::string &answer) const;
    // Why the question line (Windows-1251) does not fit.
    std::optional<std::string> questionMisfit(const std::string &question) const;
    // Why the rule (Windows-1251) does not fit its place below the verdict.
    std::optional<std::string> ruleMisfit(const std::string &rule) const;

    // The family that stands in for Arial on this machine.
    QString answerFamily() const;

private:
    QFont m_answerFont;
    QFont m_questionFont;
    QFont m_ruleFont;
};
