#pragma once
// The whole table in one plain struct: seats, hand slots, the shoe, the house
// rules, the strategy cards, the characters and the deal-wide variables. The
// application owns exactly one Game; windows read it and change it only through
// the engine's functions.

#include "engine/HouseRules.h"
#include "engine/StrategyCard.h"

#include <array>
#include <cstdint>
#include <string>

namespace dealmoor {

inline constexpr int MaxSeats = 6;
inline constexpr int MaxCharacters = 9;
inline constexpr int DealerSlot = 0;
inline constexpr int SecondHandOffset = 6; // second hand of seat s lives in slot s + 6
inline constexpr int HandSlots = 13;
inline constexpr int MaxHandCards = 7;
inline constexpr int CardsPerDeck = 52;
inline constexpr int RanksPerSuit = 13;
inline constexpr int MaxShoeCards = 416;
inline constexpr int NameMax = 30;
inline constexpr int AboutMax = 255;

// Result a seat's first hand keeps for its panel.
enum class Outcome : int32_t { None = 0, Won = 33, Blackjack = 99, Busted = -99 };

// What the deal does next with the hand being decided: no more cards, another
// card (a hit, a double or a split), or half the stake back.
enum class DecisionCode : uint8_t { Stand = 0, TakeCard = 1, Surrender = 5 };

// How long every pause lasts: a quarter, a half, one or one and a half times
// the table's nominal seconds.
enum class Speed : uint8_t { VeryFast = 0, Fast = 1, Medium = 2, Slow = 3 };
inline constexpr int SpeedCount = 4;

struct Card {
    int32_t CardId = 0; // 1..52, suit-major
    int32_t Rank = 0;   // 1 ace .. 13 king; 0 marks an empty entry
};

struct Shoe {
    std::array<Card, MaxShoeCards + 1> ShoeCards{}; // entries 1..Cards; 0 unused
    int32_t ShoePos = 1;                            // last card taken; entry 1 is the burn card
    // Entries 1..Filled hold cards of the current shoe: Cards after a shuffle,
    // fewer after the remainder was reshuffled in the middle of a deal.
    int32_t Filled = 0;
    // Both running counts over entries 2..CountedTo, kept up as cards are taken so
    // that the count after a deal never walks the shoe again.
    int32_t CountedTo = 1;
    int32_t HiOpt1Running = 0;
    int32_t HiOpt2Running = 0;
};

// Total and SoftAces always describe Ranks[0 .. CardCount - 1]: whatever lays
// cards into a hand other than by taking them from the shoe calls ComputeTotal.
struct Hand {
    int32_t CardCount = 0;
    int32_t Total = 0;
    int32_t SoftAces = 0;
    std::array<int32_t, MaxHandCards> CardIds{};
    std::array<int32_t, MaxHandCards> Ranks{};
    std::array<bool, MaxHandCards> Shown{};
    bool Finished = false;
    bool DoubleRequested = false;
    dealmoor::Outcome Outcome = dealmoor::Outcome::None;
};

struct Seat {
    uint8_t Number = 0; // character 1..9
    std::string Name;   // at most 30 characters
    bool Human = false;
    bool HasSplit = false;
    double Credits = 0;
    double Borrowed = 0;
    double Bet = 0;
    double SplitBet = 0;
    double InsuranceBet = 0;
    double LastBet = 0;
    std::string StrategyFile; // card file name without folder or extension
    std::string About;        // at most 255 characters
};

// Where a shuffle takes its seed: the game always reads the clock; tests and
// the simulator set Seed themselves and keep the sequence it starts.
enum class SeedSource : uint8_t { Clock, Kept };

// State of the shuffle's pseudo-random generator.
struct RandomSource {
    uint32_t Seed = 0;
    SeedSource Source = SeedSource::Clock;
    // One Fisher-Yates pass instead of thirty exchange passes (simulator only).
    bool FastShuffle = false;
};

// The money every seat held when the running deal began, and the deal count:
// what a deal called off puts back.
struct DealStart {
    std::array<double, MaxSeats + 1> Credits{};
    std::array<double, MaxSeats + 1> Borrowed{};
    std::array<double, MaxSeats + 1> LastBet{};
    int32_t TotalHands = 0;
};

struct Game {
    std::array<Seat, MaxSeats + 1> Seats{}; // 1..6
    std::array<Hand, HandSlots> Hands{};    // 0 dealer, 1..6 first, 7..12 second
    dealmoor::Shoe Shoe{};
    dealmoor::HouseRules HouseRules{};
    std::array<StrategyCard, MaxSeats + 1> StrategyCards{}; // 0 edit slot, 1..6 seats
    std::array<Seat, MaxCharacters + 1> Characters{};       // 1..9
    RandomSource Random{};

    uint8_t SeatCount = 6;
    int32_t CurrentSeat = 0;
    bool DealInProgress = false;
    int32_t TotalHands = 0;
    int32_t AutoDealsLeft = 0;
    dealmoor::Speed Speed = dealmoor::Speed::Fast;
    DecisionCode Decision = DecisionCode::Stand;
    bool SplitRequested = false;
    uint8_t ResolvedHands = 0;
    uint8_t SplitHands = 0;
    bool InsuranceOffer = false;
    bool ThinkingFrame = false;
    int32_t CountedCards = 0;
    int32_t HiOpt1Count = 0;
    int32_t HiOpt2Count = 0;
    std::string BaseCaption = "Dealmoor 97";
    DealStart BeforeDeal{}; // meaningful while DealInProgress

    Hand& DealerHand() { return Hands[DealerSlot]; }
    const Hand& DealerHand() const { return Hands[DealerSlot]; }
};

// A character number that names one of the nine characters.
constexpr bool CharacterExists(int number) {
    return number >= 1 && number <= MaxCharacters;
}

// A card entry that names a real card of the deck (empty entries hold 0).
constexpr bool IsRealCard(int cardId, int rank) {
    return cardId >= 1 && cardId <= CardsPerDeck && rank >= 1 && rank <= RanksPerSuit;
}

// Recomputes Total and SoftAces of a hand slot from its Ranks.
void ComputeTotal(Game& game, int slot);
void ComputeTotal(Hand& hand);
// Counts one more card of this rank into a hand whose Total and SoftAces are
// up to date (the card itself is not stored here).
void AddToTotal(Hand& hand, int rank);
// Empties a hand slot: no cards, no total, no flags, no outcome.
void ClearHand(Game& game, int slot);
void ClearHand(Hand& hand);

// The start-of-run state: hands cleared, six seats, Fast, seat 1 human.
void ResetGameState(Game& game);

} // namespace dealmoor
