#include "sim/Bench.h"

#include "platform/NumberText.h"
#include "sim/Report.h"
#include "sim/SimRun.h"
#include "sim/SimTable.h"
#include "strategy/Simulation.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace dealmoor::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr double BenchSeconds = 2.0;
constexpr int64_t DealsPerLap = 4096; // deals between two looks at the clock

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

Lap playFor(const Game& prototype, uint32_t seed, double seconds) {
    SimTable table(prototype, TableConfig{}, seed, "");
    table.start();
    const auto start = Clock::now();
    const double cpuStart = threadCpuSeconds();
    double elapsed = 0;
    while (elapsed < seconds && !table.nobodyBets()) {
        table.play(DealsPerLap);
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return {table.stats().Deals, table.stats().Hands, elapsed, threadCpuSeconds() - cpuStart};
}

std::string padLeft(const std::string& text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string rate(int64_t count, double seconds) {
    return FixedText(seconds > 0 ? static_cast<double>(count) / seconds : 0.0, 0);
}

void printFigure(std::FILE* out, bool fast, const BenchFigure& f) {
    std::string text = ShuffleName(fast);
    text.resize(40, ' ');
    text += padLeft(std::to_string(f.Threads), 8) + padLeft(rate(f.Deals, f.Seconds), 14) +
            padLeft(rate(f.Hands, f.Seconds), 14) + padLeft(rate(f.Deals, f.CpuSeconds), 16) +
            padLeft(rate(f.Hands, f.CpuSeconds), 16);
    std::fputs(text.c_str(), out);
    std::fputc('\n', out);
    std::fflush(out);
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

void RunBench(std::FILE* out, const Game& table, uint32_t seed, unsigned cores) {
    Game computers = table;
    computers.SeatCount = MaxSeats;
    for (int s = 1; s <= MaxSeats; ++s) {
        computers.Seats[s].Human = false;
    }
    std::string head = "shuffle";
    head.resize(40, ' ');
    head += padLeft("threads", 8) + padLeft("deals/s", 14) + padLeft("hands/s", 14) +
            padLeft("deals/s/core", 16) + padLeft("hands/s/core", 16);
    std::fprintf(out,
                 "bench: six computer seats, about %.0f s a line; per core = per second of "
                 "processor time the tables got\n",
                 BenchSeconds);
    std::fputs((head + "\n").c_str(), out);
    for (bool fast : {false, true}) {
        computers.Random.FastShuffle = fast;
        printFigure(out, fast, MeasureDeals(computers, 1, seed, BenchSeconds));
        if (cores > 1) {
            printFigure(out, fast, MeasureDeals(computers, cores, seed, BenchSeconds));
        }
    }
}

} // namespace dealmoor::sim
