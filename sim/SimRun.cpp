#include "sim/SimRun.h"

#include "strategy/Simulation.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace dealmoor::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto ProgressInterval = std::chrono::milliseconds(250);
constexpr auto ProgressPoll = std::chrono::milliseconds(20);

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Shows how far the run is, overwriting one line of the terminal.
void drawProgress(int64_t done, int64_t total) {
    std::fprintf(stderr, "\r%lld / %lld deals (%d%%)", static_cast<long long>(done),
                 static_cast<long long>(total), static_cast<int>(100 * done / total));
    std::fflush(stderr);
}

int64_t dealsDone(const std::vector<std::unique_ptr<SimTable>>& tables) {
    int64_t done = 0;
    for (const auto& table : tables) {
        done += table->dealsDone();
    }
    return done;
}

} // namespace

RunResult RunTables(const Game& prototype, const TableConfig& config, uint32_t seed,
                    unsigned tables, int64_t deals, bool progress) {
    RunResult result;
    std::vector<std::unique_ptr<SimTable>> running;
    for (unsigned t = 0; t < tables; ++t) {
        const std::string label = tables > 1 ? "table " + std::to_string(t + 1) + " " : "";
        running.push_back(
            std::make_unique<SimTable>(prototype, config, SeedForPart(seed, t), label));
        result.error = running.back()->start();
        if (!result.error.empty()) {
            return result;
        }
    }

    std::atomic<bool> stop{false};
    std::atomic<unsigned> finished{0};
    const auto start = Clock::now();
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < tables; ++t) {
        const int64_t share = deals / tables + (t < deals % tables ? 1 : 0);
        threads.emplace_back([&, t, share] {
            SimTable& table = *running[t];
            table.play(share, &stop);
            if (!table.failure().empty()) {
                stop.store(true); // one break is enough: the other tables stop too
            }
            finished.fetch_add(1);
        });
    }
    auto lastDrawn = start;
    while (progress && finished.load() < tables) {
        std::this_thread::sleep_for(ProgressPoll);
        if (Clock::now() - lastDrawn >= ProgressInterval) {
            drawProgress(dealsDone(running), deals);
            lastDrawn = Clock::now();
        }
    }
    for (auto& thread : threads) {
        thread.join();
    }
    result.seconds = secondsSince(start);
    if (progress) {
        drawProgress(dealsDone(running), deals);
        std::fputc('\n', stderr);
    }

    for (const auto& table : running) {
        result.stats.merge(table->stats());
        result.nobodyBets = result.nobodyBets || table->nobodyBets();
        if (result.failure.empty()) {
            result.failure = table->failure();
        }
    }
    return result;
}

} // namespace dealmoor::sim
