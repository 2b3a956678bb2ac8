#pragma once
// Runs the built dealmoor-sim in a private home and captures what it prints.

#include "tests/platform/TempFolder.h"

#include <map>
#include <string>
#include <vector>

namespace dealmoor::testing {

struct SimOutput {
    int exitCode = -1;
    std::string out;
    std::string err;

    // The lines of stdout that start with `prefix`, in order.
    std::vector<std::string> lines(const std::string& prefix) const;
    bool hasLine(const std::string& line) const;
};

// A private home for the simulator: HOME and the XDG folders point into a
// temporary folder, which also holds the settings, shoe and card files.
class SimSandbox {
public:
    SimSandbox();

    const TempFolder& dir() const { return dir_; }
    // The folder the settings send the simulator to for strategy cards.
    std::string cardsDir() const { return dir_ / "cards/"; }

    // Writes a settings file: one seat by default, a computer seat with 1000
    // credits betting the table minimum of 10, the standard rules otherwise.
    // `keys` adds or replaces "Section.Key" values.
    std::string writeSettings(const std::map<std::string, std::string>& keys = {}) const;
    std::string writeShoe(const std::string& cards) const;

    SimOutput run(const std::vector<std::string>& args) const;
    // The same, but the simulator is stopped after `seconds` (exit code 124) and,
    // under the sanitizers, once it holds more than `memoryMiB` of memory: for
    // inputs that could make it wait or read for ever.
    SimOutput runLimited(const std::vector<std::string>& args, int seconds, int memoryMiB) const;

private:
    SimOutput runCommand(const std::string& program, const std::vector<std::string>& args) const;

    TempFolder dir_;
    ScopedEnv home_;
    ScopedEnv config_;
    ScopedEnv data_;
};

} // namespace dealmoor::testing
