#include "sim/ShoeFile.h"

#include "engine/Game.h"
#include "sim/InputFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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

// The n-th rigged card (from 1) of the file finds no place in a fresh shoe.
std::string doesNotFit(const std::string& fileName, const RiggedCard& card, std::size_t n,
                       int shoeCards) {
    return where(fileName, card.Line) + "card " + std::to_string(n) +
           " of the file does not fit: a shoe of " + std::to_string(shoeCards) +
           " cards burns its first card and deals at most " + std::to_string(shoeCards - 1) +
           " rigged cards";
}

} // namespace

ShoeFileResult ParseShoeText(const std::string& text, const std::string& fileName, int shoeCards) {
    const std::size_t room = shoeCards > 1 ? static_cast<std::size_t>(shoeCards - 1) : 0;
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
        if (result.cards.size() == room) {
            result.error = doesNotFit(fileName, {id, line}, room + 1, shoeCards);
            result.cards.clear();
            return result;
        }
        result.cards.push_back({id, line});
    }
    return result;
}

ShoeFileResult ReadShoeFile(const std::string& path, int shoeCards) {
    const InputFileResult file = ReadInputFile(path, "shoe file", ShoeFileMaxBytes);
    if (!file.error.empty()) {
        return {{}, file.error};
    }
    return ParseShoeText(file.text, path, shoeCards);
}

std::string LayRiggedCards(Game& game, const std::vector<RiggedCard>& cards,
                           const std::string& fileName) {
    auto& entries = game.Shoe.ShoeCards;
    const int filled = game.Shoe.Filled;
    const int taken = game.Shoe.ShoePos;
    int entry = taken + 1; // the next card dealt
    for (const RiggedCard& card : cards) {
        if (entry > filled) {
            const std::size_t n = static_cast<std::size_t>(entry - taken);
            if (taken <= 1) {
                return doesNotFit(fileName, card, n, filled);
            }
            return where(fileName, card.Line) + "card " + std::to_string(n) +
                   " of the file does not fit: only " + std::to_string(filled - taken) +
                   " cards are left in the shoe of " + std::to_string(filled);
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
