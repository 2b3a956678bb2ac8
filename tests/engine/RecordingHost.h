#pragma once
// A table host for engine tests: logs every call as a short line and answers
// the bet and decision windows from a script, one queue per seat. The engine
// judges and applies the answers exactly as it does the windows' answers.

#include "engine/Counting.h"
#include "engine/Game.h"
#include "engine/TableHost.h"
#include "engine/Texts.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace dealmoor::enginetest {

// Scripted answers of the decision window.
using Answer = Decision;

class RecordingHost : public TableHost {
public:
    // showsSeats false: a table nobody looks at, as the simulator's.
    explicit RecordingHost(Game& game, bool showsSeats = true)
        : TableHost(showsSeats), game_(game) {}

    // Stakes and insurance put up by the bet window, per seat; an empty queue bets 0.
    std::map<int, std::deque<double>> bets;
    std::map<int, std::deque<double>> insurance;
    // Decision window answers per seat; an empty queue stands.
    std::map<int, std::deque<Answer>> answers;
    bool wantsCaptions = true;
    // Whether the shuffle sound sounds; a silent table pauses instead.
    bool shuffleSounds = true;
    // Runs after every card a hand takes, to look at the table at that moment.
    std::function<void(int)> onCardTaken;
    // The program closes when the host is asked this (a log line): the host
    // calls the deal off from that call.
    std::string callOffAt;

    std::vector<std::string> log;
    std::string caption;

    void Pause(double seconds) override { add("pause " + number(seconds)); }

    double AskBet(int seat, BetKind kind) override {
        if (kind == BetKind::Insurance) {
            add("insure " + std::to_string(seat));
            return next(insurance[seat], 0.0);
        }
        add("bet " + std::to_string(seat));
        return next(bets[seat], 0.0);
    }

    Decision AskDecision(int seat, int hand, const DecisionOffer& offered) override {
        add("decide " + std::to_string(seat));
        lastHand = hand;
        lastOffer = offered;
        return next(answers[seat], Answer::Stand);
    }
    // What the last decision was asked for.
    int lastHand = 0;
    DecisionOffer lastOffer;

    void DrawDealer(DealerPose pose) override {
        add("dealer " + std::to_string(static_cast<int>(pose)));
    }
    void SetFace(int seat, int frame) override {
        add("face " + std::to_string(seat) + " " + std::to_string(frame));
    }
    void SeatPanel(int seat, PanelColour colour) override {
        add("panel " + std::to_string(seat) + (colour == PanelColour::Highlight ? " on" : " off"));
    }
    void ShowBalloon(std::string_view first, std::string_view second) override {
        add("balloon " + std::string(first) + "|" + std::string(second));
    }
    void DealAnimation() override { add("anim"); }
    void WriteTableText(TableText text, bool secondHand) override {
        add("text " + std::string(TableTextString(text)) + (secondHand ? " second" : " first"));
    }
    void PlayCardSound() override { add("sound card"); }
    void PlayWinSound() override { add("sound win"); }
    void PlayLoseSound() override { add("sound lose"); }
    void PlayBlackjackSound() override { add("sound blackjack"); }
    bool PlayShuffleSound() override {
        if (shuffleSounds) {
            add("sound shuffle");
        }
        return shuffleSounds;
    }
    void SetCaption(std::string_view text) override {
        caption = std::string(text);
        add("caption " + caption);
    }
    void ShowShuffling() override { add("shuffling"); }
    void SetThinkingTimer(bool enabled) override {
        add(std::string("thinking ") + (enabled ? "on" : "off"));
    }
    void ArmAutoDealTimer() override { add("arm"); }
    bool WantsCaptions() const override { return wantsCaptions; }
    // False for a player practising the count with the counts hidden.
    bool showsCounts = true;
    bool CaptionShowsCounts() const override { return showsCounts; }
    // The counts each deal's end reported, as the game held them at that moment.
    std::vector<StoredCounts> reportedCounts;
    void CountsReported() override { reportedCounts.push_back(StoredCountsOf(game_)); }
    void CardTaken(int slot) override {
        add("card " + std::to_string(slot));
        if (onCardTaken) {
            onCardTaken(slot);
        }
    }
    void Decided(int slot) override { add("decided " + std::to_string(slot)); }
    void SeatSettled(int seat) override { add("settled " + std::to_string(seat)); }

    // Lines starting with a prefix, in order.
    std::vector<std::string> lines(std::string_view prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : log) {
            if (line.rfind(prefix, 0) == 0) {
                found.push_back(line);
            }
        }
        return found;
    }
    std::size_t count(std::string_view line) const {
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), line));
    }
    bool has(std::string_view line) const { return count(line) > 0; }
    // Position of the first occurrence of a line at or after `from`; log size when absent.
    std::size_t find(std::string_view line, std::size_t from = 0) const {
        const auto it = std::find(log.begin() + static_cast<std::ptrdiff_t>(from), log.end(), line);
        return static_cast<std::size_t>(it - log.begin());
    }
    std::vector<std::string> balloons() const { return lines("balloon "); }

private:
    void add(std::string line) {
        const bool callOff = !callOffAt.empty() && line == callOffAt;
        log.push_back(std::move(line));
        if (callOff) {
            callOffAt.clear();
            throw DealCalledOff{};
        }
    }

    static std::string number(double value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }

    template <typename T> static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        const T value = queue.front();
        queue.pop_front();
        return value;
    }

    Game& game_;
};

} // namespace dealmoor::enginetest
