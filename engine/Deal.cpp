#include "engine/Deal.h"

#include "engine/Betting.h"
#include "engine/ComputerPlayer.h"
#include "engine/SeatDisplay.h"
#include "engine/Settlement.h"
#include "engine/Shoe.h"
#include "engine/TableHost.h"
#include "engine/Texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace dealmoor {

namespace {

constexpr std::array<double, 4> SpeedFactors{0.25, 0.5, 1.0, 1.5};
constexpr int DealerStandsOn = 17;
constexpr int PleasedFrom = 19;

int secondSlot(int seat) {
    return seat + SecondHandOffset;
}

// The stake lying on a hand slot: Bet on the first hand, SplitBet on the second.
double& stakeOf(Game& game, int seat, int slot) {
    return slot == seat ? game.Seats[seat].Bet : game.Seats[seat].SplitBet;
}

void showCardMood(const Game& game, TableHost& host, int seat, int total) {
    ShowMood(game, host, seat, Mood::Neutral);
    if (total >= PleasedFrom && total <= 21) {
        ShowMood(game, host, seat, Mood::Pleased);
    }
}

// A hand that holds seven cards has no room for another: it stands as it is.
void finishFullHand(Hand& hand) {
    if (hand.CardCount >= MaxHandCards) {
        hand.Finished = true;
    }
}

void takeSeatCard(Game& game, TableHost& host, int slot, bool faceUp) {
    host.DealAnimation();
    if (faceUp) {
        TakeCardFaceUp(game, slot);
    } else {
        TakeCard(game, slot);
    }
    host.CardTaken(slot);
}

void takeDealerCard(Game& game, TableHost& host) {
    TakeCard(game, DealerSlot);
    host.CardTaken(DealerSlot);
}

// The human seat's face moves while the user makes up their mind.
void startThinking(Game& game, TableHost& host) {
    game.ThinkingFrame = true;
    host.SetThinkingTimer(true);
}

void rememberDealStart(Game& game) {
    DealStart& start = game.BeforeDeal;
    for (int s = 1; s <= MaxSeats; ++s) {
        start.Credits[s] = game.Seats[s].Credits;
        start.Borrowed[s] = game.Seats[s].Borrowed;
        start.LastBet[s] = game.Seats[s].LastBet;
    }
    start.TotalHands = game.TotalHands;
}

void startDeal(Game& game, TableHost& host) {
    rememberDealStart(game);
    game.DealInProgress = true;
    ++game.TotalHands;
    if (host.WantsCaptions()) {
        host.SetCaption(HandCaption(game));
    }
    game.ResolvedHands = 0;
    game.SplitHands = 0;
    ClearHand(game, DealerSlot);
    game.CurrentSeat = 0;
}

// Every seat puts up its stake; the sum tells whether anybody plays.
double takeBets(Game& game, TableHost& host) {
    double stakes = 0;
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        Seat& seat = SeatOf(game, s);
        host.DrawDealer(DealerPose::Rest);
        game.CurrentSeat = s;
        Highlight(host, s);
        seat.InsuranceBet = 0;
        if (seat.Human) {
            ShowMood(game, host, s, Mood::Neutral);
            startThinking(game, host);
            const double amount = host.AskBet(s, BetKind::Stake);
            host.SetThinkingTimer(false);
            PlaceBet(game, s, amount);
            host.StakePlaced(s, BetKind::Stake);
        } else {
            seat.Bet = ComputerBet(game, s);
            seat.Credits -= seat.Bet;
        }
        stakes += seat.Bet;
        Release(host, s);
    }
    return stakes;
}

void dealFirstCards(Game& game, TableHost& host) {
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        Seat& seat = SeatOf(game, s);
        game.SplitRequested = false;
        ClearHand(game, s);
        ClearHand(game, secondSlot(s));
        game.CurrentSeat = s;
        seat.HasSplit = false;
        seat.SplitBet = 0;
        if (seat.Bet > 0) {
            Highlight(host, s);
            ShowMood(game, host, s, Mood::Neutral);
            takeSeatCard(game, host, s, false);
            FirstHand(game, s).DoubleRequested = false;
            ShowMood(game, host, s, Mood::Neutral);
            host.Pause(0.1);
        }
        Release(host, s);
    }
}

void dealHoleCard(Game& game, TableHost& host) {
    host.DrawDealer(DealerPose::ReachAcross);
    takeDealerCard(game, host);
    host.Pause(0.25);
    host.PlayCardSound();
    host.DrawDealer(DealerPose::Rest);
}

void dealSecondCards(Game& game, TableHost& host) {
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        game.CurrentSeat = s;
        if (SeatOf(game, s).Bet > 0) {
            Highlight(host, s);
            ShowMood(game, host, s, Mood::Neutral);
            takeSeatCard(game, host, s, false);
            ShowMood(game, host, s, Mood::Neutral);
            host.Pause(0.5);
            Release(host, s);
        } else {
            // No stake, no hand: the seat sits this deal out.
            ClearHand(game, s);
            FirstHand(game, s).Finished = true;
        }
    }
}

void dealUpCard(Game& game, TableHost& host) {
    host.DrawDealer(DealerPose::ReachAcross);
    takeDealerCard(game, host);
    host.PlayCardSound();
    host.DrawDealer(DealerPose::ReachAcross);
    host.DrawDealer(DealerPose::ReachDown);
    host.DrawDealer(DealerPose::ReachAcross);
    host.Pause(0.25);
    host.DrawDealer(DealerPose::Rest);
    host.Pause(1);
}

// Under an ace the human seats that play may insure; returns the insurance put up.
double offerInsurance(Game& game, TableHost& host) {
    if (game.DealerHand().Ranks[1] != 1) {
        return 0;
    }
    double insurance = 0;
    host.ShowBalloon(TextNone, TextInsuranceQuestion);
    game.InsuranceOffer = true;
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        Seat& seat = SeatOf(game, s);
        game.CurrentSeat = s;
        if (seat.Human && seat.Bet > 0) {
            Highlight(host, s);
            ShowMood(game, host, s, Mood::Neutral);
            startThinking(game, host);
            const double amount = host.AskBet(s, BetKind::Insurance);
            host.SetThinkingTimer(false);
            PlaceInsurance(game, s, amount);
            host.StakePlaced(s, BetKind::Insurance);
        }
        insurance += seat.InsuranceBet;
        Release(host, s);
    }
    Release(host, SeatsInPlay(game));
    game.InsuranceOffer = false;
    host.Pause(1);
    return insurance;
}

bool dealerHasBlackjack(const Game& game) {
    const Hand& dealer = game.DealerHand();
    return dealer.CardCount == 2 && dealer.Total == 21;
}

void surrender(Game& game, TableHost& host, int s) {
    Seat& seat = SeatOf(game, s);
    seat.Credits += 0.5 * seat.Bet;
    host.HandSettled(s, s, seat.Bet, 0.5 * seat.Bet);
    seat.Bet = 0;
    ShowMood(game, host, s, Mood::Neutral);
    game.Decision = DecisionCode::Stand;
    host.WriteTableText(TableText::Surrendered, false);
    Highlight(host, s);
    ClearHand(game, s);
    FirstHand(game, s).Finished = true;
    host.Pause(1.5);
    host.SeatSettled(s);
}

// The seat answers for the hand in `slot`: the user through the decision
// window, a computer seat by its strategy card.
void askForDecision(Game& game, TableHost& host, int s, int slot) {
    if (SeatOf(game, s).Human) {
        startThinking(game, host);
        const Decision answer = host.AskDecision(s, CurrentHandSlot(game), OfferFor(game));
        ApplyDecision(game, answer);
        host.Pause(0.5);
        host.SetThinkingTimer(false);
        host.Decided(slot);
        if (game.HouseRules.LateSurrender && game.Decision == DecisionCode::Surrender) {
            surrender(game, host, s);
        }
        return;
    }
    ComputerDecision(game);
    host.Decided(slot);
    if (FirstHand(game, s).Finished) {
        host.Pause(1);
    }
}

void doubleDown(Game& game, TableHost& host, int s, int slot) {
    Hand& hand = game.Hands[slot];
    TurnUp(hand, 2);
    hand.Finished = true;
    double& stake = stakeOf(game, s, slot);
    SeatOf(game, s).Credits -= stake;
    stake *= 2;
    ShowMood(game, host, s, Mood::Neutral);
    Highlight(host, s);
    host.WriteTableText(TableText::Doubled, slot != s);
    host.Pause(1.5);
}

// Right after a split the second hand gets its second card too; split aces
// take that one card each unless the house lets them draw on.
void completeSplit(Game& game, TableHost& host, int s) {
    Highlight(host, s);
    host.Pause(0.25);
    game.SplitRequested = false;
    ShowMood(game, host, s, Mood::Neutral);
    takeSeatCard(game, host, secondSlot(s), true);
    showCardMood(game, host, s, game.Hands[secondSlot(s)].Total);
    if (FirstHand(game, s).Ranks[0] == 1 && !game.HouseRules.HitSplitAces) {
        FirstHand(game, s).Finished = true;
        game.Hands[secondSlot(s)].Finished = true;
    }
    host.Pause(1);
}

void drawForHand(Game& game, TableHost& host, int s, int slot) {
    Hand& hand = game.Hands[slot];
    if (hand.DoubleRequested) {
        doubleDown(game, host, s, slot);
    } else {
        HitGesture(game, host, s);
    }
    takeSeatCard(game, host, slot, true);
    finishFullHand(hand);
    showCardMood(game, host, s, hand.Total);
    if (game.SplitRequested) {
        completeSplit(game, host, s);
    }
    host.Pause(0.5);
}

void bust(Game& game, TableHost& host, int s, int slot) {
    Hand& hand = game.Hands[slot];
    hand.Finished = true;
    game.Decision = DecisionCode::Stand;
    TurnUp(hand);
    ShowMood(game, host, s, Mood::Neutral);
    host.WriteTableText(TableText::Busted, slot != s);
    ++game.ResolvedHands;
    host.Pause(1);
    ClearHand(hand);
    host.HandSettled(s, slot, stakeOf(game, s, slot), 0);
    stakeOf(game, s, slot) = 0;
    ShowMood(game, host, s, Mood::Displeased);
    hand.Outcome = Outcome::Busted;
    Highlight(host, s);
    FirstHand(game, s).Finished = true;
    host.Pause(1.5);
    if (FirstHand(game, s).CardCount == 0 && game.Hands[secondSlot(s)].CardCount == 0) {
        host.SeatSettled(s);
    }
}

// One seat's turn: a blackjack is paid at once; otherwise the seat decides
// until each of its hands stands, busts, doubles or surrenders.
void playSeat(Game& game, TableHost& host, int s) {
    Seat& seat = SeatOf(game, s);
    game.Decision = DecisionCode::Stand;
    int slot = s;
    game.CurrentSeat = s;
    seat.InsuranceBet = 0; // the dealer has no blackjack: insurance is lost
    if (FirstHand(game, s).Total == 21) {
        PayPlayerBlackjack(game, host);
        return;
    }
    ShowMood(game, host, s,
             FirstHand(game, s).Total >= PleasedFrom ? Mood::Pleased : Mood::Neutral);
    while (!game.Hands[slot].Finished && game.Hands[slot].CardCount > 1) {
        Highlight(host, s);
        askForDecision(game, host, s, slot);
        if (FirstHand(game, s).Finished) {
            slot = secondSlot(s);
        }
        Highlight(host, s);
        const Hand& hand = game.Hands[slot];
        if (!hand.Finished && hand.CardCount > 0 && game.Decision == DecisionCode::TakeCard) {
            drawForHand(game, host, s, slot);
        }
        if (game.Hands[slot].Total > 21) {
            bust(game, host, s, slot);
        }
        if (seat.HasSplit && FirstHand(game, s).Finished) {
            slot = secondSlot(s);
        }
        Highlight(host, s);
    }
    Release(host, s);
}

bool everyHandDecided(const Game& game) {
    return game.ResolvedHands == SeatsInPlay(game) + game.SplitHands;
}

bool dealerMustDraw(const Game& game) {
    const Hand& dealer = game.DealerHand();
    if (dealer.CardCount >= MaxHandCards) {
        return false;
    }
    const bool soft17 =
        dealer.Total == DealerStandsOn && game.HouseRules.HitSoft17 && dealer.SoftAces > 0;
    return dealer.Total < DealerStandsOn || soft17;
}

// The seat the dealer faces while playing: the first one still holding cards.
int seatFacingDealer(const Game& game) {
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        if (game.Hands[s].CardCount > 0 || game.Hands[secondSlot(s)].CardCount > 0) {
            return s;
        }
    }
    return SeatsInPlay(game);
}

void playDealer(Game& game, TableHost& host) {
    const int s = seatFacingDealer(game);
    game.CurrentSeat = s;
    Highlight(host, s);
    ShowMood(game, host, s, Mood::Neutral);
    host.Pause(1);
    host.DrawDealer(DealerPose::ReachAcross);
    game.DealerHand().Shown[0] = true;
    host.Pause(0.5);
    host.DrawDealer(DealerPose::ReachAcross);
    while (dealerMustDraw(game) && !everyHandDecided(game)) {
        host.DrawDealer(DealerPose::ReachAcross);
        host.Pause(0.15);
        host.DrawDealer(DealerPose::ReachDown);
        host.Pause(0.15);
        host.DrawDealer(DealerPose::HandOpen);
        takeDealerCard(game, host);
        host.PlayCardSound();
        host.DrawDealer(DealerPose::ReachAcross);
        host.Pause(0.8);
    }
}

void announceDealer(Game& game, TableHost& host) {
    host.DrawDealer(DealerPose::Rest);
    const int total = game.DealerHand().Total;
    if (total > 21) {
        host.ShowBalloon(TextDealer, TextBusted);
    } else if (game.ResolvedHands != SeatsInPlay(game)) {
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), total).ptr;
        host.ShowBalloon(TextDealerHas, std::string_view(digits.data(), static_cast<std::size_t>(
                                                                            end - digits.data())));
    }
    host.Pause(1.5);
}

// The end of every deal: the counts reported, the dealer's hand cleared, the
// shoe shuffled when due, and the next automatic deal armed.
void closeDeal(Game& game, TableHost& host) {
    Release(host, SeatsInPlay(game));
    ReportCounts(game, host);
    ClearHand(game, DealerSlot);
    if (ReshuffleDue(game)) {
        ShuffleShoe(game, &host);
    }
    game.AutoDealsLeft = std::max(game.AutoDealsLeft - 1, 0);
    game.DealInProgress = false;
    if (game.AutoDealsLeft > 0) {
        host.ArmAutoDealTimer();
    }
}

// The same end without the table, when the program closes during it: every
// payment is made, so the deal counts; nothing more is shown or armed.
void closeDealQuietly(Game& game) {
    game.HiOpt1Count = RunningHiOpt1(game);
    game.HiOpt2Count = RunningHiOpt2(game);
    game.CountedCards = game.Shoe.ShoePos;
    ClearHand(game, DealerSlot);
    if (ReshuffleDue(game)) {
        ShuffleShoe(game, nullptr);
    }
    game.AutoDealsLeft = 0;
    game.DealInProgress = false;
}

void clearTable(Game& game) {
    for (int slot = 0; slot < HandSlots; ++slot) {
        ClearHand(game, slot);
    }
    for (int s = 1; s <= MaxSeats; ++s) {
        Seat& seat = game.Seats[s];
        seat.Bet = 0;
        seat.SplitBet = 0;
        seat.InsuranceBet = 0;
        seat.HasSplit = false;
    }
    game.SplitRequested = false;
    game.InsuranceOffer = false;
    game.ResolvedHands = 0;
    game.SplitHands = 0;
    game.Decision = DecisionCode::Stand;
}

// Bets, cards, turns, the dealer and every payment; returns false when nobody bet.
bool playHands(Game& game, TableHost& host) {
    if (takeBets(game, host) == 0) {
        return false;
    }
    dealFirstCards(game, host);
    dealHoleCard(game, host);
    dealSecondCards(game, host);
    dealUpCard(game, host);
    const double insurance = offerInsurance(game, host);
    if (dealerHasBlackjack(game)) {
        game.DealerHand().Shown[0] = true;
        host.DrawDealer(DealerPose::Rest);
        host.ShowBalloon(TextDealerHas, TextBlackjack);
        SettleDealerBlackjack(game, host, insurance);
        return true;
    }
    host.DrawDealer(DealerPose::Rest);
    for (int s = 1; s <= SeatsInPlay(game); ++s) {
        playSeat(game, host, s);
    }
    SettleSpecials(game, host);
    playDealer(game, host);
    announceDealer(game, host);
    SettleAllSeats(game, host);
    return true;
}

} // namespace

void PlayDeal(Game& game, TableHost& host) {
    if (game.DealInProgress) {
        return;
    }
    try {
        startDeal(game, host);
        if (!playHands(game, host)) {
            // Nobody put up a stake: the deal is taken back and nothing re-arms.
            --game.TotalHands;
            game.DealInProgress = false;
            return;
        }
    } catch (const DealCalledOff&) {
        CallOffDeal(game);
        return;
    }
    try {
        closeDeal(game, host);
    } catch (const DealCalledOff&) {
        closeDealQuietly(game);
    }
}

void CallOffDeal(Game& game) {
    if (!game.DealInProgress) {
        return;
    }
    const DealStart& start = game.BeforeDeal;
    for (int s = 1; s <= MaxSeats; ++s) {
        Seat& seat = game.Seats[s];
        seat.Credits = start.Credits[s];
        seat.Borrowed = start.Borrowed[s];
        seat.LastBet = start.LastBet[s];
    }
    game.TotalHands = start.TotalHands;
    clearTable(game);
    game.AutoDealsLeft = 0;
    game.DealInProgress = false;
}

Game TableBeforeDeal(const Game& game) {
    Game before = game;
    CallOffDeal(before);
    return before;
}

int PauseMilliseconds(double seconds, Speed speed) {
    const auto index = static_cast<std::size_t>(speed);
    const double factor = SpeedFactors[std::min(index, SpeedFactors.size() - 1)];
    return static_cast<int>(std::lround(seconds * factor * 1000));
}

} // namespace dealmoor
