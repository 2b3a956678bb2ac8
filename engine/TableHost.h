#pragma once
// The one way a deal reaches the screen and the user. The table window
// implements it; tests record it; the simulator throws it away. The course and
// the outcome of a deal depend only on Game and the answers of the bet and
// decision windows, never on anything else a host does.

#include <string_view>

namespace dealmoor {

// Dealer poses of DrawDealer.
inline constexpr int DealerRest = 1;        // both arms down, the deck on the table
inline constexpr int DealerReachDown = 3;   // left hand reaching down with a card
inline constexpr int DealerReachAcross = 4; // left hand reaching across with a card
inline constexpr int DealerHandOpen = 5;    // left hand opening over the card

// Seat panel colours: the seat being served is highlighted, the others released.
enum class PanelColour { Release, Highlight };

// Texts written straight onto the table in 14-point bold white.
enum class TableText { Surrendered, Doubled, Busted };

class TableHost {
public:
    virtual ~TableHost() = default;

    // Waits the nominal seconds of the pacing table; the host scales them by Speed.
    virtual void Pause(double seconds) = 0;
    // Modal bet window for CurrentSeat: places Bet (taking it from Credits) or,
    // while InsuranceOffer is set, InsuranceBet.
    virtual void ShowBetWindow() = 0;
    // Modal decision window for CurrentSeat: answers by the decision contract.
    virtual void ShowDecisionWindow() = 0;

    virtual void DrawDealer(int pose) = 0;
    // Frame 0 selects the seat's character; 1..4 draws that face and the seat's cards.
    virtual void SetFace(int seat, int frame) = 0;
    virtual void SeatPanel(int seat, PanelColour colour) = 0;
    virtual void ShowBalloon(std::string_view first, std::string_view second) = 0;
    // The dealer's motion for one card dealt to a seat, with the card sound.
    virtual void DealAnimation() = 0;
    // secondHand: the text belongs to the seat's second hand after a split.
    virtual void WriteTableText(TableText text, bool secondHand) = 0;

    virtual void PlayCardSound() = 0;
    virtual void PlayWinSound() = 0;
    virtual void PlayLoseSound() = 0;
    virtual void PlayBlackjackSound() = 0;
    // Synchronous: returns when the shuffle sound has ended.
    virtual void PlayShuffleSound() = 0;

    virtual void SetCaption(std::string_view caption) = 0;
    // Blacks out the lower dealer view and writes "shuffling..." there.
    virtual void ShowShuffling() = 0;
    virtual void SetThinkingTimer(bool enabled) = 0;
    // Starts the auto-deal timer: the next deal begins 200 ms later.
    virtual void ArmAutoDealTimer() = 0;

    // False when nobody looks at captions: the deal then skips building them.
    virtual bool WantsCaptions() const { return true; }

    // Observation points for logs and tests; the screen needs none of them.
    virtual void CardTaken(int /*slot*/) {}
    virtual void Decided(int /*slot*/) {}
    virtual void SeatSettled(int /*seat*/) {}
};

} // namespace dealmoor
