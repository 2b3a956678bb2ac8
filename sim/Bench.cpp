#include "sim/Bench.h"

#include "platform/NumberText.h"
#include "sim/Json.h"
#include "sim/Report.h"
#include "sim/SimRun.h"
#include "sim/SimTable.h"
#include "strategy/Evaluation.h"
#include "strategy/Simulation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace dealmoor::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr double BenchSeconds = 2.0;
constexpr int64_t DealsPerLap = 4096; // deals between two looks at the clock
constexpr int64_t HouseEdgeMostDeals = 200'000'000;

struct Lap {
    int64_t deals = 0;
    int64_t hands = 0;
    double seconds = 0;
    double cpuSeconds = 0;
};

// Processor time the calling thread has used.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Lap playFor(const Game& prototype, uint32_t seed, double seconds) {
    SimTable table(prototype, TableConfig{}, seed, "");
    table.start();
    const auto start = Clock::now();
    const double cpuStart = threadCpuSeconds();
    double elapsed = 0;
    while (elapsed < seconds && !table.nobodyBets()) {
        table.play(DealsPerLap);
        elapsed = secondsSince(start);
    }
    return {table.stats().Deals, table.stats().Hands, elapsed, threadCpuSeconds() - cpuStart};
}

double rate(int64_t count, double seconds) {
    return seconds > 0 ? static_cast<double>(count) / seconds : 0.0;
}

double perThread(int64_t count, const BenchFigure& f) {
    return rate(count, f.Seconds) / std::max(1u, f.Threads);
}

std::string padLeft(const std::string& text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string padRight(std::string text, size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string whole(double value) {
    return FixedText(value, 0);
}

// The table's seats all played by their cards: one seat or six.
Game computersAt(const Game& table, int seats, bool fastShuffle) {
    Game computers = table;
    computers.SeatCount = static_cast<uint8_t>(seats);
    for (int s = 1; s <= MaxSeats; ++s) {
        computers.Seats[s].Human = false;
    }
    computers.Random.FastShuffle = fastShuffle;
    return computers;
}

NumbersTiming timeNumbers(const Game& table, uint32_t seed, unsigned cores) {
    NumbersTiming timing;
    std::atomic<bool> stop{false};
    SimulationPlan plan;
    plan.Seed = seed;
    plan.Threads = cores;
    auto start = Clock::now();
    const CardTestOutcome cardTest =
        TestStrategyCard(table.HouseRules, table.StrategyCards[1], plan, nullptr, stop);
    timing.CardTestSeconds = secondsSince(start);
    timing.CardTestDeals = cardTest.Figures.deals();

    plan.Deals = HouseEdgeMostDeals;
    start = Clock::now();
    const HouseEdgeOutcome edge =
        MeasureHouseEdge(table.HouseRules, plan, HouseEdgePrecision, nullptr, stop);
    timing.HouseEdgeSeconds = secondsSince(start);
    timing.HouseEdgeDeals = edge.Figures.deals();
    timing.HouseEdge = edge.Figures.edge().PerUnit;
    timing.HouseEdgeHalfWidth = edge.Figures.edge().HalfWidth;
    return timing;
}

std::string seatsText(int seats) {
    return seats == 1 ? "1 seat" : std::to_string(seats) + " seats";
}

} // namespace

BenchFigure MeasureDeals(const Game& prototype, unsigned threads, uint32_t seed, double seconds) {
    std::vector<Lap> laps(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(
            [&, t] { laps[t] = playFor(prototype, SeedForPart(seed, t), seconds); });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    BenchFigure figure;
    figure.Threads = threads;
    for (const Lap& lap : laps) {
        figure.Deals += lap.deals;
        figure.Hands += lap.hands;
        figure.Seconds = std::max(figure.Seconds, lap.seconds);
        figure.CpuSeconds += lap.cpuSeconds;
    }
    return figure;
}

LoadAverage ReadLoadAverage() {
    LoadAverage load;
    std::ifstream file("/proc/loadavg");
    if (file >> load.Minutes1 >> load.Minutes5 >> load.Minutes15) {
        load.Known = true;
    }
    return load;
}

std::string LoadText(const LoadAverage& load) {
    if (!load.Known) {
        return "unknown";
    }
    return FixedText(load.Minutes1, 2) + " " + FixedText(load.Minutes5, 2) + " " +
           FixedText(load.Minutes15, 2) + " (1, 5 and 15 minutes)";
}

BenchReport RunBench(const Game& table, uint32_t seed, unsigned cores,
                     const std::function<void(const BenchLine&)>& measured) {
    BenchReport report;
    report.Cores = cores;
    report.SecondsPerLine = BenchSeconds;
    report.LoadBefore = ReadLoadAverage();
    const std::vector<unsigned> threadCounts =
        cores > 1 ? std::vector<unsigned>{1, cores} : std::vector<unsigned>{1};
    for (int seats : {1, MaxSeats}) {
        for (bool fast : {false, true}) {
            const Game computers = computersAt(table, seats, fast);
            for (unsigned threads : threadCounts) {
                BenchLine line{seats, fast, MeasureDeals(computers, threads, seed, BenchSeconds)};
                report.Lines.push_back(line);
                if (measured) {
                    measured(line);
                }
            }
        }
    }
    report.Numbers = timeNumbers(table, seed, cores);
    report.LoadAfter = ReadLoadAverage();
    return report;
}

std::string BenchHeading(const LoadAverage& before, unsigned cores) {
    return "bench: computer seats playing their cards, about " + whole(BenchSeconds) +
           " s a line, " + std::to_string(cores) + (cores == 1 ? " core" : " cores") +
           "; per thread = total / threads, per cpu-s = per second of processor time the "
           "tables got\nload before: " +
           LoadText(before) + "\n" + padRight("table", 9) + padRight("shuffle", 38) +
           padLeft("threads", 8) + padLeft("deals/s", 12) + padLeft("hands/s", 12) +
           padLeft("deals/s/thread", 16) + padLeft("hands/s/thread", 16) +
           padLeft("deals/cpu-s", 13) + "\n";
}

std::string BenchLineText(const BenchLine& line) {
    const BenchFigure& f = line.Figure;
    return padRight(seatsText(line.Seats), 9) + padRight(ShuffleName(line.FastShuffle), 38) +
           padLeft(std::to_string(f.Threads), 8) + padLeft(whole(rate(f.Deals, f.Seconds)), 12) +
           padLeft(whole(rate(f.Hands, f.Seconds)), 12) +
           padLeft(whole(perThread(f.Deals, f)), 16) + padLeft(whole(perThread(f.Hands, f)), 16) +
           padLeft(whole(rate(f.Deals, f.CpuSeconds)), 13) + "\n";
}

std::string BenchClosing(const BenchReport& report) {
    const NumbersTiming& n = report.Numbers;
    return "strategy card test (seat 1's card against the hints, " +
           std::to_string(n.CardTestDeals) + " deals each, fast shuffle, " +
           std::to_string(report.Cores) + " threads): " + FixedText(n.CardTestSeconds, 2) +
           " s\nhouse edge with basic strategy to +-" + Percent(HouseEdgePrecision) + ": " +
           Percent(n.HouseEdge) + " +- " + Percent(n.HouseEdgeHalfWidth) + " after " +
           std::to_string(n.HouseEdgeDeals) + " deals, " + FixedText(n.HouseEdgeSeconds, 2) +
           " s\nload after: " + LoadText(report.LoadAfter) + "\n";
}

namespace {

void loadJson(JsonWriter& json, std::string_view name, const LoadAverage& load) {
    json.key(name);
    if (!load.Known) {
        json.null();
        return;
    }
    json.beginObject()
        .field("minutes_1", load.Minutes1)
        .field("minutes_5", load.Minutes5)
        .field("minutes_15", load.Minutes15)
        .endObject();
}

} // namespace

std::string BenchJson(const BenchReport& report) {
    JsonWriter json;
    json.beginObject().key("bench").beginObject();
    json.field("cores", report.Cores).field("seconds_per_line", report.SecondsPerLine);
    loadJson(json, "load_before", report.LoadBefore);
    loadJson(json, "load_after", report.LoadAfter);
    json.key("lines").beginArray();
    for (const BenchLine& line : report.Lines) {
        const BenchFigure& f = line.Figure;
        json.beginObject()
            .field("seats", line.Seats)
            .field("shuffle", line.FastShuffle ? "fast" : "game")
            .field("threads", f.Threads)
            .field("deals", f.Deals)
            .field("hands", f.Hands)
            .field("seconds", f.Seconds)
            .field("cpu_seconds", f.CpuSeconds)
            .field("deals_per_second", rate(f.Deals, f.Seconds))
            .field("hands_per_second", rate(f.Hands, f.Seconds))
            .field("deals_per_second_per_thread", perThread(f.Deals, f))
            .field("hands_per_second_per_thread", perThread(f.Hands, f))
            .field("deals_per_cpu_second", rate(f.Deals, f.CpuSeconds))
            .endObject();
    }
    json.endArray();
    const NumbersTiming& n = report.Numbers;
    json.key("card_test")
        .beginObject()
        .field("deals", n.CardTestDeals)
        .field("seconds", n.CardTestSeconds)
        .endObject();
    json.key("house_edge")
        .beginObject()
        .field("edge", n.HouseEdge)
        .field("half_width", n.HouseEdgeHalfWidth)
        .field("deals", n.HouseEdgeDeals)
        .field("seconds", n.HouseEdgeSeconds)
        .endObject();
    json.endObject().endObject();
    return json.text();
}

} // namespace dealmoor::sim
