#pragma once
// Amounts of credits as the screen shows them: the user's currency format in
// messages and on the seat panels, fixed two decimals on the digit displays.
// The engine rounds and compares money (engine/Money.h); this only writes it.

#include <QString>

namespace dealmoor {

// An amount of credits in the user's regional currency format.
QString Money(double amount);

// A gain or a loss in the currency format, always signed: "+$25.00",
// "\u2212$10.00"; nothing at all is "$0.00".
QString SignedMoney(double amount);

// A fixed-point amount with two decimals, right-aligned in `width` characters
// and padded with spaces, using the locale's decimal separator: the text the
// number displays and the borrowing messages show.
QString FixedAmount(double value, int width);

// A fraction as a percentage with two decimals in the user's number format
// (0.0064 gives "0.64%", -0.0031 "\u22120.31%").
QString Percent(double fraction);
// A figure and the half-width of its 95% interval, as percentages: "0.64% ± 0.10%".
QString PercentWithInterval(double fraction, double halfWidth);

} // namespace dealmoor
