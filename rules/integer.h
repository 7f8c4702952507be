#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// A signed 16-bit game number whose arithmetic holds at the limits instead of
// overflowing, so a plant petted 40000 times keeps 32767 and the game goes on.
class Integer
{
public:
    static constexpr int min = std::numeric_limits<std::int16_t>::min();
    static constexpr int max = std::numeric_limits<std::int16_t>::max();

    constexpr Integer() = default;
    constexpr Integer(long long v) : value(saturate(v)) {}

    constexpr operator int() const { return value; }

    constexpr Integer& operator+=(long long d) { return *this = Integer(value + d); }
    constexpr Integer& operator-=(long long d) { return *this = Integer(value - d); }

    /* clamps v into [min, max] */
    static constexpr std::int16_t saturate(long long v)
    {
        return static_cast<std::int16_t>(std::clamp<long long>(v, min, max));
    }

private:
    std::int16_t value = 0;
};
