#pragma once
// The command line of dealmoor-sim.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dealmoor::sim {

struct SimOptions {
    int64_t Deals = 0;
    std::string SettingsFile; // empty: the first-run table
    std::optional<uint32_t> Seed;
    std::string ShoeFile; // empty: no rigged cards
    bool Log = false;
    bool Credits = false; // print "deal N credits ..." after every deal
    bool Check = false;
    unsigned Threads = 0; // 0: every core
    bool FastShuffle = false;
    bool Bench = false;
    bool Json = false; // the results (or the bench) as one JSON document on stdout
    bool TopUp = true; // refill a seat that could not cover its next deal
    bool Help = false;
};

struct ParseResult {
    SimOptions options;
    std::string error; // empty when the command line was understood
};

ParseResult ParseSimOptions(const std::vector<std::string>& args);

// Usage text printed by --help and after a command-line error.
extern const char* const UsageText;

} // namespace dealmoor::sim
