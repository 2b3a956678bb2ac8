// The game run as a program, closed from outside in the middle of a deal: a
// logout or a shutdown (SIGTERM), an interrupt (SIGINT) or a hang-up (SIGHUP)
// calls the running deal off and saves the table as it stood after the last
// completed deal; nothing of an evening's play is lost.

#include "platform/ProfileFile.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

namespace dealmoor {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;
using Clock = std::chrono::steady_clock;

// The game under test, its standard output read line by line.
class RunningGame {
public:
    explicit RunningGame(const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(DEALMOOR_GAME_UNDER_TEST));
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
        ::fcntl(out_, F_SETFL, O_NONBLOCK);
    }
    ~RunningGame() {
        if (pid_ > 0 && !ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            ::close(out_);
    }
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // The next whole line the game prints, or "" when none comes in time.
    std::string nextLine(std::chrono::seconds patience) {
        const auto until = Clock::now() + patience;
        for (;;) {
            if (const auto end = buffer_.find('\n'); end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            if (left.count() <= 0)
                return {};
            pollfd readable{out_, POLLIN, 0};
            if (::poll(&readable, 1, static_cast<int>(left.count())) <= 0)
                continue;
            char chunk[512];
            const ssize_t got = ::read(out_, chunk, sizeof chunk);
            if (got <= 0)
                return {};
            buffer_.append(chunk, static_cast<std::size_t>(got));
        }
    }

    void signal(int number) { ::kill(pid_, number); }

    // The exit status once the game has ended by itself; -1 when it did not in time.
    int waitForExit(std::chrono::seconds patience) {
        const auto until = Clock::now() + patience;
        while (Clock::now() < until) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                ended_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool ended_ = false;
    std::string buffer_;
};

class ClosingSignalsTest : public ::testing::TestWithParam<int> {
protected:
    std::string settingsFile() const { return dir / "config/dealmoor/DMOOR.INI"; }
    std::string savedCredits() const {
        return ProfileFile(settingsFile()).getString("Player_1_Settings", "Credits", "");
    }

    TempFolder dir;
    ScopedEnv home{"HOME", dir / "home"};
    ScopedEnv config{"XDG_CONFIG_HOME", dir / "config"};
    ScopedEnv data{"XDG_DATA_HOME", dir / "data"};
};

TEST_P(ClosingSignalsTest, ASignalInTheMiddleOfADealKeepsTheLastCompletedOne) {
    RunningGame game({"--seats", "1"});
    // Two deals played and the second one kept, then into the third.
    std::string last;
    for (int deals = 0; deals < 2;) {
        const std::string line = game.nextLine(std::chrono::seconds(120));
        ASSERT_FALSE(line.empty()) << "the game printed no deal";
        ASSERT_EQ(line.rfind("invariant", 0), std::string::npos) << line;
        if (line.rfind("deal ", 0) == 0) {
            last = line;
            ++deals;
        }
    }
    const std::string credits = last.substr(last.rfind(' ') + 1);
    const auto kept = Clock::now() + std::chrono::seconds(20);
    while (savedCredits() != credits && Clock::now() < kept)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(savedCredits(), credits) << "the deal was not kept as it finished";

    // The next deal starts 200 ms after the last one ended and lasts longer.
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    game.signal(GetParam());
    EXPECT_EQ(game.waitForExit(std::chrono::seconds(60)), 0) << "the game did not close by itself";
    EXPECT_EQ(savedCredits(), credits) << "the deal called off moved money in the saved table";
}

INSTANTIATE_TEST_SUITE_P(Signals, ClosingSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM  ? "Terminate"
                                                : info.param == SIGINT ? "Interrupt"
                                                                       : "HangUp");
                         });

} // namespace
} // namespace dealmoor
