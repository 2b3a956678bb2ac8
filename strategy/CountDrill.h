#pragma once
// The count school's rules: what a count question's right answer is, how an
// answer is read and graded, and the runs of cards and discard trays the
// drills are made of. The table's count check and the Count Drill window ask;
// everything they grade, and every card they turn, comes from here.
//
// Answers and right values are held in tenths: a running count is a whole
// number, a true count and the decks left are judged to the tenth the Card
// Count message shows.

#include "engine/Counting.h"
#include "engine/Game.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dealmoor {

using Tenths = int32_t;
inline constexpr Tenths TenthsPerUnit = 10;

// What the player is asked.
enum class CountQuestion : uint8_t { RunningCount, TrueCount, DecksLeft };

// How far from the right value an answer may lie and still be right: a running
// count must be exact, a true count within half a point, the decks left within
// half a deck.
Tenths Tolerance(CountQuestion question);
bool IsRightAnswer(CountQuestion question, Tenths answer, Tenths right);

// A value rounded to the tenth, as the Card Count message rounds it.
Tenths RoundedToTenths(long double value);

// The player's typed answer: an optional sign ("+", "-" or the minus sign
// U+2212), digits, and for a true count or the decks left one decimal after a
// "." or ","; nothing when it is not such a number (or has no digit at all).
// The decks left are never negative.
std::optional<Tenths> ReadAnswer(std::string_view text, CountQuestion question);
// A value as the count school writes it: a running count "+4", "0", "-3"; a
// true count "+1.5", "0.0", "-0.7"; the decks left "3.5".
std::string AnswerText(Tenths value, CountQuestion question);

// The right answers of a count check at the table, from the counts the last
// deal stored (the same ones the Card Count message shows).
struct CheckAnswers {
    Tenths RunningCount = 0;
    Tenths TrueCount = 0;
    Tenths DecksLeft = 0;

    Tenths of(CountQuestion question) const;
};
CheckAnswers RightAnswers(const StoredCounts& counts, CountingSystem system);

// ---- The running count drill ------------------------------------------------------

inline constexpr int MinDrillDecks = 1;
inline constexpr int MaxDrillDecks = 8;
inline constexpr int MaxCardsAtATime = 3;
// Cards a second, in tenths: from one card every two seconds to ten a second.
inline constexpr Tenths MinDrillPace = 5;
inline constexpr Tenths MaxDrillPace = 100;

// The cards of one round, turned in groups of CardsAtATime (the last group may
// be smaller), from freshly shuffled decks. The question comes once StopAfter
// cards have been turned: every card, or a random group's end.
struct RunningDrill {
    std::vector<Card> Cards;
    int CardsAtATime = 1;
    std::size_t StopAfter = 0;

    // Groups turned before the question.
    std::size_t groups() const;
    // The cards of group g (0-based): where they start among Cards, and how many.
    std::size_t groupStart(std::size_t g) const;
    std::size_t groupSize(std::size_t g) const;
    // The running count of the cards turned before the question.
    int rightCount(CountingSystem system) const;
};

// A round of `decks` decks (1..8) turned 1..3 cards at a time; with
// `randomStop` the question comes at the end of a random group from the first
// quarter of the run on. The same seed gives the same round.
RunningDrill MakeRunningDrill(uint32_t seed, int decks, int cardsAtATime, bool randomStop);

// The running count of `cards`.
int RunningCountOf(const std::vector<Card>& cards, std::size_t count, CountingSystem system);

// How many milliseconds a group stays before the next one is turned, at a pace
// in tenths of cards a second (held within the drill's paces).
int GroupMilliseconds(Tenths pace, std::size_t groupSize);

// ---- The true count and decks left drills -----------------------------------------

// A shoe part dealt: the discard tray holds CardsGone of the ShoeCards, and
// the cards in it counted to HiOpt1 and HiOpt2.
struct TrayProblem {
    int ShoeCards = 0;
    int CardsGone = 0;
    int HiOpt1 = 0;
    int HiOpt2 = 0;

    int running(CountingSystem system) const;
    Tenths rightTrueCount(CountingSystem system) const;
    Tenths rightDecksLeft() const;
};

// A tray from a freshly shuffled shoe of `shoeCards` (held within one to eight
// decks), dealt from a quarter of a deck up to the last card before the table
// would shuffle again. The same seed gives the same tray.
TrayProblem MakeTrayProblem(uint32_t seed, int shoeCards);

} // namespace dealmoor
