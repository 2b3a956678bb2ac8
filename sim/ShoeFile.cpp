#include "sim/ShoeFile.h"

#include "engine/Game.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <utility>

namespace dealmoor::sim {

namespace {

std::string trim(const std::string& s) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(s.begin(), s.end(), isSpace);
    auto last = std::find_if_not(s.rbegin(), s.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

// Card id of a line's word, or 0 when the word names no card. Clubs are the
// first suit of the card sheet, so the club of rank r has card id r.
int cardIdOfWord(const std::string& word) {
    const std::string w = upper(word);
    if (w == "A") {
        return 1;
    }
    if (w == "J") {
        return 11;
    }
    if (w == "Q") {
        return 12;
    }
    if (w == "K") {
        return 13;
    }
    int id = 0;
    auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), id);
    if (ec != std::errc() || end != w.data() + w.size() || id < 1 || id > CardsPerDeck) {
        return 0;
    }
    return id;
}

std::string where(const std::string& fileName, int line) {
    return fileName + ":" + std::to_string(line) + ": ";
}

} // namespace

ShoeFileResult ParseShoeText(const std::string& text, const std::string& fileName) {
    ShoeFileResult result;
    std::istringstream in(text);
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        const std::string word = trim(raw);
        if (word.empty() || word[0] == '#') {
            continue;
        }
        const int id = cardIdOfWord(word);
        if (id == 0) {
            result.error = where(fileName, line) + "'" + word +
                           "' is not a card (a card id 1..52 or A, 2..10, J, Q, K)";
            result.cards.clear();
            return result;
        }
        result.cards.push_back({id, line});
    }
    return result;
}

ShoeFileResult ReadShoeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {{}, path + ": cannot read the shoe file"};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseShoeText(text.str(), path);
}

std::string LayRiggedCards(Game& game, const std::vector<RiggedCard>& cards,
                           const std::string& fileName) {
    auto& entries = game.Shoe.ShoeCards;
    const int filled = game.Shoe.Filled;
    int entry = game.Shoe.ShoePos + 1; // the next card dealt
    for (const RiggedCard& card : cards) {
        if (entry > filled) {
            return where(fileName, card.Line) + "the shoe holds only " + std::to_string(filled) +
                   " cards, the first of them burnt";
        }
        int from = entry;
        while (from <= filled && entries[from].CardId != card.CardId) {
            ++from;
        }
        if (from > filled) {
            return where(fileName, card.Line) + "no card id " + std::to_string(card.CardId) +
                   " is left in the shoe of " + std::to_string(filled) + " cards";
        }
        std::swap(entries[entry], entries[from]);
        ++entry;
    }
    return "";
}

} // namespace dealmoor::sim
