#pragma once

#include "integer.h"

#include <QString>
#include <array>
#include <cstdint>

// Everything the game knows about the one plant and the scene behind it.
// Named after the stored keys; read and written directly by every window.
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

inline PlantState morvick;

// Colours are held as 0x00BBGGRR.
constexpr std::int32_t defaultBackColour = 16744703; // 0x00FF80FF, pink
