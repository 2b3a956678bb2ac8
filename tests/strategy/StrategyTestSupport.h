#pragma once
// Small fixtures for the strategy tests: a private temporary folder and a
// table set up with given hand ranks against a given dealer's up card.

#include "engine/Game.h"

#include <string>
#include <vector>

namespace dealmoor::test {

// A fresh folder removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", as the game keeps its folders.
    const std::string& dir() const { return dir_; }
    std::string file(const std::string& name) const { return dir_ + name; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> fileNames() const;

private:
    std::string dir_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// `text` with its first `from` replaced by `to`: a file damaged in one place.
// The test fails when `from` is not there, so a damage can never miss its mark.
std::string ReplacedOnce(std::string text, const std::string& from, const std::string& to);

// Puts the given ranks into a hand slot (card ids of the first suit) and totals it.
void putHand(Game& game, int slot, const std::vector<int>& ranks);

// Seat 1 to decide, a computer seat holding `ranks` with a stake of 10 out of
// 100 credits; the dealer holds a face-down 5 and `upRank` face up; the seat
// plays the default card under the house's standard rules with `cards` in the shoe.
Game tableFor(const std::vector<int>& ranks, int upRank, int cards = 208);

} // namespace dealmoor::test
