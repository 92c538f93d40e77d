#include "Random.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <stdexcept>

Random::Random()
{
    SeedFromClock();
}

Random::Random(std::vector<double> sequence) : m_sequence(std::move(sequence)) {}

void Random::SeedFromClock()
{
    if (!m_sequence.empty())
        return; // a fixed sequence stays fixed
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    m_engine.seed(
        static_cast<std::uint32_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec));
}

double Random::Next()
{
    if (!m_sequence.empty()) {
        const double u = m_sequence[m_next];
        m_next = (m_next + 1) % m_sequence.size();
        return u;
    }
    // 24 random bits give an exact value below 1.
    return static_cast<double>(m_engine() >> 8) / 16777216.0;
}

std::int16_t Random::Draw(std::int16_t n)
{
    const double u = Next();
    if (n < 1 || !(u >= 0.0 && u < 1.0))
        throw std::out_of_range("a draw needs n >= 1 and 0 <= u < 1");
    return static_cast<std::int16_t>(std::floor(u * n) + 1);
}
