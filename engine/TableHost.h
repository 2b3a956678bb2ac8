#pragma once
// The one way a deal reaches the screen and the user. The table's presenter
// implements it; tests record it; the simulator throws it away. Two calls are
// questions: the host returns the user's answer and the engine checks it and
// applies it. Everything else only shows or sounds the deal. The course and the
// outcome of a deal depend only on Game and the two answers, never on anything
// else a host does.

#include "engine/Betting.h"
#include "engine/HandRules.h"

#include <string_view>

namespace dealmoor {

// Dealer poses of DrawDealer.
enum class DealerPose {
    Rest = 1,        // both arms down, the deck on the table
    ReachDown = 3,   // left hand reaching down with a card
    ReachAcross = 4, // left hand reaching across with a card
    HandOpen = 5,    // left hand opening over the card
};

// Thrown by a host from any of its calls to call the running deal off (the
// program is closing): the engine then puts the table back as it stood before
// the deal, every stake returned and nothing dealt. A host throws it only while
// a deal runs.
struct DealCalledOff {};

// Seat panel colours: the seat being served is highlighted, the others released.
enum class PanelColour { Release, Highlight };

// Texts written straight onto the table in 14-point bold white.
enum class TableText { Surrendered, Doubled, Busted };

class TableHost {
public:
    virtual ~TableHost() = default;

    // Waits the nominal seconds of the pacing table; the host scales them by Speed.
    virtual void Pause(double seconds) = 0;

    // The bet window for a human seat: the amount put up as a stake or as
    // insurance (0 for none). The engine judges and places it.
    virtual double AskBet(int seat, BetKind kind) = 0;
    // The decision window for a human seat's hand slot, offering `offered`
    // besides Hit and Stand. The engine applies the answer.
    virtual Decision AskDecision(int seat, int hand, const DecisionOffer& offered) = 0;

    virtual void DrawDealer(DealerPose pose) = 0;
    // Frame 0 selects the seat's character; 1..4 draws that face and the seat's cards.
    virtual void SetFace(int seat, int frame) = 0;
    virtual void SeatPanel(int seat, PanelColour colour) = 0;
    virtual void ShowBalloon(std::string_view first, std::string_view second) = 0;
    // The dealer's motion for one card dealt to a seat, with the card sound.
    virtual void DealAnimation() = 0;
    // secondHand: the text belongs to the seat's second hand after a split.
    virtual void WriteTableText(TableText text, bool secondHand) = 0;

    // The event sounds; each plays only when the host's sound switches allow it.
    virtual void PlayCardSound() = 0;
    virtual void PlayWinSound() = 0;
    virtual void PlayLoseSound() = 0;
    virtual void PlayBlackjackSound() = 0;
    // Synchronous: returns when the shuffle sound has ended. False when it did
    // not sound at all (switched off, or it cannot play): the shuffle then
    // pauses instead, so the shuffle is seen either way.
    virtual bool PlayShuffleSound() = 0;

    virtual void SetCaption(std::string_view caption) = 0;
    // Blacks out the lower dealer view and writes "shuffling..." there.
    virtual void ShowShuffling() = 0;
    virtual void SetThinkingTimer(bool enabled) = 0;
    // Starts the auto-deal timer: the next deal begins 200 ms later.
    virtual void ArmAutoDealTimer() = 0;

    // False when nobody looks at captions: the deal then skips building them.
    virtual bool WantsCaptions() const { return true; }
    // False while the player practises the count with the counts hidden: the
    // caption after a deal then shows the shoe position alone.
    virtual bool CaptionShowsCounts() const { return true; }
    // False for a table nobody looks at: the seats' faces, panel lights and
    // gestures are then not drawn at all. A plain flag rather than a question,
    // because the deal asks it several times for every card.
    bool ShowsSeats() const { return showsSeats_; }

    // Observation points for logs, checks and tests; the screen needs none of them.
    virtual void CardTaken(int /*slot*/) {}
    // A human seat's answer to AskBet has been judged and placed.
    virtual void StakePlaced(int /*seat*/, BetKind /*kind*/) {}
    virtual void Decided(int /*slot*/) {}
    // A hand's stake is settled: `stake` lay on the hand slot (both stakes after
    // a double) and `returned` went back to the seat's credits (0 when it lost,
    // half the stake after a surrender). Every hand with a stake is settled once.
    virtual void HandSettled(int /*seat*/, int /*slot*/, double /*stake*/, double /*returned*/) {}
    virtual void SeatSettled(int /*seat*/) {}
    // The deal's end has stored its counts (CountedCards and both running
    // counts), before a shuffle that is due clears them.
    virtual void CountsReported() {}

protected:
    TableHost() = default;
    explicit TableHost(bool showsSeats) : showsSeats_(showsSeats) {}

private:
    bool showsSeats_ = true;
};

} // namespace dealmoor
