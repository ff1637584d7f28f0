// The stopwatch's arithmetic, without a window: the solving time counted from
// the moment the watch was last shown, and what its display shows.
#pragma once

#include <cstdint>
#include <string>

// ElapsedSeconds after `nowMs`, counted from `baseMs` when it stood at
// `baseElapsed`: the whole seconds in between, rounded to the nearest (a half
// to the even one), on 16 bits as the record keeps them. A clock read before
// the base counts nothing.
std::uint16_t CountedSeconds(std::int64_t baseMs, std::uint16_t baseElapsed, std::int64_t nowMs);

enum class StopwatchTint { Blue, Green, Red };

struct StopwatchView {
    int Seconds = 0;          // signed: the time up, or what is left of the best time
    bool SignVisible = false; // counting down from a best time
    bool Negative = false;    // beyond the best time
    StopwatchTint Tint = StopwatchTint::Blue;
    std::string Text; // minutes and seconds, "12:34", "-1:30", "0:05"
};

// What the display shows: counting up while `countUp` is down or there is no
// best time, else the best time less the elapsed time; the sign only while
// `countDown` is down and a best time exists.
StopwatchView StopwatchDisplay(std::uint16_t elapsed, std::uint16_t best, bool countUp,
                               bool countDown);
