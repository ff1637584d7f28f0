#include "StopwatchClock.h"

#include <cstdio>
#include <cstdlib>

std::uint16_t CountedSeconds(std::int64_t baseMs, std::uint16_t baseElapsed, std::int64_t nowMs) {
    const std::int64_t ms = nowMs > baseMs ? nowMs - baseMs : 0;
    std::int64_t seconds = ms / 1000;
    const std::int64_t rest = ms % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1)) ++seconds;
    return static_cast<std::uint16_t>((seconds + baseElapsed) & 0xFFFF);
}

StopwatchView StopwatchDisplay(std::uint16_t elapsed, std::uint16_t best, bool countUp,
                               bool countDown) {
    StopwatchView v;
    // Without a best time there is nothing to count down from: raising
    // "Aufwärts" must not turn the time into a negative one.
    v.Seconds = countUp || best == 0 ? elapsed : best - elapsed;
    v.SignVisible = countDown && best > 0;
    v.Negative = v.Seconds < 0;
    v.Tint = v.Negative ? StopwatchTint::Red
             : best > 0 ? StopwatchTint::Green
                        : StopwatchTint::Blue;
    // Minutes before the colon, seconds after it; both truncate towards zero,
    // so -90 s reads -1:30.
    const int minutes = std::abs(v.Seconds / 60);
    const int seconds = std::abs(v.Seconds % 60);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%s%d:%02d", v.Negative ? "-" : "", minutes, seconds);
    v.Text = buffer;
    return v;
}
