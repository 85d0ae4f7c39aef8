#pragma once
// The start-up benchmark's view of the start: with VELLORA_QUIT_WHEN_SHOWN set in the
// environment, the program writes the moment its event loop first runs (monotonic clock,
// nanoseconds) to standard output and quits. Without it nothing happens.
#include <QCoreApplication>
#include <cstdio>
#include <ctime>

void QuitWhenShownIfAsked();

// Writes the moment now as the benchmark reads it and ends the event loop; the benchmark's
// bare Qt window reports with it too.
inline void ReportShownAndQuit()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
