#pragma once
// Amounts of credits as the screen shows them: the user's currency format in
// messages and on the seat panels, fixed two decimals on the digit displays.
// The engine rounds and compares money (engine/Money.h); this only writes it.

#include <QString>

namespace dealmoor {

// An amount of credits in the user's regional currency format.
QString Money(double amount);

// A fixed-point amount with two decimals, right-aligned in `width` characters
// and padded with spaces, using the locale's decimal separator: the text the
// number displays and the borrowing messages show.
QString FixedAmount(double value, int width);

} // namespace dealmoor
