#pragma once
// Amounts of credits. The game keeps them as doubles, as it always has; where a
// rule or a window compares or rounds them it does so here, in whole cents, so
// that a cent borrowed a hundred times is exactly a credit and a chip is
// covered by credits of the same value. The settings file writes them with two
// decimals and a "." whatever the locale, and reads back exactly what it wrote.

#include <string>

namespace dealmoor {

// The amount in whole cents, rounded to the nearest cent.
long long Cents(double amount);

// The amount rounded to whole cents.
double RoundToCents(double amount);

// Whether `have` covers `need`, to the cent.
bool Covers(double have, double need);

// The most credits or debt a seat can hold: far beyond any evening at the
// table, and small enough that every amount is written and read back exactly.
inline constexpr double MoneyLimit = 1e12;

// An amount brought within -MoneyLimit..MoneyLimit; what is not a number is 0.
double WithinMoneyLimit(double amount);

// Money as the settings file holds it: two decimals, "." whatever the locale.
std::string FormatFileMoney(double amount);
// The blackjack payoff: one decimal, "." whatever the locale.
std::string FormatFilePayoff(double multiple);
// Reads money or the payoff: the first 20 characters, an optional "-",
// digits, "." and at most two decimals that count ("12.345" is 12.34);
// `def` when the text holds no number.
double ParseFileMoney(const std::string& text, double def);

} // namespace dealmoor
