#pragma once

#include <cmath>

// The time bar of a question: one stroke per tick, red while the stroke stands at 100 or less,
// and the question's time is up once the pen has passed the bar's end.
namespace timebar {

inline constexpr int kIntervalMs = 164;
inline constexpr float kStartPosition = -9.0f;
inline constexpr float kLastRedPosition = 100.0f;
inline constexpr float kRedCreditBelow = 101.0f;
inline constexpr float kEndPosition = 609.0f;

// The inner width divided by 300, halves rounded to even.
inline int PenWidthFor(int innerWidth)
{
    return static_cast<int>(std::nearbyint(innerWidth / 300.0));
}

inline bool StrokeIsRed(float position)
{
    return position <= kLastRedPosition;
}

inline bool EarnsRedTime(float position)
{
    return position < kRedCreditBelow;
}

inline bool TimeIsUp(float position)
{
    return position > kEndPosition;
}

} // namespace timebar
