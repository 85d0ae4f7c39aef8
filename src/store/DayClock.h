#pragma once
// Dates as the data files hold them: days since 30 December 1899 plus the
// elapsed fraction of the day, in local time.
#include <ctime>
#include <functional>

// The current moment as a day count, from the clock in use.
double NowDayCount();

// Replaces the clock (tests); an empty function restores the system clock.
void SetDayClock(std::function<double()> clock);

double DayCountFromTime(std::time_t moment);
std::time_t TimeFromDayCount(double dayCount);
