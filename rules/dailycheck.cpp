#include "dailycheck.h"

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
} // namespace

DailyCheckOutcome dailyCheck(PlantState& state, double today)
{
    DailyCheckOutcome outcome;
    const double passed = today - state.lastday;
    if (passed > 2) {
        state.ai -= 10;
        outcome.message =
            state.sname +
            (state.ai < 0 ? QStringLiteral("は、すっかりご機嫌斜めです")
                          : QStringLiteral("は、あなたがかまってあげなかったので寂しがっています"));
    }
    state.days = saturatedSum(state.days, passed);
    state.lastday = today;
    state.swater -= 3;
    outcome.driedUp = state.swater < -30;
    return outcome;
}
