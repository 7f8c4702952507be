#include "clock.h"

#include <QTime>

namespace {
std::optional<QDate> fixedToday;
std::optional<int> fixedHour;
} // namespace

QDate today()
{
    return fixedToday.value_or(QDate::currentDate());
}

int currentHour()
{
    return fixedHour.value_or(QTime::currentTime().hour());
}

void setTodayForTesting(std::optional<QDate> date)
{
    fixedToday = date;
}

void setHourForTesting(std::optional<int> hour)
{
    fixedHour = hour;
}
