#pragma once

#include "plantstate.h"

#include <QDate>
#include <QString>

/* whole days since 30 December 1899 */
double dayNumber(const QDate& date);

struct DailyCheckOutcome {
    /* the line for the message box, "%1" where the plant's name goes; empty when the
       plant has nothing to say */
    QString message;
    bool driedUp = false;
};

// Ages the plant to today (a day number), punishes an absence of three days or
// more, and drains the water of one start-up.
DailyCheckOutcome dailyCheck(PlantState& state, double today);
