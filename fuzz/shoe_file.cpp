// The rigged shoe file: any text parsed for a shoe of some size, and the cards
// laid into a freshly shuffled shoe. Every error names a line that holds a
// card word; laying succeeds exactly when every card still has a copy left
// after the burn card, puts the cards next in file order, and leaves the shoe
// holding exactly the cards of its decks.
//
// A first line "#cards N" chooses the house's shoe size (held to 52..416 as
// the table holds it); otherwise the size follows from the input's length.

#include "engine/Shoe.h"
#include "fuzz/FuzzSupport.h"
#include "sim/ShoeFile.h"

#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <string>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::sim;

namespace {

const std::string FileName = "rig.txt";

int houseCards(const std::string& text) {
    constexpr std::string_view Header = "#cards ";
    int cards = 0;
    if (text.rfind(Header, 0) == 0) {
        const char* first = text.data() + Header.size();
        const char* last = text.data() + text.size();
        if (std::from_chars(first, last, cards).ec == std::errc()) {
            return cards;
        }
    }
    return CardsPerDeck * (1 + static_cast<int>(text.size() % 8));
}

// The lines of the text as the parser counts them, each with blanks trimmed.
std::vector<std::string> trimmedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
        while (!line.empty() && blank(static_cast<unsigned char>(line.back()))) {
            line.pop_back();
        }
        std::size_t lead = 0;
        while (lead < line.size() && blank(static_cast<unsigned char>(line[lead]))) {
            ++lead;
        }
        lines.push_back(line.substr(lead));
        start = end + 1;
    }
    return lines;
}

// The line an error names, or 0 when it names none.
int lineOfError(const std::string& error) {
    if (error.rfind(FileName + ":", 0) != 0) {
        return 0;
    }
    int line = 0;
    const char* first = error.data() + FileName.size() + 1;
    const auto [end, ec] = std::from_chars(first, error.data() + error.size(), line);
    return ec == std::errc() && std::string_view(end, 2) == ": " ? line : 0;
}

std::map<int, int> contents(const Game& game, int from) {
    std::map<int, int> count;
    for (int i = from; i <= game.Shoe.Filled; ++i) {
        ++count[game.Shoe.ShoeCards[i].CardId];
    }
    return count;
}

void checkParse(const ShoeFileResult& parsed, const std::vector<std::string>& lines) {
    if (!parsed.error.empty()) {
        const int line = lineOfError(parsed.error);
        FUZZ_CHECK(line >= 1 && line <= static_cast<int>(lines.size()),
                   "the error names no line of the file: " + parsed.error);
        const std::string& word = lines[line - 1];
        FUZZ_CHECK(!word.empty() && word[0] != '#',
                   "the error names a blank or comment line: " + parsed.error);
        FUZZ_CHECK(parsed.cards.empty(), "cards are kept beside an error");
        return;
    }
    std::vector<int> cardLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] != '#') {
            cardLines.push_back(static_cast<int>(i) + 1);
        }
    }
    FUZZ_CHECK(parsed.cards.size() == cardLines.size(),
               std::to_string(parsed.cards.size()) + " cards from " +
                   std::to_string(cardLines.size()) + " card lines");
    for (std::size_t k = 0; k < parsed.cards.size(); ++k) {
        const RiggedCard& card = parsed.cards[k];
        FUZZ_CHECK(card.CardId >= 1 && card.CardId <= CardsPerDeck,
                   "card id " + std::to_string(card.CardId));
        FUZZ_CHECK(card.Line == cardLines[k], "card " + std::to_string(k + 1) + " on line " +
                                                  std::to_string(card.Line) + ", not " +
                                                  std::to_string(cardLines[k]));
    }
}

// The index of the first card a fresh shoe cannot give, or cards.size().
std::size_t firstMissing(const Game& game, const std::vector<RiggedCard>& cards) {
    std::map<int, int> left = contents(game, 2); // the burn card is gone
    const std::size_t room = static_cast<std::size_t>(game.Shoe.Filled - 1);
    for (std::size_t k = 0; k < cards.size(); ++k) {
        if (k >= room || left[cards[k].CardId]-- == 0) {
            return k;
        }
    }
    return cards.size();
}

void checkLay(const std::vector<RiggedCard>& cards, int rulesCards, uint32_t seed) {
    Game game;
    game.HouseRules.Cards = rulesCards;
    game.Random.Source = SeedSource::Kept;
    game.Random.Seed = seed;
    game.Random.FastShuffle = true;
    ShuffleShoe(game, nullptr);
    const int filled = game.Shoe.Filled;
    FUZZ_CHECK(filled == ShoeSize(game.HouseRules), "a fresh shoe is not full");
    const std::map<int, int> before = contents(game, 1);
    // A fresh shoe is its decks: deck after deck, the last one perhaps in part.
    std::map<int, int> decks;
    for (int k = 0; k < filled; ++k) {
        ++decks[k % CardsPerDeck + 1];
    }
    FUZZ_CHECK(before == decks, "a fresh shoe of " + std::to_string(filled) +
                                    " cards does not hold the cards of its decks");
    const std::size_t missing = firstMissing(game, cards);

    const std::string error = LayRiggedCards(game, cards, FileName);

    FUZZ_CHECK(contents(game, 1) == before, "laying rigged cards changed the cards of the shoe");
    FUZZ_CHECK(game.Shoe.Filled == filled && game.Shoe.ShoePos == 1,
               "laying rigged cards moved the shoe's position or size");
    if (missing < cards.size()) {
        FUZZ_CHECK(lineOfError(error) == cards[missing].Line,
                   "card " + std::to_string(missing + 1) + " on line " +
                       std::to_string(cards[missing].Line) + " cannot be laid, but: '" + error +
                       "'");
        return;
    }
    FUZZ_CHECK(error.empty(), "every card has a copy left, but: " + error);
    for (std::size_t k = 0; k < cards.size(); ++k) {
        const Card& laid = game.Shoe.ShoeCards[2 + k];
        FUZZ_CHECK(laid.CardId == cards[k].CardId &&
                       laid.Rank == (cards[k].CardId - 1) % RanksPerSuit + 1,
                   "entry " + std::to_string(2 + k) + " holds card " + std::to_string(laid.CardId) +
                       ", not " + std::to_string(cards[k].CardId));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = trimmedLines(text);
    const int rulesCards = houseCards(text);
    HouseRules rules;
    rules.Cards = rulesCards;

    // As the simulator reads it: no more cards than its own shoe deals.
    const ShoeFileResult forTable = ParseShoeText(text, FileName, ShoeSize(rules));
    checkParse(forTable, lines);
    // As read for the largest shoe, then laid into the house's own: the shoe
    // refuses what it cannot hold.
    const ShoeFileResult forLargest = ParseShoeText(text, FileName);
    checkParse(forLargest, lines);
    FUZZ_CHECK(forTable.error.empty() || !forLargest.error.empty() ||
                   forLargest.cards.size() >= static_cast<std::size_t>(ShoeSize(rules)),
               "a file that fits the largest shoe was refused for the table: " + forTable.error);

    uint32_t seed = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        seed = (seed ^ data[i]) * 16777619u;
    }
    checkLay(forLargest.cards, rulesCards, seed);
    return 0;
}
