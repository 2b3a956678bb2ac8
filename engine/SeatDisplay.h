#pragma once
// How the deal walks the seats and shows them: a seat's panel lit or not, the
// character's mood, the hit gesture, and cards turned face up. A host that
// shows no seats is spared all of it but the cards.

#include "engine/Game.h"
#include "engine/TableHost.h"

namespace dealmoor {

enum class Mood { Neutral, Pleased, Displeased };

// The seat record and its two hands, as the deal and the settlement walk them.
inline Seat& SeatOf(Game& game, int seat) {
    return game.Seats[seat];
}
inline Hand& FirstHand(Game& game, int seat) {
    return game.Hands[seat];
}
inline Hand& SecondHand(Game& game, int seat) {
    return game.Hands[seat + SecondHandOffset];
}

// Seats 1..SeatsInPlay take part in a deal; a stored count beyond the table's
// six seats never reaches past them.
inline int SeatsInPlay(const Game& game) {
    return game.SeatCount < MaxSeats ? game.SeatCount : MaxSeats;
}

// Selects the seat's character and shows its frame for the mood, with its cards.
void ShowMood(const Game& game, TableHost& host, int seat, Mood mood);
// The seat being served is lit; the others are not.
inline void Highlight(TableHost& host, int seat) {
    if (host.ShowsSeats()) {
        host.SeatPanel(seat, PanelColour::Highlight);
    }
}
inline void Release(TableHost& host, int seat) {
    if (host.ShowsSeats()) {
        host.SeatPanel(seat, PanelColour::Release);
    }
}
// A seat taking a plain hit: some characters beckon for the card.
void HitGesture(const Game& game, TableHost& host, int seat);
// A tick of the Thinking timer: the frame the waiting seat shows now (0 when
// no seat is being served), the next tick showing the other one.
int NextThinkingFace(Game& game);
// Turns the first `count` cards of a hand face up (all of them by default).
void TurnUp(Hand& hand, int count = MaxHandCards);

} // namespace dealmoor
