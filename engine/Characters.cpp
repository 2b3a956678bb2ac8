#include "engine/Characters.h"

#include <array>

namespace dealmoor {

namespace {

// Sally and Pat are the same sort of player and share their description.
constexpr const char* SmallToMediumWagers =
    "An average player who makes small to medium-sized wagers.";

// Who bets how much: at the table minimum, five minimums up to 50, or ten up to 100.
constexpr BettingStyle AtTheMinimum{1, 0};
constexpr BettingStyle Moderate{5, 50};
constexpr BettingStyle Large{10, 100};

// A character who keeps still while taking a card.
constexpr GestureFrames StillAt(int neutral) {
    return {neutral, neutral};
}

// Index 0 stands for a number outside 1..9: it names nobody and shows frame 1.
constexpr std::array<Character, MaxCharacters + 1> Records = {{
    {},
    {"Dan Deerfield",
     "An average player who bets near the table minimum.  Doesn't make too many mistakes, but "
     "could"
     " more aggresive.",
     AtTheMinimum,
     {2, 1, 3, 2, 3},
     StillAt(2),
     213,
     8},
    {"Sid Serious",
     "A somewhat better than average player who makes moderate-sized bets.  He is not very "
     "talkative"
     " and doesn't like being bothered by the other players.",
     Moderate,
     {1, 4, 3, 1, 3},
     {1, 2},
     166,
     9},
    {"Harvey Hangover",
     "A poor player who bets way too much.  He also gets way too many of the complimentary "
     "drinks.",
     Large,
     {1, 1, 4, 1, 4},
     {2, 3},
     202,
     21},
    {"Karen Kline",
     "A poor player who bets near the table minimums.",
     AtTheMinimum,
     {2, 1, 3, 2, 3},
     StillAt(2),
     229,
     30},
    {"Eddie \"the Edge\"",
     "A very good player who makes large bets.  Don't expect him to make many mistakes.",
     Large,
     {4, 1, 3, 2, 4},
     StillAt(4),
     218,
     0},
    {"Sally Sullivan", SmallToMediumWagers, AtTheMinimum, {2, 1, 2, 1, 2}, {1, 4}, 243, 27},
    {"Odetta Opera",
     "She's a smart cookie.  A better than average player who often bets large amounts.",
     Large,
     {1, 3, 2, 1, 3},
     StillAt(1),
     218,
     0},
    {"Pat Peoples", SmallToMediumWagers, AtTheMinimum, {3, 1, 4, 1, 3}, {1, 2}, 225, 0},
    {"Rodney Roberts",
     "He thinks he's a good player, but he really is just average.  Bets a moderate amount.",
     Moderate,
     {2, 1, 3, 2, 3},
     StillAt(2),
     206,
     0},
}};

// Who sits where before the settings file is read: seat s holds InitialSeating[s].
constexpr std::array<int, MaxSeats + 1> InitialSeating = {0, 1, 2, 3, 7, 5, 8};

} // namespace

const Character& CharacterRecord(int number) {
    return Records[CharacterExists(number) ? number : 0];
}

const char* CharacterName(int k) {
    return CharacterRecord(k).Name;
}

const char* CharacterAbout(int k) {
    return CharacterRecord(k).About;
}

std::string CharacterCardStem(int k) {
    return "cplayer" + std::to_string(k);
}

std::string SeatDefaultCardStem(int number) {
    return "CPLAYER" + std::to_string(number);
}

int NeutralFrame(int number) {
    return CharacterRecord(number).Moods.Neutral;
}
int PleasedFrame(int number) {
    return CharacterRecord(number).Moods.Pleased;
}
int DispleasedFrame(int number) {
    return CharacterRecord(number).Moods.Displeased;
}

int ThinkingFace(int number, bool thinkingFrame) {
    const MoodFrames& moods = CharacterRecord(number).Moods;
    return thinkingFrame ? moods.ThinkingOn : moods.ThinkingOff;
}

GestureFrames HitGestureFrames(int number) {
    return CharacterRecord(number).HitGesture;
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
