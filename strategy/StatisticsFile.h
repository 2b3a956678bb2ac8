#pragma once
// The statistics file: the table's figures (strategy/TableStatistics.h) as
// text, in a file of its own beside the settings file. It is replaced
// atomically, so an interrupted write leaves the old file or the new one. A
// missing file, a damaged one, or one of a version this program cannot read
// starts the figures afresh; it never stops the game.
//
// Version 1, one record a line, words separated by spaces:
//
//   Dealmoor statistics 1
//   game-deals <deals of the current game>
//   tally <seat 1..6> <game|reset> <name> <value> ...
//       names: deals hands won lost pushed blackjacks doubles splits surrenders
//       insured insurance-won decisions followed (whole numbers) and bets net
//       largest-win largest-loss (money, "." and two decimals)
//   miss <seat> <hand: ranks A 2..9 T J Q K, no spaces> <dealer's up card> <chosen> <hinted>
//       chosen: hit stand double split surrender; hinted: hit stand double split
//   credits <seat> <number of the first deal listed> <credits after it> ...
//   end
//
// A tally line lists every name once; a seat has at most one tally line of each
// kind, one credits line and twenty miss lines (oldest first).
//
// The count school's record follows, once it holds a round, as a section of
// its own with its own version; a damaged section starts the record afresh
// and leaves the table's figures as they were read:
//
//   Dealmoor counting 1
//   round <day> <system> <drill> <pace> <answer> <right value> <milliseconds> <verdict>
//       day: yyyy-mm-dd, where the player is; system: I or II (Hi-Opt I, Hi-Opt II)
//       drill: check-running check-true check-decks drill-running drill-true drill-decks
//       pace: cards a second with one decimal (drill-running), "-" for the others
//       answer and right value: whole numbers for the running counts, one
//       decimal for the others; answer "-" when skipped
//       verdict: right wrong skipped (as the drill grades the answer)
//   end
//
// Rounds are listed oldest first, at most CountingRoundsKept of them.

#include "strategy/TableStatistics.h"

#include <string>
#include <string_view>

namespace dealmoor {

inline constexpr const char* StatisticsFileName = "DMOOR.STS";
// The figures are saved when the program closes and after this many deals.
inline constexpr int StatisticsSaveDeals = 50;

// The file's text for the figures.
std::string StatisticsText(const TableStatistics& statistics);

// Reads the text into `statistics`; false, leaving `statistics` untouched,
// when it is not a whole statistics file of a version this program reads.
bool ReadStatisticsText(std::string_view text, TableStatistics& statistics);

// Replaces the file; false (the old file left as it was) when it cannot be written.
bool SaveStatistics(const std::string& path, const TableStatistics& statistics);

enum class StatisticsLoad { Loaded, Missing, Damaged };

// Loads the file; a missing or damaged file leaves `statistics` as it was (at
// start-up: fresh figures).
StatisticsLoad LoadStatistics(const std::string& path, TableStatistics& statistics);

} // namespace dealmoor
