#pragma once

#include <QDate>
#include <optional>

// Today's date and the hour, from the real clock unless a test has set them.
QDate today();
/* 0 <= currentHour() <= 23 */
int currentHour();

void setTodayForTesting(std::optional<QDate> date);
void setHourForTesting(std::optional<int> hour);
