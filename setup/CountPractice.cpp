#include "setup/CountPractice.h"

#include "engine/Shoe.h"

#include <algorithm>

namespace dealmoor {

bool CountsHidden(const CountPractice& practice) {
    return practice.On && practice.HideCounts;
}

bool CheckSchedule::dealEnded(const CountPractice& practice, bool shuffled, RandomSource& random) {
    if (!practice.On) {
        return false;
    }
    ++dealsSinceCheck_;
    const int every = std::clamp(practice.CheckDeals, MinCheckDeals, MaxCheckDeals);
    bool due = false;
    switch (practice.Checks) {
    case CheckFrequency::Never:
        break;
    case CheckFrequency::EveryShuffle:
        due = shuffled;
        break;
    case CheckFrequency::EveryDeals:
        due = dealsSinceCheck_ >= every;
        break;
    case CheckFrequency::AtRandom:
        due = RandomInt(random, static_cast<uint32_t>(every)) == 0;
        break;
    }
    if (due) {
        dealsSinceCheck_ = 0;
    }
    return due;
}

} // namespace dealmoor
