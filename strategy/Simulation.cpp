#include "strategy/Simulation.h"

#include <utility>

namespace dealmoor {

uint32_t SeedForPart(uint32_t seed, uint64_t part) {
    if (part == 0) {
        return seed;
    }
    // SplitMix64 finaliser: neighbouring parts get unrelated seeds.
    uint64_t z = (static_cast<uint64_t>(seed) << 32 | part) + 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

unsigned ThreadsFor(const SimulationPlan& plan) {
    if (plan.Threads > 0) {
        return plan.Threads;
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

BackgroundJob::BackgroundJob(std::function<void(const std::atomic<bool>&)> work)
    : thread_([this, work = std::move(work)] {
          work(stop_);
          finished_.store(true);
      }) {}

BackgroundJob::~BackgroundJob() {
    requestStop();
    wait();
}

void BackgroundJob::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace dealmoor
