#include "random.h"

#include <QDateTime>
#include <cmath>
#include <random>

namespace {
std::mt19937_64& generator()
{
    static std::mt19937_64 engine;
    return engine;
}

std::function<double()>& testSource()
{
    static std::function<double()> source;
    return source;
}
} // namespace

void seedRandom()
{
    generator().seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

double drawUnit()
{
    if (testSource())
        return testSource()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

int drawFrom(int n)
{
    return static_cast<int>(std::floor(drawUnit() * n)) + 1;
}

void setDrawSourceForTesting(std::function<double()> source)
{
    testSource() = std::move(source);
}
