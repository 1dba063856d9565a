#pragma once

#include <QtGlobal>

// The 32-bit linear congruential generator that draws the random starting
// block: seed <- seed * 134775813 + 1 (mod 2^32); a draw below m is the
// integer part of m * seed / 2^32, taken with the new seed.
class RandomStart
{
public:
    explicit RandomStart(quint32 seed) : m_seed(seed) {}
    quint32 below(quint32 m)
    {
        m_seed = m_seed * 134775813u + 1u;
        return quint32((quint64(m) * m_seed) >> 32);
    }
    quint32 seed() const { return m_seed; }

    // The system's high-resolution counter, as a seed.
    static quint32 clockSeed();

private:
    quint32 m_seed;
};
