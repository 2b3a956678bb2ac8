#include "engine/HouseRules.h"

namespace dealmoor {

void ApplyStandardRules(HouseRules& rules) {
    rules = HouseRules{};
}

} // namespace dealmoor
