#include "dailycheck.h"

#include <QCoreApplication>
#include <algorithm>

double dayNumber(const QDate& date)
{
    return static_cast<double>(QDate(1899, 12, 30).daysTo(date));
}

namespace {
// A clock set decades away still gives a representable age.
Integer saturatedSum(int value, double delta)
{
    return Integer(static_cast<long long>(
        std::clamp(value + delta, double(Integer::min), double(Integer::max))));
}

/* "%1" stands for the plant's name */
QString moodAfterAbsence(int ai)
{
    if (ai < 0)
        //: After three days or more away the plant is cross; %1 is its name
        return QCoreApplication::translate("DailyCheck", "%1は、すっかりご機嫌斜めです");
    //: After three days or more away the plant has missed its owner; %1 is its name
    return QCoreApplication::translate("DailyCheck",
                                       "%1は、あなたがかまってあげなかったので寂しがっています");
}
} // namespace

DailyCheckOutcome dailyCheck(PlantState& state, double today)
{
    DailyCheckOutcome outcome;
    const double passed = today - state.lastday;
    if (passed > 2) {
        state.ai -= 10;
        outcome.message = moodAfterAbsence(state.ai);
    }
    state.days = saturatedSum(state.days, passed);
    state.lastday = today;
    state.swater -= 3;
    outcome.driedUp = state.swater < -30;
    return outcome;
}
