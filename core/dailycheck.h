#pragma once

#include "morvick.h"

#include <QString>

struct DailyCheckOutcome {
    /* the line for the message box, or empty when the plant has nothing to say */
    QString message;
    bool driedUp = false;
};

// Ages the plant to today (a day number), punishes an absence of three days or
// more, and drains the water of one start-up.
DailyCheckOutcome dailyCheck(PlantState& state, double today);
