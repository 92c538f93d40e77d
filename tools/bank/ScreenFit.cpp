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

} // namespace

ScreenFit::ScreenFit() : m_answerFont(arial(11.25, false)), m_questionFont(arial(12, true)) {}

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
    const QFontMetricsF metrics(m_questionFont);
    const QRectF box =
        metrics.boundingRect(QRectF(0, 0, kQuestionWidth, 100000), Qt::TextWordWrap, qt(question));
    // Lines are a little taller than the spacing between them; count them, not pixels.
    const int lines = qRound(box.height() / metrics.lineSpacing());
    if (box.width() > kQuestionWidth)
        return "реч питања је шира од " + std::to_string(kQuestionWidth) +
               " пиксела, колико је широко место питања.";
    if (lines > kQuestionLines)
        return "питање не стаје у два реда на месту широком " + std::to_string(kQuestionWidth) +
               " пиксела (заузима их " + std::to_string(lines) + "); скратите га.";
    return std::nullopt;
}

QString ScreenFit::answerFamily() const
{
    return QFontInfo(m_answerFont).family();
}
