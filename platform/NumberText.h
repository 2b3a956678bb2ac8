#pragma once
// Numbers written for files and logs: fixed decimals and a "." whatever the
// user's locale, so they read back the same everywhere.

#include <string>

namespace dealmoor {

// `value` with exactly `decimals` digits after a "."; a value that rounds to
// zero never shows as "-0.00", and infinity or NaN is written as 0.
std::string FixedText(double value, int decimals);

} // namespace dealmoor
