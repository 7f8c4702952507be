#pragma once

#include <QColor>
#include <cstdint>

// Stored colours are 0x00BBGGRR.
inline QColor colourFromLong(std::int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline std::int32_t longFromColour(const QColor& colour)
{
    return static_cast<std::int32_t>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}
