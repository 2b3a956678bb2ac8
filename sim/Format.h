#pragma once
// Numbers as the simulator prints them: fixed decimals and "." whatever the locale.

#include <string>

namespace dealmoor::sim {

std::string Fixed(double value, int decimals);

} // namespace dealmoor::sim
