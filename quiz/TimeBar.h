#pragma once

#include <algorithm>
#include <cmath>

// The time bar of a question: one stroke per tick, red while the stroke stands at 100 or less,
// and the question's time is up once the pen has passed the bar's end. Its whole state is the
// pen: where the next stroke goes and how wide it is.
class TimeBar
{
public:
    static constexpr int kIntervalMs = 164;
    static constexpr float kStartPosition = -9.0f;
    static constexpr float kLastRedPosition = 100.0f;
    static constexpr float kRedCreditBelow = 101.0f;
    static constexpr float kEndPosition = 609.0f;

    struct Stroke
    {
        float x = 0.0f;
        int width = 0;
        bool red = false;
        bool timeUp = false; // this stroke reached the end
    };

    // Empties the bar; the pen width is the inner width divided by 300, halves to even.
    void Reset(int innerWidth)
    {
        m_penWidth = static_cast<int>(std::nearbyint(innerWidth / 300.0));
        m_penPosition = kStartPosition;
    }

    Stroke Tick()
    {
        const float x = m_penPosition;
        m_penPosition = x + static_cast<float>(m_penWidth);
        return {x, m_penWidth, x <= kLastRedPosition, m_penPosition > kEndPosition};
    }

    // An answer now would still be given in the red time.
    bool InRedTime() const { return m_penPosition < kRedCreditBelow; }

    // The whole seconds the question has left: its ticks until the pen has passed the end.
    int SecondsLeft() const
    {
        const int ticks = m_penPosition > kEndPosition
                              ? 0
                              : static_cast<int>((kEndPosition - m_penPosition) /
                                                 static_cast<float>(std::max(m_penWidth, 1))) +
                                    1;
        return (ticks * kIntervalMs + 999) / 1000;
    }

    float penPosition() const { return m_penPosition; }
    int penWidth() const { return m_penWidth; }

private:
    float m_penPosition = kStartPosition;
    int m_penWidth = 0;
};
