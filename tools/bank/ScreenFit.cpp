#include "ScreenFit.h"

#include "Cp1251.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QtMath>

namespace {

// As the screens build their fonts.
QFont arial(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString qt(const std::string &bytes)
{
    return QString::fromStdString(cp1251::toUtf8(bytes));
}

// The box a label of that width draws the word-wrapped text in.
QRectF wrapped(const QFont &font, int width, const std::string &text)
{
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 100000), Qt::TextWordWrap,
                                            qt(text));
}

} // namespace

ScreenFit::ScreenFit()
    : m_answerFont(arial(11.25, false)), m_questionFont(arial(12, true)),
      m_ruleFont(arial(9.75, false))
{}

std::optional<std::string> ScreenFit::answerMisfit(const std::string &answer) const
{
    const qreal width = QFontMetricsF(m_answerFont).horizontalAdvance(qt(answer) + u' ');
    if (width <= kAnswerWidth)
        return std::nullopt;
    return "одговор је са размаком после њега широк " + std::to_string(qCeil(width)) +
           " пиксела, а ред одговора " + std::to_string(kAnswerWidth) + "; скратите га.";
}

std::optional<std::string> ScreenFit::questionMisfit(const std::string &question) const
{
    const QRectF box = wrapped(m_questionFont, kQuestionWidth, question);
    // Lines are a little taller than the spacing between them; count them, not pixels.
    const int lines = qRound(box.height() / QFontMetricsF(m_questionFont).lineSpacing());
    if (box.width() > kQuestionWidth)
        return "реч питања је шира од " + std::to_string(kQuestionWidth) +
               " пиксела, колико је широко место питања.";
    if (lines > kQuestionLines)
        return "питање не стаје у два реда на месту широком " + std::to_string(kQuestionWidth) +
               " пиксела (заузима их " + std::to_string(lines) + "); скратите га.";
    return std::nullopt;
}

std::optional<std::string> ScreenFit::ruleMisfit(const std::string &rule) const
{
    // The label clips at its edges, so here the pixels count.
    const QRectF box = wrapped(m_ruleFont, kRuleWidth, rule);
    if (box.width() > kRuleWidth)
        return "реч правила је шира од " + std::to_string(kRuleWidth) +
               " пиксела, колико је широко место правила.";
    if (box.height() > kRuleHeight)
        return "правило не стаје у три реда на месту од " + std::to_string(kRuleWidth) + " x " +
               std::to_string(kRuleHeight) + " пиксела испод оцене одговора (високо је " +
               std::to_string(qCeil(box.height())) + " пиксела); скратите га.";
    return std::nullopt;
}

QString ScreenFit::answerFamily() const
{
    return QFontInfo(m_answerFont).family();
}
