#pragma once

#include <QString>
#include <optional>

// One portion of water from the watering can.
constexpr int waterPortion = 2;

// How the plant takes the level its water has reached.
struct WateringReaction {
    int aiChange;
    /* the water status line */
    QString info;
    /* the plant's own line */
    QString message;
};

/* the reaction to the level after the portion; empty once the plant has rotted (25 and more) */
std::optional<WateringReaction> wateringReaction(int swater);
