#include "engine/HouseRules.h"

#include "engine/Money.h"

#include <algorithm>

namespace dealmoor {

void ApplyStandardRules(HouseRules& rules) {
    rules = HouseRules{};
}

void KeepMoneyRulesInRange(HouseRules& rules) {
    rules.TableMin = std::clamp(WithinMoneyLimit(rules.TableMin), LowestTableMin, MoneyLimit);
    rules.TableMax = std::clamp(WithinMoneyLimit(rules.TableMax), rules.TableMin, MoneyLimit);
    rules.BlackjackPays = std::clamp(WithinMoneyLimit(rules.BlackjackPays), LowestBlackjackPays,
                                     HighestBlackjackPays);
}

} // namespace dealmoor
