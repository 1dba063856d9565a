#include "municipal/sampling/RandomStart.h"

#include <chrono>

quint32 RandomStart::clockSeed()
{
    return quint32(std::chrono::steady_clock::now().time_since_epoch().count());
}
