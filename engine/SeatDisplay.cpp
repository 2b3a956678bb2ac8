#include "engine/SeatDisplay.h"

#include "engine/Characters.h"
#include "engine/TableHost.h"

#include <algorithm>

namespace dealmoor {

namespace {

constexpr int GestureRepeats = 3;
constexpr double GestureSeconds = 0.25;

int frameFor(int number, Mood mood) {
    switch (mood) {
    case Mood::Pleased:
        return PleasedFrame(number);
    case Mood::Displeased:
        return DispleasedFrame(number);
    case Mood::Neutral:
        break;
    }
    return NeutralFrame(number);
}

} // namespace

void ShowMood(const Game& game, TableHost& host, int seat, Mood mood) {
    if (!host.ShowsSeats()) {
        return;
    }
    host.SetFace(seat, 0);
    host.SetFace(seat, frameFor(game.Seats[seat].Number, mood));
}

void HitGesture(const Game& game, TableHost& host, int seat) {
    if (!host.ShowsSeats()) {
        return;
    }
    const GestureFrames frames = HitGestureFrames(game.Seats[seat].Number);
    if (frames.first != frames.second) {
        for (int i = 0; i < GestureRepeats; ++i) {
            host.SetFace(seat, frames.first);
            host.Pause(GestureSeconds);
            host.SetFace(seat, frames.second);
            host.Pause(GestureSeconds);
        }
    }
    host.SetFace(seat, frames.first);
}

int NextThinkingFace(Game& game) {
    const int seat = game.CurrentSeat;
    if (seat < 1 || seat > MaxSeats) {
        return 0;
    }
    const int frame = ThinkingFace(game.Seats[seat].Number, game.ThinkingFrame);
    game.ThinkingFrame = !game.ThinkingFrame;
    return frame;
}

void TurnUp(Hand& hand, int count) {
    const int last = std::min({count, hand.CardCount, MaxHandCards});
    // Every place is looked at, so that the loop's length never hangs on the cards.
    for (int i = 0; i < MaxHandCards; ++i) {
        hand.Shown[i] = hand.Shown[i] || i < last;
    }
}

} // namespace dealmoor
