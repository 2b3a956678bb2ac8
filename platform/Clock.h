#pragma once
// The game's clocks: a millisecond tick counter for pacing that never wraps
// around, and the UTC time of day that seeds the shuffle.

#include <cstdint>

namespace dealmoor {

// Milliseconds from a fixed but unspecified start; monotonic, 64 bits.
uint64_t TickCountMs();

struct UtcTimeOfDay {
    int hour = 0;        // 0..23
    int minute = 0;      // 0..59
    int second = 0;      // 0..59
    int millisecond = 0; // 0..999
};

UtcTimeOfDay CurrentUtcTime();

} // namespace dealmoor
