#pragma once
// The nine characters who people the table. A seat always holds one of them:
// the character gives a seat its default name, description, strategy card and
// starting money, how it bets when the house plays it, which portrait frame it
// shows for each mood, how it beckons for a card, and where its face strip sits
// in the seat view. Everything tied to a character number lives in its record.

#include "engine/Game.h"

#include <string>

namespace dealmoor {

// Every character starts with this much, all of it borrowed.
inline constexpr double StartingCredits = 5000.0;

// The name a human seat goes by until the player types another.
inline constexpr const char* DefaultHumanName = "Human Player";

// Face frames of a character's strip come four to a strip, numbered from 1.
inline constexpr int FacesPerStrip = 4;

// A computer seat bets this many table minimums, but never more than the cap.
struct BettingStyle {
    double TableMinimums = 1;
    double Cap = 0; // 0: no cap
};

// The portrait frame each mood shows, and the two the Thinking timer swaps.
struct MoodFrames {
    int Neutral = 1;
    int Pleased = 1;
    int Displeased = 1;
    int ThinkingOn = 1;
    int ThinkingOff = 1;
};

// A seat taking a plain hit beckons by showing these two frames in turn; a
// character who keeps still shows its Neutral frame twice.
struct GestureFrames {
    int first;
    int second;
};

struct Character {
    const char* Name = "";
    const char* About = "";
    BettingStyle Betting;
    MoodFrames Moods;
    GestureFrames HitGesture{1, 1};
    int FrameWidth = 0; // width of one face frame in the strip "dmoor<n>.bmp"
    int FrameTop = 0;   // how far down the seat view the face is drawn
};

// The record of character 1..9; any other number gets a record that shows frame 1
// and names nobody.
const Character& CharacterRecord(int number);

// Fills the character table and seats characters 1, 2, 3, 7, 5 and 8 at
// seats 1..6, each as a whole record.
void InitCharacters(Game& game);

// Name and description of character k (1..9); "" outside that range.
const char* CharacterName(int k);
const char* CharacterAbout(int k);

// The character table's own card stem: "cplayer" and k.
std::string CharacterCardStem(int k);
// The card stem a seat falls back to: "CPLAYER" and the character number.
std::string SeatDefaultCardStem(int number);

// Mood frames by character number.
int NeutralFrame(int number);
int PleasedFrame(int number);
int DispleasedFrame(int number);
// The frame the Thinking timer shows while a human seat decides.
int ThinkingFace(int number, bool thinkingFrame);
GestureFrames HitGestureFrames(int number);

} // namespace dealmoor
