#include "store/DayClock.h"

#include <cmath>
#include <utility>

namespace {

// 1970-01-01 as a day count.
constexpr double cUnixEpochDays = 25569.0;
constexpr double cSecondsPerDay = 86400.0;

std::function<double()>& ClockInUse()
{
    static std::function<double()> clock;
    return clock;
}

// Seconds east of UTC at that moment, daylight saving included.
long LocalOffsetSeconds(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return local.tm_gmtoff;
}

}  // namespace

double NowDayCount()
{
    if (ClockInUse())
        return ClockInUse()();
    return DayCountFromTime(std::time(nullptr));
}

void SetDayClock(std::function<double()> clock)
{
    ClockInUse() = std::move(clock);
}

double DayCountFromTime(std::time_t moment)
{
    const double localSeconds = static_cast<double>(moment) + LocalOffsetSeconds(moment);
    return cUnixEpochDays + localSeconds / cSecondsPerDay;
}

std::time_t TimeFromDayCount(double dayCount)
{
    const auto localSeconds =
        static_cast<std::time_t>(std::llround((dayCount - cUnixEpochDays) * cSecondsPerDay));
    // The offset at the wall-clock moment itself, near enough across a change of offset.
    return localSeconds - LocalOffsetSeconds(localSeconds - LocalOffsetSeconds(localSeconds));
}
