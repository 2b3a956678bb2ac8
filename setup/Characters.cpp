#include "setup/Characters.h"

#include <array>

namespace dealmoor {

namespace {

struct CharacterText {
    const char* name;
    const char* about;
};

// Sally and Pat are the same sort of player and share their description.
constexpr const char* SmallToMediumWagers =
    "An average player who makes small to medium-sized wagers.";

constexpr std::array<CharacterText, MaxCharacters + 1> Texts = {{
    {"", ""}, // no character 0
    {"Dan Deerfield", "An average player who bets near the table minimum.  Doesn't make too many "
                      "mistakes, but could"
                      " more aggresive."},
    {"Sid Serious", "A somewhat better than average player who makes moderate-sized bets.  He is "
                    "not very talkative"
                    " and doesn't like being bothered by the other players."},
    {"Harvey Hangover", "A poor player who bets way too much.  He also gets way too many of the "
                        "complimentary drinks."},
    {"Karen Kline", "A poor player who bets near the table minimums."},
    {"Eddie \"the Edge\"",
     "A very good player who makes large bets.  Don't expect him to make many mistakes."},
    {"Sally Sullivan", SmallToMediumWagers},
    {"Odetta Opera",
     "She's a smart cookie.  A better than average player who often bets large amounts."},
    {"Pat Peoples", SmallToMediumWagers},
    {"Rodney Roberts",
     "He thinks he's a good player, but he really is just average.  Bets a moderate amount."},
}};

// Who sits where before the settings file is read: seat s holds InitialSeating[s].
constexpr std::array<int, MaxSeats + 1> InitialSeating = {0, 1, 2, 3, 7, 5, 8};

} // namespace

const char* CharacterName(int k) {
    return CharacterExists(k) ? Texts[k].name : "";
}

const char* CharacterAbout(int k) {
    return CharacterExists(k) ? Texts[k].about : "";
}

std::string CharacterCardStem(int k) {
    return "cplayer" + std::to_string(k);
}

std::string SeatDefaultCardStem(int number) {
    return "CPLAYER" + std::to_string(number);
}

void InitCharacters(Game& game) {
    for (int k = 1; k <= MaxCharacters; ++k) {
        Seat& character = game.Characters[k];
        character = Seat{};
        character.Name = CharacterName(k);
        character.StrategyFile = CharacterCardStem(k);
        character.About = CharacterAbout(k);
        character.Human = false;
        character.Credits = StartingCredits;
        character.Borrowed = character.Credits;
        character.Number = static_cast<uint8_t>(k);
    }
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        game.Seats[seat] = game.Characters[InitialSeating[seat]];
    }
}

} // namespace dealmoor
