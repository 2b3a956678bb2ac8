// Runs cut into chunks on worker threads: the order they are added up in, the
// stop, and the background job a window keeps.

#include "strategy/Simulation.h"
#include "engine/HouseRules.h"
#include "strategy/Evaluation.h"
#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace dealmoor {
namespace {

// Threads of this process, as the system counts them.
int threadsRunning() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "Threads:") {
            int threads = 0;
            status >> threads;
            return threads;
        }
    }
    return -1;
}

// A tally that remembers the order its chunks were added in.
struct Order {
    std::vector<int64_t> chunks;
    int64_t deals = 0;
    void merge(const Order& other) {
        chunks.insert(chunks.end(), other.chunks.begin(), other.chunks.end());
        deals += other.deals;
    }
};

SimulationPlan planOf(int64_t deals, int64_t chunkDeals, unsigned threads) {
    SimulationPlan plan;
    plan.Deals = deals;
    plan.ChunkDeals = chunkDeals;
    plan.Threads = threads;
    return plan;
}

TEST(RunInChunks, AddsChunksUpInTheirOrderWhateverFinishesFirst) {
    std::atomic<bool> stop{false};
    Order total;
    int reports = 0;
    const RunEnd end = RunInChunks<Order>(
        planOf(1050, 100, 4),
        [](int64_t chunk, int64_t deals, const StopSignal&) {
            // Early chunks take longest, so later ones are done first.
            volatile int64_t spin = 0;
            for (int64_t i = 0; i < (12 - chunk) * 20000; ++i) {
                spin = spin + i;
            }
            return std::optional<Order>(Order{{chunk}, deals});
        },
        [&](const Order& soFar) {
            ++reports;
            EXPECT_EQ(static_cast<int64_t>(soFar.chunks.size()), soFar.chunks.back() + 1);
            return false;
        },
        stop, total);
    EXPECT_EQ(end, RunEnd::Complete);
    EXPECT_EQ(total.chunks, (std::vector<int64_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(total.deals, 1050) << "the last chunk holds the 50 left over";
    EXPECT_EQ(reports, 11);
}

TEST(RunInChunks, StopsWhenSettledAndKeepsOnlyWholeChunksInOrder) {
    std::atomic<bool> stop{false};
    Order total;
    const RunEnd end = RunInChunks<Order>(
        planOf(100'000, 10, 3),
        [](int64_t chunk, int64_t deals, const StopSignal&) {
            return std::optional<Order>(Order{{chunk}, deals});
        },
        [](const Order& soFar) { return soFar.deals >= 50; }, stop, total);
    EXPECT_EQ(end, RunEnd::Settled);
    EXPECT_EQ(total.chunks, (std::vector<int64_t>{0, 1, 2, 3, 4}));
}

TEST(RunInChunks, NothingToPlayEndsAtOnce) {
    std::atomic<bool> stop{false};
    Order total;
    int played = 0;
    const RunEnd end = RunInChunks<Order>(
        planOf(0, 100, 2),
        [&](int64_t, int64_t, const StopSignal&) {
            ++played;
            return std::optional<Order>(Order{});
        },
        [](const Order&) { return false; }, stop, total);
    EXPECT_EQ(end, RunEnd::Complete);
    EXPECT_EQ(played, 0);
}

TEST(RunInChunks, AChunkThatFailsStopsTheRunAndReportsIt) {
    std::atomic<bool> stop{false};
    Order total;
    const auto run = [&] {
        RunInChunks<Order>(
            planOf(1000, 10, 2),
            [](int64_t chunk, int64_t deals, const StopSignal&) {
                if (chunk == 3) {
                    throw std::runtime_error("chunk 3");
                }
                return std::optional<Order>(Order{{chunk}, deals});
            },
            [](const Order&) { return false; }, stop, total);
    };
    EXPECT_THROW(run(), std::runtime_error);
}

// A window's worker: raising the flag ends a long run soon, and once the job
// is gone no thread of it is left.
TEST(BackgroundJob, StopsALongRunAndLeavesNoThreadBehind) {
    const int before = threadsRunning();
    ASSERT_GT(before, 0);
    HouseRules rules;
    ApplyStandardRules(rules);
    StrategyCard card;
    FillDefaultTable(card);
    SimulationPlan plan;
    plan.Deals = 1'000'000'000; // far more than a test could wait for
    plan.Threads = 2;
    std::atomic<int> reports{0};
    std::optional<CardTestOutcome> outcome;
    {
        BackgroundJob job([&](const std::atomic<bool>& stop) {
            outcome = TestStrategyCard(
                rules, card, plan, [&](const CardTest&) { ++reports; }, stop);
        });
        while (reports.load() < 2) {
            std::this_thread::yield();
        }
        EXPECT_GT(threadsRunning(), before) << "the job and its workers run";
        job.requestStop();
        job.wait();
        EXPECT_TRUE(job.finished());
    }
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->End, RunEnd::Stopped);
    EXPECT_LT(outcome->Figures.deals(), plan.Deals);
    EXPECT_EQ(threadsRunning(), before);
}

// Going out of scope is enough: the job stops its work and joins it.
TEST(BackgroundJob, StopsWhenItGoes) {
    const int before = threadsRunning();
    std::atomic<bool> started{false};
    std::atomic<bool> sawStop{false};
    {
        BackgroundJob job([&](const std::atomic<bool>& stop) {
            started.store(true);
            while (!stop.load()) {
                std::this_thread::yield();
            }
            sawStop.store(true);
        });
        while (!started.load()) {
            std::this_thread::yield();
        }
    }
    EXPECT_TRUE(sawStop.load());
    EXPECT_EQ(threadsRunning(), before);
}

} // namespace
} // namespace dealmoor
