#pragma once

#include "integer.h"

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// Everything the game knows about the one plant and the scene behind it, each
// field named after the key it is stored under.
struct PlantState {
    Integer ai;
    QString sname;
    Integer sshape1;
    Integer sshape2;
    Integer swater;
    Integer smode;
    Integer days;
    double lastday = 0;
    std::array<Integer, 5> sacce{}; /* elements 1..4 are used; 0 is never read */
    Integer sei;
    Integer seiword;
    std::int32_t bcolor = 0;
    QString bmpdir;
    Integer shour;
};

// The four accessories, slot 1 to 4: crown, bow, brooch, necklace.
constexpr int accessorySlots = 4;
/* for slots 1..4, whether it is worn (element 0 is slot 1) */
using Slots = std::array<bool, accessorySlots>;

/* the accessories worn now: a slot counts only when it holds exactly 1 */
Slots wornSlots(const PlantState& state);

// Colours are kept as 0x00BBGGRR.
constexpr std::int32_t defaultBackColour = 16744703; // 0x00FF80FF, pink

inline QColor colourFromLong(std::int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline std::int32_t longFromColour(const QColor& colour)
{
    return static_cast<std::int32_t>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}
