#include "tests/sim/SimProcess.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace dealmoor::testing {

namespace {

std::string quoted(const std::string& arg) {
    std::string text = "'";
    for (char c : arg) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

} // namespace

std::vector<std::string> SimOutput::lines(const std::string& prefix) const {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

bool SimOutput::hasLine(const std::string& line) const {
    for (const std::string& found : lines(line)) {
        if (found == line) {
            return true;
        }
    }
    return false;
}

SimSandbox::SimSandbox()
    : home_("HOME", dir_.path()), config_("XDG_CONFIG_HOME", dir_ / "config"),
      data_("XDG_DATA_HOME", dir_ / "data") {
    std::filesystem::create_directories(cardsDir());
}

std::string SimSandbox::writeSettings(const std::map<std::string, std::string>& keys) const {
    std::map<std::string, std::map<std::string, std::string>> sections{
        {"GameSettings", {{"Players", "1"}, {"DataDir", cardsDir()}}},
        {"GameRules", {{"TableMin", "10.00"}}},
        {"Player_1_Settings",
         {{"Number", "1"}, {"Human", "0"}, {"Name", "Tester"}, {"Credits", "1000.00"}}},
    };
    for (const auto& [name, value] : keys) {
        const auto dot = name.find('.');
        sections[name.substr(0, dot)][name.substr(dot + 1)] = value;
    }
    std::string text;
    for (const auto& [section, values] : sections) {
        text += "[" + section + "]\n";
        for (const auto& [key, value] : values) {
            text += key + "=" + value + "\n";
        }
    }
    const std::string path = dir_ / "settings.ini";
    WriteFile(path, text);
    return path;
}

std::string SimSandbox::writeShoe(const std::string& cards) const {
    const std::string path = dir_ / "shoe.txt";
    WriteFile(path, cards);
    return path;
}

SimOutput SimSandbox::run(const std::vector<std::string>& args) const {
    return runCommand(quoted(DEALMOOR_SIM_PATH), args);
}

SimOutput SimSandbox::runLimited(const std::vector<std::string>& args, int seconds,
                                 int memoryMiB) const {
    const std::string limits = "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=" +
                               std::to_string(memoryMiB) + "\" timeout -k 5 " +
                               std::to_string(seconds) + " ";
    return runCommand(limits + quoted(DEALMOOR_SIM_PATH), args);
}

SimOutput SimSandbox::runCommand(const std::string& program,
                                 const std::vector<std::string>& args) const {
    const std::string outPath = dir_ / "out.txt";
    const std::string errPath = dir_ / "err.txt";
    std::string command = program;
    for (const std::string& arg : args) {
        command += " " + quoted(arg);
    }
    command += " >" + quoted(outPath) + " 2>" + quoted(errPath) + " </dev/null";
    const int status = std::system(command.c_str());
    SimOutput output;
    output.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    output.out = ReadFile(outPath);
    output.err = ReadFile(errPath);
    return output;
}

} // namespace dealmoor::testing
