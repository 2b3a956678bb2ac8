#include "platform/Clock.h"

#include <chrono>

namespace dealmoor {

uint64_t TickCountUs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

UtcTimeOfDay CurrentUtcTime() {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so the time of day is the
    // remainder of whole days.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto sinceMidnight = sinceEpoch - floor<days>(sinceEpoch);
    const hh_mm_ss<milliseconds> time{sinceMidnight};
    return UtcTimeOfDay{
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
        static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count())};
}

} // namespace dealmoor
