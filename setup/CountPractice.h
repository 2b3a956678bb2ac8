#pragma once
// Practising the count at the table: which system the player keeps, whether
// the caption and the Card Count message keep the counts to themselves, and
// how often the table stops between deals to check the player's count. The
// choices are the window's own settings (TableSettings), never table state;
// with practice off the table shows the counts exactly as it always has.

#include "engine/Counting.h"
#include "engine/Game.h"

#include <cstdint>

namespace dealmoor {

enum class CheckFrequency : uint8_t {
    Never = 0,
    EveryShuffle = 1, // after the deal whose end shuffled the shoe, with the counts before it
    EveryDeals = 2,   // after every CheckDeals-th deal
    AtRandom = 3,     // after about one deal in CheckDeals
};
inline constexpr int CheckFrequencies = 4;

inline constexpr int MinCheckDeals = 1;
inline constexpr int MaxCheckDeals = 99;

struct CountPractice {
    bool On = false;
    CountingSystem System = CountingSystem::HiOpt1;
    bool HideCounts = true;
    CheckFrequency Checks = CheckFrequency::EveryDeals;
    int CheckDeals = 5;
    bool AskTrueCount = true; // the true count and the decks left after the running count

    bool operator==(const CountPractice&) const = default;
};

// Whether the caption shows the shoe position alone and Card Count asks before it tells.
bool CountsHidden(const CountPractice& practice);

// When the table checks the count: it counts the deals since the last check.
class CheckSchedule {
public:
    // A deal has ended (`shuffled`: its end shuffled the shoe). True when the
    // table checks the count now; `random` decides the checks at random.
    bool dealEnded(const CountPractice& practice, bool shuffled, RandomSource& random);
    // The player changed the practice: the deals are counted afresh.
    void restart() { dealsSinceCheck_ = 0; }

private:
    int dealsSinceCheck_ = 0;
};

} // namespace dealmoor
