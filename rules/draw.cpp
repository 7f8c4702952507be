#include "draw.h"

#include <QDateTime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

int drawFrom(const Draw& draw, int n)
{
    return static_cast<int>(std::floor(draw() * n)) + 1;
}

namespace {
// A draw that owns its generator, seeded once from the clock.
class ClockSeededDraw
{
public:
    ClockSeededDraw() : engine(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())) {}
    double operator()() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }

private:
    std::mt19937_64 engine;
};
} // namespace

Seams Seams::real(const QString& programFolder, const QString& pluginFolder, Language language)
{
    return {[] { return QDate::currentDate(); },
            [] { return QTime::currentTime().hour(); },
            ClockSeededDraw(),
            [](int status) {
                std::fflush(nullptr);
                std::_Exit(status);
            },
            programFolder,
            pluginFolder,
            language};
}
