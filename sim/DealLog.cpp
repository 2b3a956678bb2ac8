#include "sim/DealLog.h"

#include "engine/Game.h"
#include "engine/Texts.h"
#include "platform/NumberText.h"
#include "strategy/HintAdvice.h"

namespace dealmoor::sim {

int HandNumber(int slot) {
    return slot > MaxSeats ? 2 : 1;
}

std::string_view DecisionWord(const Game& game, int slot) {
    if (game.SplitRequested) {
        return "split";
    }
    if (game.Decision == DecisionCode::Surrender) {
        return "surrender";
    }
    if (game.Hands[slot].DoubleRequested && game.Decision == DecisionCode::TakeCard) {
        return "double";
    }
    return game.Decision == DecisionCode::TakeCard ? "hit" : "stand";
}

void DealLog::line(const std::string& text) {
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
}

void DealLog::card(int slot) {
    const Hand& hand = game_.Hands[slot];
    const int i = hand.CardCount - 1;
    if (i < 0) {
        return;
    }
    line("card slot " + std::to_string(slot) + " rank " + std::to_string(hand.Ranks[i]) + " id " +
         std::to_string(hand.CardIds[i]));
}

void DealLog::decision(int slot) {
    line("decision seat " + std::to_string(game_.CurrentSeat) + " hand " +
         std::to_string(HandNumber(slot)) + ": " + std::string(DecisionWord(game_, slot)));
}

void DealLog::hint(int slot) {
    line("hint: " + BuildHint(game_, slot, OfferFor(game_)));
}

void DealLog::balloon(std::string_view first, std::string_view second) {
    line("balloon: " + std::string(first) + " | " + std::string(second));
}

void DealLog::tableText(TableText text, bool secondHand) {
    line("text: " + std::string(TableTextString(text)) + " hand " + (secondHand ? "2" : "1"));
}

void DealLog::settled(int seat) {
    line("settled seat " + std::to_string(seat) + " credits " +
         FixedText(game_.Seats[seat].Credits, 2));
}

void DealLog::shuffle() {
    line("shuffle");
}

void DealLog::topUp(int seat, double credits) {
    line("topup seat " + std::to_string(seat) + " credits " + FixedText(credits, 2));
}

void DealLog::dealCredits(int64_t deal) {
    std::string text = "deal " + std::to_string(deal) + " credits";
    for (int s = 1; s <= game_.SeatCount; ++s) {
        text += " " + FixedText(game_.Seats[s].Credits, 2);
    }
    line(text);
}

} // namespace dealmoor::sim
