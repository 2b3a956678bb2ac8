#pragma once
// The table's statistics: what every seat did, since the current game began
// and since the statistics were last reset, the credits each seat held after
// each deal of the current game, how often a human seat followed the hint and
// the last decisions it did not, and the last deal at a glance; beside them
// the player's count school record (strategy/CountingRecord.h).
//
// The figures are gathered while a deal runs, from the table host's calls,
// through StatisticsHost: it stands between the deal and the table's own host,
// passes every call on unchanged and notes what it sees. PlayDealWithStatistics
// plays one deal that way. The figures are saved to a file of their own
// (strategy/StatisticsFile.h).

#include "engine/Game.h"
#include "engine/HandRules.h"
#include "engine/TableHost.h"
#include "strategy/CountingRecord.h"
#include "strategy/HintAdvice.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace dealmoor {

// What one seat did over a stretch of play.
struct SeatTally {
    int64_t Deals = 0;  // deals in which the seat put up a stake
    int64_t Hands = 0;  // hands played: first hands and the second hands of splits
    int64_t Won = 0;    // hands that got back more than their stake
    int64_t Lost = 0;   // hands that got back less (a surrender gets back half)
    int64_t Pushed = 0; // hands that got back their stake
    int64_t Blackjacks = 0;
    int64_t Doubles = 0;
    int64_t Splits = 0;
    int64_t Surrenders = 0;
    int64_t InsuranceTaken = 0;
    int64_t InsuranceWon = 0;
    double InitialBets = 0; // the first stakes of the seat's deals
    double Net = 0;         // credits after the deals minus before, insurance included
    double LargestWin = 0;  // the best deal's net; 0 until a deal is won
    double LargestLoss = 0; // the worst deal's net (negative); 0 until a deal is lost
    int64_t Decisions = 0;  // decisions a human seat made
    int64_t FollowedHint = 0;

    // Net per unit of initial bet; 0 before the first deal.
    double perUnit() const { return InitialBets > 0 ? Net / InitialBets : 0.0; }
    bool operator==(const SeatTally&) const = default;
};

// The whole numbers and the money of a tally, by the names the statistics file
// gives them, for adding tallies up and for writing and reading them.
template <typename T> struct TallyField {
    std::string_view Name;
    T SeatTally::*Field;
};
inline constexpr std::array<TallyField<int64_t>, 13> TallyCounts{{
    {"deals", &SeatTally::Deals},
    {"hands", &SeatTally::Hands},
    {"won", &SeatTally::Won},
    {"lost", &SeatTally::Lost},
    {"pushed", &SeatTally::Pushed},
    {"blackjacks", &SeatTally::Blackjacks},
    {"doubles", &SeatTally::Doubles},
    {"splits", &SeatTally::Splits},
    {"surrenders", &SeatTally::Surrenders},
    {"insured", &SeatTally::InsuranceTaken},
    {"insurance-won", &SeatTally::InsuranceWon},
    {"decisions", &SeatTally::Decisions},
    {"followed", &SeatTally::FollowedHint},
}};

inline constexpr std::array<TallyField<double>, 4> TallyMoneys{{
    {"bets", &SeatTally::InitialBets},
    {"net", &SeatTally::Net},
    {"largest-win", &SeatTally::LargestWin},
    {"largest-loss", &SeatTally::LargestLoss},
}};

// A human decision that went against the hint.
struct HintMiss {
    std::array<uint8_t, MaxHandCards> Ranks{}; // the hand's cards, 0 after the last
    uint8_t DealerRank = 0;                    // the dealer's up card
    Decision Chosen = Decision::Stand;
    HintAction Hinted = HintAction::Stand;

    int cardCount() const;
    bool operator==(const HintMiss&) const = default;
};

inline constexpr std::size_t HintMissesKept = 20;
// Credits after this many deals of the current game are kept per seat; older
// ones give way to newer ones.
inline constexpr std::size_t CreditsKept = 20000;

struct SeatStatistics {
    SeatTally SinceGameBegan;
    SeatTally SinceReset;
    std::deque<HintMiss> Misses; // since the reset, oldest first, at most HintMissesKept
    // Credits after each deal of the current game; the first entry is the
    // credits after deal number FirstDeal of the game.
    std::vector<double> Credits;
    int64_t FirstDeal = 1;

    bool operator==(const SeatStatistics&) const = default;
};

// One hand of the last deal as it was settled.
struct SettledHand {
    std::array<uint8_t, MaxHandCards> Ranks{};
    int CardCount = 0;
    double Stake = 0;    // with a double, both stakes
    double Returned = 0; // what came back to the credits: 0 when lost
};

// The last deal at a glance: each seat's hands and what they got back, the
// dealer's hand, and each seat's net.
struct DealSummary {
    std::array<uint8_t, MaxHandCards> DealerRanks{};
    int DealerCardCount = 0;
    struct SeatPart {
        bool Played = false;
        std::array<SettledHand, 2> Hands{}; // first hand, second hand after a split
        int HandCount = 0;
        double Insurance = 0;
        double InsuranceReturned = 0;
        double Net = 0;
    };
    std::array<SeatPart, MaxSeats + 1> Seats{};
};

class TableStatistics {
public:
    const SeatStatistics& seat(int seat) const { return seats_[static_cast<size_t>(seat)]; }
    // Deals of the current game that had a stake.
    int64_t gameDeals() const { return gameDeals_; }
    // The last deal played since the program started, if any.
    const DealSummary* lastDeal() const { return hasLastDeal_ ? &lastDeal_ : nullptr; }

    // A new game begins: its figures and its credits start again.
    void startNewGame();
    // Every seat's figures start again (the Reset button); the counting record stays.
    void reset();

    // The player's record at the count school, kept in the same file; it has
    // a reset of its own.
    CountingRecord& counting() { return counting_; }
    const CountingRecord& counting() const { return counting_; }

    // The deal's bracket: before PlayDeal and after it.
    void beginDeal(const Game& game);
    void endDeal(const Game& game);
    // A deal that did not run to its end counts nothing.
    void abandonDeal();

    // What the host sees during the deal.
    void cardTaken(const Game& game, int slot);
    void stakePlaced(const Game& game, int seat, BetKind kind);
    // A human seat's answer, with the offer and the hand it answered for;
    // asked before the engine applies it.
    void humanDecision(const Game& game, int seat, int slot, const DecisionOffer& offered,
                       Decision answer);
    void decided(const Game& game, int slot);
    void handSettled(int seat, int slot, double stake, double returned);

    // For the statistics file: the figures as they were saved.
    void restore(const std::array<SeatStatistics, MaxSeats + 1>& seats, int64_t gameDeals);
    const std::array<SeatStatistics, MaxSeats + 1>& seats() const { return seats_; }

private:
    // The deal being played, seat by seat.
    struct SeatDeal {
        bool played = false;
        double creditsBefore = 0;
        double initialBet = 0;
        SeatTally tally; // counts of this deal alone
    };

    void addDeal(int seat, const SeatDeal& deal, double net, double creditsAfter);

    std::array<SeatStatistics, MaxSeats + 1> seats_{};
    int64_t gameDeals_ = 0;
    CountingRecord counting_;
    bool inDeal_ = false;
    std::array<SeatDeal, MaxSeats + 1> deal_{};
    DealSummary current_;
    DealSummary lastDeal_;
    bool hasLastDeal_ = false;
};

// A table host that passes every call on to `inner` unchanged and notes for
// the statistics what the deal shows it.
class StatisticsHost final : public TableHost {
public:
    StatisticsHost(const Game& game, TableHost& inner, TableStatistics& statistics)
        : TableHost(inner.ShowsSeats()), game_(game), inner_(inner), statistics_(statistics) {}

    void Pause(double seconds) override { inner_.Pause(seconds); }
    double AskBet(int seat, BetKind kind) override { return inner_.AskBet(seat, kind); }
    Decision AskDecision(int seat, int hand, const DecisionOffer& offered) override;
    void DrawDealer(DealerPose pose) override { inner_.DrawDealer(pose); }
    void SetFace(int seat, int frame) override { inner_.SetFace(seat, frame); }
    void SeatPanel(int seat, PanelColour colour) override { inner_.SeatPanel(seat, colour); }
    void ShowBalloon(std::string_view first, std::string_view second) override {
        inner_.ShowBalloon(first, second);
    }
    void DealAnimation() override { inner_.DealAnimation(); }
    void WriteTableText(TableText text, bool secondHand) override {
        inner_.WriteTableText(text, secondHand);
    }
    void PlayCardSound() override { inner_.PlayCardSound(); }
    void PlayWinSound() override { inner_.PlayWinSound(); }
    void PlayLoseSound() override { inner_.PlayLoseSound(); }
    void PlayBlackjackSound() override { inner_.PlayBlackjackSound(); }
    bool PlayShuffleSound() override { return inner_.PlayShuffleSound(); }
    void SetCaption(std::string_view caption) override { inner_.SetCaption(caption); }
    void ShowShuffling() override { inner_.ShowShuffling(); }
    void SetThinkingTimer(bool enabled) override { inner_.SetThinkingTimer(enabled); }
    void ArmAutoDealTimer() override { inner_.ArmAutoDealTimer(); }
    bool WantsCaptions() const override { return inner_.WantsCaptions(); }
    bool CaptionShowsCounts() const override { return inner_.CaptionShowsCounts(); }

    void CardTaken(int slot) override;
    void StakePlaced(int seat, BetKind kind) override;
    void Decided(int slot) override;
    void HandSettled(int seat, int slot, double stake, double returned) override;
    void SeatSettled(int seat) override { inner_.SeatSettled(seat); }
    void CountsReported() override { inner_.CountsReported(); }

private:
    const Game& game_;
    TableHost& inner_;
    TableStatistics& statistics_;
};

// One deal (PlayDeal) on `host`, noted in `statistics`.
void PlayDealWithStatistics(Game& game, TableHost& host, TableStatistics& statistics);

} // namespace dealmoor
