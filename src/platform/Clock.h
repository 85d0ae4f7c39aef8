#pragma once
// "Now" for history dates, as a day count since 30 December 1899, local time.
// The installed clock answers the stores' NowDayCount(), so there is one clock.
#include <functional>

#include "store/DayClock.h"

class IClock {
public:
    virtual ~IClock() = default;
    virtual double Now() const = 0;
};

// The shell installs its clock at start, tests a fixed one; nullptr restores the
// system clock. Not owned.
inline void SetClock(const IClock* clock)
{
    if (clock)
        SetDayClock([clock] { return clock->Now(); });
    else
        SetDayClock({});
}
