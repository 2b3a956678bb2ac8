#pragma once
// Long runs of simulated deals, cut into chunks and played on worker threads.
//
// A run of N deals is cut into chunks of a fixed number of deals. Chunk c is
// played from a fresh shoe seeded from (seed, c), so it deals the same cards
// whichever thread plays it and whenever; the chunks' results are added up in
// chunk order. A run therefore gives the same figures for a seed whatever the
// number of threads and however they are scheduled, and a run stopped early
// holds the first chunks of the same run played to its end.
//
// The calling thread hands out nothing itself: it waits for chunks, adds them
// up in order and calls the progress callback after each one (always on the
// calling thread). The run ends when every chunk is in, when the callback says
// the figures are settled, or soon after the stop flag is raised; every worker
// has been joined when it returns.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace dealmoor {

struct SimulationPlan {
    int64_t Deals = 2'000'000;
    uint32_t Seed = 1;
    unsigned Threads = 0;        // 0: one for every core
    int64_t ChunkDeals = 50'000; // deals a worker plays before it reports
    bool FastShuffle = true;     // one uniform mixing pass per shoe (see RandomSource)
};

// The seed of part `part` of a run (a chunk, or one of several tables): the
// run's own seed for part 0, unrelated values for the others.
uint32_t SeedForPart(uint32_t seed, uint64_t part);

// Threads a plan uses: its own count, or one for every core; never more than
// there are chunks.
unsigned ThreadsFor(const SimulationPlan& plan);

// What a chunk sees of the stop: the caller's flag, or the run having settled.
class StopSignal {
public:
    StopSignal(const std::atomic<bool>& caller, const std::atomic<bool>& settled)
        : caller_(caller), settled_(settled) {}
    bool raised() const {
        return caller_.load(std::memory_order_relaxed) || settled_.load(std::memory_order_relaxed);
    }

private:
    const std::atomic<bool>& caller_;
    const std::atomic<bool>& settled_;
};

// How a run ended.
enum class RunEnd {
    Complete, // every deal of the plan was played
    Settled,  // the progress callback found the figures good enough
    Stopped,  // the stop flag was raised first
};

// Plays the chunks of `plan` on worker threads. `play(chunk, deals, stop)`
// plays one chunk and returns its tally, or nothing when `stop` was raised
// before its last deal (a cut chunk never counts). `progress(total)` sees the
// tally of the chunks added up so far and returns true once it is settled.
// A Tally has a member merge(const Tally&) and a default state meaning nothing
// played.
template <typename Tally, typename Play, typename Progress>
RunEnd RunInChunks(const SimulationPlan& plan, Play play, Progress progress,
                   const std::atomic<bool>& stop, Tally& total) {
    const int64_t chunkDeals = std::max<int64_t>(1, plan.ChunkDeals);
    const int64_t chunks = plan.Deals <= 0 ? 0 : (plan.Deals + chunkDeals - 1) / chunkDeals;
    std::atomic<bool> settled{false};
    const StopSignal signal(stop, settled);
    std::atomic<int64_t> nextChunk{0};
    std::mutex lock;
    std::condition_variable chunkDone;
    std::map<int64_t, Tally> waiting; // chunks played out of order
    bool cut = false;                 // a stop left a chunk unfinished
    unsigned working = 0;
    std::exception_ptr failure;

    const auto worker = [&] {
        for (;;) {
            const int64_t chunk = nextChunk.fetch_add(1);
            if (chunk >= chunks || signal.raised()) {
                break;
            }
            const int64_t deals = std::min(chunkDeals, plan.Deals - chunk * chunkDeals);
            try {
                auto tally = play(chunk, deals, signal);
                const std::lock_guard<std::mutex> guard(lock);
                if (tally) {
                    waiting.emplace(chunk, std::move(*tally));
                } else {
                    cut = true;
                }
            } catch (...) {
                const std::lock_guard<std::mutex> guard(lock);
                failure = std::current_exception();
                settled.store(true);
            }
            chunkDone.notify_one();
        }
        const std::lock_guard<std::mutex> guard(lock);
        --working;
        chunkDone.notify_one();
    };

    const unsigned threads = static_cast<unsigned>(
        std::clamp<int64_t>(ThreadsFor(plan), 1, std::max<int64_t>(chunks, 1)));
    std::vector<std::thread> workers;
    working = threads;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(worker);
    }

    RunEnd end = RunEnd::Complete;
    int64_t merged = 0;
    {
        std::unique_lock<std::mutex> guard(lock);
        for (;;) {
            // The caller's flag is also watched here, so a stop is seen even
            // while every worker is in the middle of a chunk.
            chunkDone.wait_for(guard, std::chrono::milliseconds(5), [&] {
                return waiting.count(merged) > 0 || working == 0 || cut ||
                       stop.load(std::memory_order_relaxed);
            });
            while (!settled.load() && waiting.count(merged) > 0) {
                total.merge(waiting.at(merged));
                waiting.erase(merged);
                ++merged;
                guard.unlock();
                const bool enough = progress(static_cast<const Tally&>(total));
                guard.lock();
                if (enough && merged < chunks) {
                    settled.store(true);
                    end = RunEnd::Settled;
                }
            }
            if (merged == chunks || settled.load()) {
                break;
            }
            if (stop.load(std::memory_order_relaxed) || cut || working == 0) {
                end = RunEnd::Stopped;
                break;
            }
        }
    }
    for (std::thread& thread : workers) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return end;
}

// A piece of work on a thread of its own, stopped and joined at the latest
// when the job goes: what a window keeps while it computes.
class BackgroundJob {
public:
    // work(stop) runs on the new thread and should return soon after stop is raised.
    explicit BackgroundJob(std::function<void(const std::atomic<bool>&)> work);
    ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Asks the work to stop; returns at once.
    void requestStop() { stop_.store(true); }
    // Waits until the work has returned.
    void wait();
    bool finished() const { return finished_.load(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace dealmoor
