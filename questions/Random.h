#pragma once

#include <cstdint>
#include <random>
#include <vector>

// The program's one source of chance: values u with 0 <= u < 1. It is seeded from the seconds
// since midnight; a test gives it a fixed sequence instead, which it repeats cyclically.
class Random
{
public:
    Random();
    explicit Random(std::vector<double> sequence);

    void SeedFromClock();
    double Next();
    // An integer in 1..n, drawn as floor(u * n) + 1.
    std::int16_t Draw(std::int16_t n);

private:
    std::mt19937 m_engine;
    std::vector<double> m_sequence;
    std::size_t m_next = 0;
};
