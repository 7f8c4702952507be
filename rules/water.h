#pragma once

#include "plantstate.h"

#include <QString>
#include <optional>

// The water status line and, for some levels, what the plant says about it.
struct WaterStatus {
    QString info;
    /* empty: the message line keeps what it shows */
    std::optional<QString> message;
};

/* the status shown when the plant is drawn afresh */
WaterStatus waterStatusAtStart(int swater);

struct WateringOutcome {
    /* empty once the plant has rotted (25 and more) */
    std::optional<WaterStatus> status;
};

// One portion from the watering can, and how the plant takes the level it
// brings: affection up in the lower bands, down when it is too much.
WateringOutcome water(PlantState& state);
