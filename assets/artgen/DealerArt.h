#pragma once
// The dealer: body and arms cut from whole drawings of the dealer view, so the
// pieces the table lays on top of each other join up in every pose.

#include <QImage>
#include <QRect>
#include <QString>

#include <map>

namespace dealmoor::art {

// The dealer view's poses: 1 at rest, 3 reaching down with a card, 4 reaching
// across to the deck, 5 letting the card go.
inline constexpr int DealerPoses[] = {1, 3, 4, 5};

// Every sheet the dealer view is built from, by name: the table pieces, the card
// back and the dealer's body and arms.
using DealerSheets = std::map<QString, QImage>;
DealerSheets dealerSheets(int scale = 1);

// The dealer view as the table composes it from the sheets, without the dealer's
// cards: walls and felt, the table pieces, body, arms and, at rest, the deck.
QImage composeDealerView(const DealerSheets& sheets, int pose, int scale = 1);
// The same view drawn whole, as the sheets were cut from it.
QImage dealerScene(int pose, int scale = 1);

class ArtWriter;
void writeDealer(ArtWriter& out);

} // namespace dealmoor::art
