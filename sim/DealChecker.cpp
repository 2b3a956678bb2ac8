#include "sim/DealChecker.h"

#include "engine/Shoe.h"
#include "engine/Texts.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace dealmoor::sim {

namespace {

constexpr int FirstHand = 0;
constexpr int SecondHand = 1;

// Amounts that are not sums of binary fractions may differ in their last bits.
bool sameAmount(double a, double b) {
    const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= 1e-9 * scale;
}

bool isDealerLine(std::string_view first, std::string_view second) {
    return first == TextDealerHas || first == TextDealer ||
           (first == TextNone && second == TextInsuranceQuestion);
}

// The words a hand's result goes by in a two-hand seat's balloon.
struct HandWords {
    std::string_view wins, push, loses, busted;
};
constexpr HandWords FirstHandWords{TextFirstWins, TextFirstPush, TextFirstLoses, TextFirstBusted};
constexpr HandWords SecondHandWords{TextSecondWins, TextSecondPush, TextSecondLoses,
                                    TextSecondBusted};

} // namespace

void DealChecker::fail(int seat, const std::string& what) {
    if (!failure_.empty()) {
        return; // the first break is the one worth reading
    }
    failure_ = label_ + "deal " + std::to_string(deal_);
    if (seat > 0) {
        failure_ += " seat " + std::to_string(seat);
    }
    failure_ += ": " + what;
}

void DealChecker::beginDeal(int64_t deal) {
    deal_ = deal;
    dealerBlackjack_ = false;
    for (int s = 1; s <= MaxSeats; ++s) {
        books_[s] = SeatBook{};
        books_[s].before = game_.Seats[s].Credits;
    }
}

void DealChecker::cardTaken(int slot) {
    const Hand& hand = game_.Hands[slot];
    if (hand.CardCount > MaxHandCards) {
        fail(0, "hand slot " + std::to_string(slot) + " holds " + std::to_string(hand.CardCount) +
                    " cards");
    }
    const Shoe& shoe = game_.Shoe;
    if (shoe.ShoePos > shoe.Filled || shoe.Filled > ShoeSize(game_.HouseRules)) {
        fail(0, "card taken from entry " + std::to_string(shoe.ShoePos) + " of a shoe filled to " +
                    std::to_string(shoe.Filled) + " of " +
                    std::to_string(ShoeSize(game_.HouseRules)) + " cards");
    }
    // A seat's first card shows the stake it placed; nothing else has moved its money yet.
    if (slot < 1 || slot > MaxSeats || hand.CardCount != 1) {
        return;
    }
    SeatBook& book = books_[slot];
    const Seat& seat = game_.Seats[slot];
    // A stake below nothing would pay the seat for sitting in.
    if (seat.Bet <= 0) {
        fail(slot, "a hand was dealt on a stake of " + FixedText(seat.Bet, 2));
    }
    book.stake[FirstHand] = seat.Bet;
    book.live[FirstHand] = true;
    book.placed += seat.Bet;
    if (!sameAmount(seat.Credits, book.before - seat.Bet)) {
        fail(slot, "bet " + FixedText(seat.Bet, 2) + " placed but credits went from " +
                       FixedText(book.before, 2) + " to " + FixedText(seat.Credits, 2));
    }
}

void DealChecker::insurancePlaced(int seat, double stake) {
    if (stake < 0) {
        fail(seat, "an insurance stake of " + FixedText(stake, 2));
    }
    books_[seat].insurance += stake;
    books_[seat].placed += stake;
}

void DealChecker::decided(int slot) {
    const int seat = game_.CurrentSeat;
    SeatBook& book = books_[seat];
    const int hand = slot > MaxSeats ? SecondHand : FirstHand;
    if (game_.SplitRequested && !book.split) {
        book.split = true;
        book.stake[SecondHand] = book.stake[FirstHand];
        book.live[SecondHand] = true;
        book.placed += book.stake[FirstHand];
    } else if (game_.Decision == DecisionCode::TakeCard && game_.Hands[slot].DoubleRequested &&
               !book.doubled[hand]) {
        book.doubled[hand] = true;
        book.placed += book.stake[hand];
        book.stake[hand] *= 2;
    }
}

void DealChecker::pay(int seat, int hand, double times) {
    SeatBook& book = books_[seat];
    if (!book.live[hand]) {
        fail(seat, "hand " + std::to_string(hand + 1) + " is paid but holds no stake");
        return;
    }
    book.paid += book.stake[hand] * times;
    book.live[hand] = false;
}

void DealChecker::settleHand(int seat, int hand, std::string_view word) {
    const HandWords& words = hand == FirstHand ? FirstHandWords : SecondHandWords;
    if (word == words.wins) {
        pay(seat, hand, 2);
    } else if (word == words.push) {
        pay(seat, hand, 1);
    } else if (word == words.loses) {
        pay(seat, hand, 0);
    } else if (word == words.busted || (hand == FirstHand && word == TextWon)) {
        // Already lost or already paid earlier in the deal: nothing may be left on it.
        if (books_[seat].live[hand]) {
            fail(seat, "hand " + std::to_string(hand + 1) + " is called " + std::string(word) +
                           " but its stake of " + FixedText(books_[seat].stake[hand], 2) +
                           " was never settled");
        }
    } else {
        fail(seat, "unknown result word '" + std::string(word) + "'");
    }
}

void DealChecker::settleSplitWords(int seat, std::string_view words) {
    const auto slash = words.find('/');
    settleHand(seat, FirstHand, words.substr(0, slash));
    settleHand(seat, SecondHand, words.substr(slash));
}

void DealChecker::balloon(std::string_view first, std::string_view second) {
    if (isDealerLine(first, second)) {
        dealerBlackjack_ = dealerBlackjack_ || (first == TextDealerHas && second == TextBlackjack);
        return;
    }
    const int seat = game_.CurrentSeat;
    if (seat < 1 || seat > game_.SeatCount) {
        fail(0, "balloon '" + std::string(first) + " | " + std::string(second) +
                    "' while no seat is served");
        return;
    }
    if (first == TextPlayerHas && second == TextBlackjack) {
        pay(seat, FirstHand, 1 + game_.HouseRules.BlackjackPays);
    } else if (first == TextPlayerWins && second == TextInsuranceBet) {
        SeatBook& book = books_[seat];
        if (book.insurance <= 0) {
            fail(seat, "insurance paid without an insurance stake");
        }
        book.paid += 3 * book.insurance;
        book.insurance = 0;
    } else if ((first == TextSevenSevenSeven || first == TextSixSevenEight) &&
               second == TextPaysTwoToOne) {
        pay(seat, FirstHand, 3);
    } else if (first == TextSixCard && second == TextAutomaticWin) {
        // Announces the payment: the "Player" / "Wins" balloon that follows pays it.
    } else if (first == TextNone && second == TextPush) {
        pay(seat, FirstHand, 1);
    } else if (first == TextPlayer && second.find('/') != std::string_view::npos) {
        settleSplitWords(seat, second);
    } else if (first == TextPlayer && (second == TextWins || second == TextLoses)) {
        // One hand settled alone: the first (a split seat whose second hand busted, too).
        settleHand(seat, FirstHand, second);
    } else {
        fail(seat, "unexpected balloon '" + std::string(first) + " | " + std::string(second) + "'");
    }
}

void DealChecker::tableText(TableText text, bool secondHand) {
    const int seat = game_.CurrentSeat;
    if (seat < 1 || seat > game_.SeatCount) {
        fail(0, "table text while no seat is served");
        return;
    }
    const int hand = secondHand ? SecondHand : FirstHand;
    switch (text) {
    case TableText::Surrendered:
        pay(seat, FirstHand, 0.5);
        break;
    case TableText::Busted:
        pay(seat, hand, 0);
        break;
    case TableText::Doubled:
        if (!books_[seat].doubled[hand]) {
            fail(seat, "hand " + std::to_string(hand + 1) + " doubled without a double decision");
        }
        break;
    }
}

void DealChecker::checkTable() {
    for (int slot = 0; slot < HandSlots; ++slot) {
        const Hand& hand = game_.Hands[slot];
        if (hand.CardCount != 0 || hand.Total != 0) {
            fail(0, "hand slot " + std::to_string(slot) + " still holds " +
                        std::to_string(hand.CardCount) + " cards after the deal");
        }
    }
    const Shoe& shoe = game_.Shoe;
    if (shoe.ShoePos < 1 || shoe.ShoePos > shoe.Filled ||
        shoe.Filled > ShoeSize(game_.HouseRules)) {
        fail(0, "shoe position " + std::to_string(shoe.ShoePos) + " in a shoe filled to " +
                    std::to_string(shoe.Filled) + " of " +
                    std::to_string(ShoeSize(game_.HouseRules)));
    }
    if (game_.ResolvedHands > game_.SeatCount + game_.SplitHands) {
        fail(0, std::to_string(game_.ResolvedHands) + " hands resolved early, more than " +
                    std::to_string(game_.SeatCount) + " seats and " +
                    std::to_string(game_.SplitHands) + " split hands");
    }
    if (game_.DealInProgress) {
        fail(0, "the deal is still marked in progress");
    }
}

void DealChecker::checkSeat(int s) {
    const Seat& seat = game_.Seats[s];
    const SeatBook& book = books_[s];
    if (seat.Bet != 0 || seat.SplitBet != 0 || seat.InsuranceBet != 0) {
        fail(s, "stakes left on the table: bet " + FixedText(seat.Bet, 2) + ", split bet " +
                    FixedText(seat.SplitBet, 2) + ", insurance " + FixedText(seat.InsuranceBet, 2));
    }
    for (int hand : {FirstHand, SecondHand}) {
        if (book.live[hand]) {
            fail(s, "the stake of " + FixedText(book.stake[hand], 2) + " on hand " +
                        std::to_string(hand + 1) + " was never settled");
        }
    }
    // Insurance is lost in silence when the dealer has no blackjack.
    if (book.insurance != 0 && dealerBlackjack_) {
        fail(s, "the insurance stake of " + FixedText(book.insurance, 2) +
                    " was not paid against the dealer's blackjack");
    }
    const double expected = book.before - book.placed + book.paid;
    if (!sameAmount(seat.Credits, expected)) {
        fail(s, "credits went from " + FixedText(book.before, 2) + " to " +
                    FixedText(seat.Credits, 2) + " (change " +
                    FixedText(seat.Credits - book.before, 2) + "), but the stakes placed (" +
                    FixedText(book.placed, 2) + ") and paid back (" + FixedText(book.paid, 2) +
                    ") give " + FixedText(expected, 2));
    }
}

bool DealChecker::endDeal() {
    checkTable();
    for (int s = 1; s <= MaxSeats; ++s) {
        checkSeat(s);
    }
    return ok();
}

} // namespace dealmoor::sim
