#include "engine/Settlement.h"

#include "engine/SeatDisplay.h"
#include "engine/TableHost.h"
#include "engine/Texts.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace dealmoor {

namespace {

// What comes back to Credits for each unit of stake.
constexpr double InsuranceReturn = 3;   // 2 to 1 and the stake
constexpr double WinReturn = 2;         // 1 to 1 and the stake
constexpr double CombinationReturn = 3; // 2 to 1 and the stake
constexpr int SixCards = 6;
constexpr int CombinationCards = 3;

// Settlement walks the seats in order, lighting each one as it comes to it.
void turnTo(Game& game, TableHost& host, int seat) {
    if (game.CurrentSeat >= 1 && game.CurrentSeat <= MaxSeats) {
        Release(host, game.CurrentSeat);
    }
    game.CurrentSeat = seat;
}

// A seat paid before the dealer plays is done once no second hand waits.
void settledEarly(Game& game, TableHost& host, int seat) {
    if (SecondHand(game, seat).CardCount == 0) {
        host.SeatSettled(seat);
    }
}

void payInsurance(Game& game, TableHost& host, int seat) {
    Seat& player = SeatOf(game, seat);
    Highlight(host, seat);
    ShowMood(game, host, seat, Mood::Neutral);
    host.PlayWinSound();
    host.ShowBalloon(TextPlayerWins, TextInsuranceBet);
    host.Pause(0.5);
    ShowMood(game, host, seat, Mood::Pleased);
    player.Credits += InsuranceReturn * player.InsuranceBet;
    player.InsuranceBet = 0;
    Highlight(host, seat);
    host.Pause(2);
}

void settleAgainstDealerBlackjack(Game& game, TableHost& host, int seat) {
    Seat& player = SeatOf(game, seat);
    Hand& hand = FirstHand(game, seat);
    TurnUp(hand);
    ShowMood(game, host, seat, Mood::Neutral);
    host.Pause(1);
    if (hand.Total == 21) {
        host.ShowBalloon(TextNone, TextPush);
        ShowMood(game, host, seat, Mood::Neutral);
        player.Credits += player.Bet;
    } else {
        host.PlayLoseSound();
        host.ShowBalloon(TextPlayer, TextLoses);
        ShowMood(game, host, seat, Mood::Displeased);
    }
    host.HandSettled(seat, seat, player.Bet, hand.Total == 21 ? player.Bet : 0);
    player.Bet = 0;
    host.Pause(1.5);
    host.DrawDealer(DealerPose::Rest);
    host.Pause(1);
    // Settled hands leave the table, as after the final settlement.
    ClearHand(hand);
    ClearHand(game.Hands[seat + SecondHandOffset]);
    host.SeatSettled(seat);
}

enum class Combination { None, SevenSevenSeven, SixSevenEight };

// The combination a seat's first hand holds under the house rules, or none.
Combination specialCombination(const Game& game, int seat) {
    const Hand& hand = game.Hands[seat];
    std::array<int, CombinationCards> ranks{hand.Ranks[0], hand.Ranks[1], hand.Ranks[2]};
    if (game.HouseRules.Special777 && ranks == std::array<int, CombinationCards>{7, 7, 7}) {
        return Combination::SevenSevenSeven;
    }
    std::sort(ranks.begin(), ranks.end());
    if (game.HouseRules.Special678 && ranks == std::array<int, CombinationCards>{6, 7, 8}) {
        return Combination::SixSevenEight;
    }
    return Combination::None;
}

std::string_view combinationText(Combination combination) {
    return combination == Combination::SevenSevenSeven ? TextSevenSevenSeven : TextSixSevenEight;
}

void paySixCards(Game& game, TableHost& host, int seat) {
    Seat& player = SeatOf(game, seat);
    Hand& hand = FirstHand(game, seat);
    game.CurrentSeat = seat;
    TurnUp(hand);
    ShowMood(game, host, seat, Mood::Neutral);
    host.ShowBalloon(TextSixCard, TextAutomaticWin);
    host.Pause(1);
    host.PlayWinSound();
    host.ShowBalloon(TextPlayer, TextWins);
    ShowMood(game, host, seat, Mood::Pleased);
    ++game.ResolvedHands;
    player.Credits += WinReturn * player.Bet;
    host.HandSettled(seat, seat, player.Bet, WinReturn * player.Bet);
    player.Bet = 0;
    ClearHand(hand);
    Highlight(host, seat);
    hand.Outcome = Outcome::Won;
    host.Pause(1.5);
    host.DrawDealer(DealerPose::ReachAcross);
    Release(host, seat);
    settledEarly(game, host, seat);
}

void payCombination(Game& game, TableHost& host, int seat, std::string_view combination) {
    Seat& player = SeatOf(game, seat);
    Hand& hand = FirstHand(game, seat);
    game.CurrentSeat = seat;
    TurnUp(hand, CombinationCards);
    ShowMood(game, host, seat, Mood::Neutral);
    host.ShowBalloon(combination, TextPaysTwoToOne);
    ShowMood(game, host, seat, Mood::Pleased);
    ++game.ResolvedHands;
    player.Credits += CombinationReturn * player.Bet;
    host.HandSettled(seat, seat, player.Bet, CombinationReturn * player.Bet);
    player.Bet = 0;
    Highlight(host, seat);
    ClearHand(hand);
    hand.Outcome = Outcome::Won;
    host.Pause(2);
    host.DrawDealer(DealerPose::ReachAcross);
    Release(host, seat);
    settledEarly(game, host, seat);
}

// How a hand came out: against the dealer, busted, or paid before the dealer played.
enum class HandResult { Busted, Wins, Push, Loses, PaidEarly };

HandResult compareWithDealer(int total, int dealerTotal) {
    if (dealerTotal > 21 || total > dealerTotal) {
        return HandResult::Wins;
    }
    return total == dealerTotal ? HandResult::Push : HandResult::Loses;
}

// What a hand compared with the dealer gets back for its stake.
double returnFor(HandResult result, double stake) {
    if (result == HandResult::Wins) {
        return WinReturn * stake;
    }
    return result == HandResult::Push ? stake : 0.0;
}

void settleOneHand(Game& game, TableHost& host, int seat) {
    Seat& player = SeatOf(game, seat);
    const HandResult result =
        compareWithDealer(FirstHand(game, seat).Total, game.DealerHand().Total);
    switch (result) {
    case HandResult::Wins:
        host.PlayWinSound();
        host.ShowBalloon(TextPlayer, TextWins);
        ShowMood(game, host, seat, Mood::Pleased);
        break;
    case HandResult::Push:
        host.ShowBalloon(TextNone, TextPush);
        break;
    default:
        host.PlayLoseSound();
        host.ShowBalloon(TextPlayer, TextLoses);
        ShowMood(game, host, seat, Mood::Displeased);
        break;
    }
    const double returned = returnFor(result, player.Bet);
    player.Credits += returned;
    host.HandSettled(seat, seat, player.Bet, returned);
    player.Bet = 0;
}

struct HandWords {
    std::string_view busted, wins, push, loses, paidEarly;

    std::string_view of(HandResult result) const {
        switch (result) {
        case HandResult::Busted:
            return busted;
        case HandResult::Wins:
            return wins;
        case HandResult::Push:
            return push;
        case HandResult::Loses:
            return loses;
        case HandResult::PaidEarly:
            break;
        }
        return paidEarly;
    }
};
// A first hand paid a special payoff before the dealer played was paid in full: it won.
constexpr HandWords FirstHandWords{TextFirstBusted, TextFirstWins, TextFirstPush, TextFirstLoses,
                                   TextWon};
constexpr HandWords SecondHandWords{TextSecondBusted, TextSecondWins, TextSecondPush,
                                    TextSecondLoses, TextSecondBusted};

// Pays one of a split seat's hands. `before` gains each live stake once, so that
// comparing it with Credits afterwards tells a net gain from a net loss.
HandResult settleSplitHand(const Hand& hand, double stake, int dealerTotal, Seat& player,
                           double& before) {
    if (hand.Total < 1) {
        return HandResult::Busted;
    }
    before += stake;
    const HandResult result = compareWithDealer(hand.Total, dealerTotal);
    player.Credits += returnFor(result, stake);
    return result;
}

bool bothWin(HandResult first, HandResult second) {
    return first == HandResult::Wins && second == HandResult::Wins;
}

// Losing both, or losing one and busting the other: the lose sound.
bool lostWithoutWinning(HandResult first, HandResult second) {
    const auto lostOrBusted = [](HandResult r) {
        return r == HandResult::Loses || r == HandResult::Busted;
    };
    const bool bothBusted = first == HandResult::Busted && second == HandResult::Busted;
    return lostOrBusted(first) && lostOrBusted(second) && !bothBusted;
}

} // namespace

void SettleDealerBlackjack(Game& game, TableHost& host, double insuranceSum) {
    if (insuranceSum > 0) {
        host.Pause(1);
        for (int seat = 1; seat <= SeatsInPlay(game); ++seat) {
            turnTo(game, host, seat);
            if (SeatOf(game, seat).InsuranceBet > 0) {
                payInsurance(game, host, seat);
            }
        }
    }
    for (int seat = 1; seat <= SeatsInPlay(game); ++seat) {
        turnTo(game, host, seat);
        Highlight(host, seat);
        // A seat that sat the deal out holds no cards and is left alone.
        if (FirstHand(game, seat).Total != 0) {
            settleAgainstDealerBlackjack(game, host, seat);
        }
    }
}

void PayPlayerBlackjack(Game& game, TableHost& host) {
    const int seat = game.CurrentSeat;
    Seat& player = SeatOf(game, seat);
    Hand& hand = FirstHand(game, seat);
    TurnUp(hand);
    ShowMood(game, host, seat, Mood::Neutral);
    host.Pause(1);
    host.PlayBlackjackSound();
    host.ShowBalloon(TextPlayerHas, TextBlackjack);
    ++game.ResolvedHands;
    ShowMood(game, host, seat, Mood::Pleased);
    const double returned = player.Bet * game.HouseRules.BlackjackPays + player.Bet;
    player.Credits += returned;
    host.HandSettled(seat, seat, player.Bet, returned);
    player.Bet = 0;
    host.Pause(2.5);
    ClearHand(hand);
    hand.Outcome = Outcome::Blackjack;
    host.DrawDealer(DealerPose::ReachAcross);
    host.SeatSettled(seat);
}

bool HasSpecialCombination(const Game& game, int seat) {
    return specialCombination(game, seat) != Combination::None;
}

void SettleSpecials(Game& game, TableHost& host) {
    const HouseRules& rules = game.HouseRules;
    if (rules.Special6Cards) {
        for (int seat = 1; seat <= SeatsInPlay(game); ++seat) {
            const Hand& hand = FirstHand(game, seat);
            if (hand.CardCount >= SixCards && hand.Total <= 21) {
                paySixCards(game, host, seat);
            }
        }
        return;
    }
    if (!rules.Special777 && !rules.Special678) {
        return;
    }
    for (int seat = 1; seat <= SeatsInPlay(game); ++seat) {
        if (HasSpecialCombination(game, seat)) {
            payCombination(game, host, seat, combinationText(specialCombination(game, seat)));
        }
    }
}

void SettleAllSeats(Game& game, TableHost& host) {
    for (int seat = 1; seat <= SeatsInPlay(game); ++seat) {
        turnTo(game, host, seat);
        Highlight(host, seat);
        Hand& first = FirstHand(game, seat);
        Hand& second = SecondHand(game, seat);
        // Busted, surrendered, blackjack and specially paid hands were cleared.
        if (first.Total <= 0 && second.Total <= 0) {
            continue;
        }
        TurnUp(first);
        ShowMood(game, host, seat, Mood::Neutral);
        host.Pause(1);
        if (second.Finished) {
            SettleSplitSeat(game, host);
        } else {
            settleOneHand(game, host, seat);
        }
        second.Finished = false;
        Highlight(host, seat);
        host.Pause(1.5);
        host.DrawDealer(DealerPose::Rest);
        host.Pause(1);
        ClearHand(first);
        ClearHand(second);
        host.SeatSettled(seat);
    }
}

void SettleSplitSeat(Game& game, TableHost& host) {
    const int seat = game.CurrentSeat;
    Seat& player = SeatOf(game, seat);
    const Hand& first = FirstHand(game, seat);
    const int dealerTotal = game.DealerHand().Total;
    double before = player.Credits;

    const HandResult firstResult =
        first.Total < 1 && first.Outcome == Outcome::Won
            ? HandResult::PaidEarly
            : settleSplitHand(first, player.Bet, dealerTotal, player, before);
    const HandResult secondResult =
        settleSplitHand(SecondHand(game, seat), player.SplitBet, dealerTotal, player, before);
    // Busted hands were settled when they busted, a paid hand when it was paid.
    const auto settled = [&](HandResult result, int slot, double stake) {
        if (result != HandResult::Busted && result != HandResult::PaidEarly) {
            host.HandSettled(seat, slot, stake, returnFor(result, stake));
        }
    };
    settled(firstResult, seat, player.Bet);
    settled(secondResult, seat + SecondHandOffset, player.SplitBet);
    player.Bet = 0;
    player.SplitBet = 0;

    if (bothWin(firstResult, secondResult)) {
        host.PlayWinSound();
    } else if (lostWithoutWinning(firstResult, secondResult)) {
        host.PlayLoseSound();
    }
    // "Busted/Busted" and the like stay within the small-string buffer.
    std::string words(FirstHandWords.of(firstResult));
    words += SecondHandWords.of(secondResult);
    host.ShowBalloon(TextPlayer, words);

    if (player.Credits > before) {
        ShowMood(game, host, seat, Mood::Pleased);
    } else if (player.Credits < before) {
        ShowMood(game, host, seat, Mood::Displeased);
    } else {
        ShowMood(game, host, seat, Mood::Neutral);
    }
}

} // namespace dealmoor
