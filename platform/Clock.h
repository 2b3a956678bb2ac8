#pragma once
// The game's clocks: a tick counter for pacing that never wraps around, and
// the UTC time of day that seeds the shuffle.

#include <cstdint>

namespace dealmoor {

// Microseconds from a fixed but unspecified start; monotonic, 64 bits. Fine
// enough that a wait counted on it never ends a moment early.
uint64_t TickCountUs();

struct UtcTimeOfDay {
    int hour = 0;        // 0..23
    int minute = 0;      // 0..59
    int second = 0;      // 0..59
    int millisecond = 0; // 0..999
};

UtcTimeOfDay CurrentUtcTime();

} // namespace dealmoor
