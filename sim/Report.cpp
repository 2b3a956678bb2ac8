#include "sim/Report.h"

#include "platform/NumberText.h"
#include "sim/Json.h"
#include "sim/SimTable.h"

#include <string>

namespace dealmoor::sim {

namespace {

void printLine(std::FILE* out, const std::string& text) {
    std::fputs(text.c_str(), out);
    std::fputc('\n', out);
}

std::string padRight(std::string text, size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string padLeft(const std::string& text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

const char* onOff(bool on, const char* yes, const char* no) {
    return on ? yes : no;
}

std::string rulesLine(const HouseRules& r) {
    std::string text = "rules: " + std::to_string(r.Cards) + " cards, dealer " +
                       onOff(r.HitSoft17, "hits", "stands on") + " soft 17, blackjack pays " +
                       FixedText(r.BlackjackPays, 1) + ", double on " +
                       std::to_string(r.DoubleMin) + ".." + std::to_string(r.DoubleMax);
    text += onOff(r.DoubleAfterSplit, " also after a split", " not after a split");
    text += onOff(r.SplitAnyFaceCard, ", any two tens split", ", only equal ranks split");
    text += onOff(r.HitSplitAces, ", split aces play on", ", split aces take one card");
    text += onOff(r.LateSurrender, ", late surrender", ", no surrender");
    if (r.Special6Cards) {
        text += ", six cards win";
    } else {
        text += onOff(r.Special777, ", 7-7-7 pays 2-1", "");
        text += onOff(r.Special678, ", 6-7-8 pays 2-1", "");
    }
    text += ", table " + FixedText(r.TableMin, 2) + ".." + FixedText(r.TableMax, 2);
    return text;
}

std::string resultRow(const std::string& who, const std::string& play, const ResultSums& sums,
                      const std::string& topUps) {
    const RatioEstimate e = EstimatePerUnit(sums);
    const std::string interval =
        "[" + Percent(e.PerUnit - e.HalfWidth) + ", " + Percent(e.PerUnit + e.HalfWidth) + "]";
    return padRight(who, 36) + padRight(play, 16) + padLeft(std::to_string(sums.Deals), 11) +
           padLeft(FixedText(sums.Bets, 2), 16) + padLeft(FixedText(sums.Net, 2), 15) +
           padLeft(Percent(e.PerUnit), 10) + "  " + padRight(interval, 25) + topUps;
}

} // namespace

std::string Percent(double perUnit) {
    return FixedText(100 * perUnit, 3) + "%";
}

const char* ShuffleName(bool fast) {
    return fast ? "fast shuffle (one Fisher-Yates pass)" : "game shuffle (30 exchange passes)";
}

void PrintHeader(std::FILE* out, const Game& game, const RunDescription& run) {
    printLine(out, "dealmoor-sim: " + std::to_string(run.Deals) + " deals, " +
                       std::to_string(run.Tables) + (run.Tables == 1 ? " table" : " tables") +
                       ", seed " + std::to_string(run.Seed) + ", " + ShuffleName(run.FastShuffle));
    printLine(out, rulesLine(game.HouseRules));
    printLine(out, "result per unit = net / sum of initial bets (doubled and split stakes are not "
                   "in the divisor); 95% interval by the delta method for this ratio over the "
                   "per-deal pairs (initial bet b, net x): R +- 1.96 * sqrt(sum (x - R b)^2 / "
                   "(n (n - 1))) / mean b");
    if (run.TopUp) {
        printLine(out, "credits: a seat holding less than " + FixedText(TopUpStakes, 0) +
                           " times its stake is refilled to its starting credits between deals "
                           "(counted as top-ups)");
    } else {
        printLine(out, "credits: never refilled; a seat that cannot cover the table minimum "
                       "sits out");
    }
}

void PrintResults(std::FILE* out, const Game& game, const SeatPlay& play, const RunResult& result,
                  bool checked) {
    const TableStats& stats = result.stats;
    printLine(out, padRight("seat", 36) + padRight("plays by", 16) + padLeft("deals", 11) +
                       padLeft("initial bets", 16) + padLeft("net", 15) + padLeft("per unit", 10) +
                       "  " + padRight("95% interval", 25) + "top-ups");
    for (int s = 1; s <= game.SeatCount; ++s) {
        const std::string who = std::to_string(s) + " " + game.Seats[s].Name;
        const std::string topUps =
            std::to_string(stats.TopUps[s]) + " (" + FixedText(stats.TopUpCredits[s], 2) + ")";
        printLine(out, resultRow(who, play[s], stats.Seats[s], topUps));
    }
    printLine(out, resultRow("table", "", stats.Table, ""));
    if (stats.ByCard.Deals > 0 && stats.ByHints.Deals > 0) {
        printLine(out, resultRow("seats played by cards", "", stats.ByCard, ""));
        printLine(out, resultRow("seats played by hints", "", stats.ByHints, ""));
    }
    if (result.nobodyBets) {
        printLine(out, "note: play stopped early: no seat could cover the table minimum");
    }
    if (checked && result.failure.empty()) {
        printLine(out, "check: every deal passed");
    }
    const double seconds = result.seconds > 0 ? result.seconds : 1e-9;
    printLine(out, "speed: " + FixedText(static_cast<double>(stats.Deals) / seconds, 0) +
                       " deals/s, " + FixedText(static_cast<double>(stats.Hands) / seconds, 0) +
                       " hands/s (" + std::to_string(stats.Deals) + " deals in " +
                       FixedText(result.seconds, 3) + " s)");
}

namespace {

void resultJson(JsonWriter& json, const ResultSums& sums) {
    const RatioEstimate e = EstimatePerUnit(sums);
    json.field("deals", sums.Deals)
        .field("initial_bets", sums.Bets)
        .field("net", sums.Net)
        .field("per_unit", e.PerUnit)
        .field("half_width", e.HalfWidth);
}

void groupJson(JsonWriter& json, std::string_view name, const ResultSums& sums) {
    json.key(name).beginObject();
    resultJson(json, sums);
    json.endObject();
}

void rulesJson(JsonWriter& json, const HouseRules& r) {
    json.key("rules")
        .beginObject()
        .field("cards", r.Cards)
        .field("dealer_hits_soft_17", r.HitSoft17)
        .field("blackjack_pays", r.BlackjackPays)
        .field("double_min", r.DoubleMin)
        .field("double_max", r.DoubleMax)
        .field("double_after_split", r.DoubleAfterSplit)
        .field("any_two_tens_split", r.SplitAnyFaceCard)
        .field("split_aces_play_on", r.HitSplitAces)
        .field("late_surrender", r.LateSurrender)
        .field("insurance_any_amount", r.InsuranceAnyAmount)
        .field("six_cards_win", r.Special6Cards)
        .field("seven_seven_seven_pays_2_1", r.Special777)
        .field("six_seven_eight_pays_2_1", r.Special678)
        .field("table_min", r.TableMin)
        .field("table_max", r.TableMax)
        .endObject();
}

} // namespace

std::string ResultsJson(const Game& game, const SeatPlay& play, const RunDescription& run,
                        const RunResult& result, bool checked) {
    const TableStats& stats = result.stats;
    JsonWriter json;
    json.beginObject();
    json.key("run")
        .beginObject()
        .field("deals", run.Deals)
        .field("tables", run.Tables)
        .field("seed", static_cast<int64_t>(run.Seed))
        .field("shuffle", run.FastShuffle ? "fast" : "game")
        .field("top_up", run.TopUp)
        .endObject();
    rulesJson(json, game.HouseRules);
    json.key("seats").beginArray();
    for (int s = 1; s <= game.SeatCount; ++s) {
        json.beginObject()
            .field("seat", s)
            .field("name", game.Seats[s].Name)
            .field("plays_by", play[s]);
        resultJson(json, stats.Seats[s]);
        json.field("top_ups", stats.TopUps[s]).field("top_up_credits", stats.TopUpCredits[s]);
        json.endObject();
    }
    json.endArray();
    groupJson(json, "table", stats.Table);
    if (stats.ByCard.Deals > 0 && stats.ByHints.Deals > 0) {
        groupJson(json, "seats_played_by_cards", stats.ByCard);
        groupJson(json, "seats_played_by_hints", stats.ByHints);
    }
    json.field("stopped_because_nobody_could_bet", result.nobodyBets);
    json.key("check");
    if (!checked) {
        json.null();
    } else {
        json.beginObject().field("passed", result.failure.empty());
        json.key("failure");
        if (result.failure.empty()) {
            json.null();
        } else {
            json.value(result.failure);
        }
        json.endObject();
    }
    const double seconds = result.seconds > 0 ? result.seconds : 1e-9;
    json.key("speed")
        .beginObject()
        .field("deals", stats.Deals)
        .field("hands", stats.Hands)
        .field("seconds", result.seconds)
        .field("deals_per_second", static_cast<double>(stats.Deals) / seconds)
        .field("hands_per_second", static_cast<double>(stats.Hands) / seconds)
        .endObject();
    json.endObject();
    return json.text();
}

} // namespace dealmoor::sim
