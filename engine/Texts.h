#pragma once
// Every line the dealer says in the balloon and every word written on the
// table, in one place. The table window draws them from here too.

#include "engine/TableHost.h"

#include <string_view>

namespace dealmoor {

// Balloon lines.
inline constexpr std::string_view TextNone = "";
inline constexpr std::string_view TextInsuranceQuestion = "Insurance?";
inline constexpr std::string_view TextDealerHas = "Dealer has";
inline constexpr std::string_view TextDealer = "Dealer";
inline constexpr std::string_view TextBlackjack = "Blackjack";
inline constexpr std::string_view TextPlayerWins = "Player wins";
inline constexpr std::string_view TextInsuranceBet = "Insurance bet";
inline constexpr std::string_view TextPush = "Push";
inline constexpr std::string_view TextPlayer = "Player";
inline constexpr std::string_view TextPlayerHas = "Player has";
inline constexpr std::string_view TextLoses = "Loses";
inline constexpr std::string_view TextWins = "Wins";
inline constexpr std::string_view TextSixCard = "Six Card";
inline constexpr std::string_view TextAutomaticWin = "Automatic Win";
inline constexpr std::string_view TextSevenSevenSeven = "7-7-7";
inline constexpr std::string_view TextSixSevenEight = "6-7-8";
inline constexpr std::string_view TextPaysTwoToOne = "Pays 2-1";

// Words written on the table; "Busted" is also the dealer's second line.
inline constexpr std::string_view TextSurrendered = "Surrendered";
inline constexpr std::string_view TextDoubled = "Doubled";
inline constexpr std::string_view TextBusted = "Busted";

// Result words of a seat that plays two hands: the first hand's word, then the
// second hand's word with its slash.
inline constexpr std::string_view TextFirstWins = "Wins";
inline constexpr std::string_view TextFirstPush = "Push";
inline constexpr std::string_view TextFirstLoses = "Loses";
inline constexpr std::string_view TextFirstBusted = "Busted";
// A hand paid a special payoff before the dealer played; also its seat panel's word.
inline constexpr std::string_view TextWon = "Won";
inline constexpr std::string_view TextSecondWins = "/Wins";
inline constexpr std::string_view TextSecondPush = "/Push";
inline constexpr std::string_view TextSecondLoses = "/Loses";
inline constexpr std::string_view TextSecondBusted = "/Busted";

// The dealer view while the shoe is mixed.
inline constexpr std::string_view TextShuffling = "shuffling...";

// Caption pieces: the deal number while a deal runs, the counts after it.
inline constexpr std::string_view CaptionHand = " [Hand: ";
inline constexpr std::string_view CaptionCountsOpen = " [";
inline constexpr std::string_view CaptionCards = "Cards: ";
inline constexpr std::string_view CaptionHiOpt1 = "; Hi-Opt I: ";
inline constexpr std::string_view CaptionHiOpt2 = "; Hi-Opt II: ";
inline constexpr std::string_view CaptionClose = "]";

constexpr std::string_view TableTextString(TableText text) {
    switch (text) {
    case TableText::Surrendered:
        return TextSurrendered;
    case TableText::Doubled:
        return TextDoubled;
    case TableText::Busted:
        return TextBusted;
    }
    return TextNone;
}

} // namespace dealmoor
