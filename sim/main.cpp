// dealmoor-sim: plays deals of the table without a window, for statistics,
// checks and speed measurements.

#include "engine/Shoe.h"
#include "sim/Bench.h"
#include "sim/Report.h"
#include "sim/ShoeFile.h"
#include "sim/SimOptions.h"
#include "sim/SimRun.h"
#include "sim/TableSetup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::sim;

namespace {

constexpr int ExitCheckFailed = 1;
constexpr int ExitBadInput = 2;

int badInput(const std::string& message, bool usage) {
    std::fprintf(stderr, "dealmoor-sim: %s\n", message.c_str());
    if (usage) {
        std::fputs(UsageText, stderr);
    }
    return ExitBadInput;
}

unsigned coreCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

uint32_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

// A log, the credit lines and a rigged shoe tell the story of one table.
unsigned tablesFor(const SimOptions& o) {
    if (o.Log || o.Credits || !o.ShoeFile.empty()) {
        return 1;
    }
    const unsigned wanted = o.Threads > 0 ? o.Threads : coreCount();
    return static_cast<unsigned>(std::min<int64_t>(wanted, o.Deals));
}

void printCardFiles(const Game& game, const TableSetup& setup) {
    for (int s = 1; s <= game.SeatCount; ++s) {
        if (!setup.cardFiles[s].empty()) {
            std::printf("seat %d card: %s\n", s, setup.cardFiles[s].c_str());
        }
    }
}

// Text lines as each measurement is done, or one JSON document at the end.
void runBench(const Game& table, uint32_t seed, bool json) {
    const unsigned cores = coreCount();
    if (json) {
        std::fputs(BenchJson(RunBench(table, seed, cores, nullptr)).c_str(), stdout);
        return;
    }
    std::fputs(BenchHeading(ReadLoadAverage(), cores).c_str(), stdout);
    std::fflush(stdout);
    const BenchReport report = RunBench(table, seed, cores, [](const BenchLine& line) {
        std::fputs(BenchLineText(line).c_str(), stdout);
        std::fflush(stdout);
    });
    std::fputs(BenchClosing(report).c_str(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    const ParseResult parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        return badInput(parsed.error, true);
    }
    const SimOptions& o = parsed.options;
    if (o.Help) {
        std::fputs(UsageText, stdout);
        return 0;
    }

    Game table;
    const TableSetup setup = PrepareTable(table, o.SettingsFile);
    if (!setup.error.empty()) {
        return badInput(setup.error, false);
    }
    const uint32_t seed = o.Seed.value_or(clockSeed());
    if (o.Bench) {
        runBench(table, seed, o.Json);
        return 0;
    }
    table.Random.FastShuffle = o.FastShuffle;

    TableConfig config;
    config.Log = o.Log;
    config.Credits = o.Credits || o.Log;
    config.Check = o.Check;
    config.TopUp = o.TopUp;
    if (!o.ShoeFile.empty()) {
        ShoeFileResult shoe = ReadShoeFile(o.ShoeFile, ShoeSize(table.HouseRules));
        if (!shoe.error.empty()) {
            return badInput(shoe.error, false);
        }
        config.Rigged = std::move(shoe.cards);
        config.ShoeFileName = o.ShoeFile;
    }

    const RunDescription run{o.Deals, tablesFor(o), seed, o.FastShuffle, o.TopUp};
    if (!o.Json) {
        PrintHeader(stdout, table, run);
        printCardFiles(table, setup);
        std::fflush(stdout);
    }
    const bool progress = isatty(STDERR_FILENO) != 0;
    const RunResult result = RunTables(table, config, seed, run.Tables, o.Deals, progress);
    if (!result.error.empty()) {
        return badInput(result.error, false);
    }
    if (o.Json) {
        std::fputs(ResultsJson(table, setup.play, run, result, o.Check).c_str(), stdout);
    } else {
        PrintResults(stdout, table, setup.play, result, o.Check);
    }
    std::fflush(stdout);
    if (!result.failure.empty()) {
        std::fprintf(stderr, "dealmoor-sim: check failed: %s\n", result.failure.c_str());
        return ExitCheckFailed;
    }
    return 0;
}
