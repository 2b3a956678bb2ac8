// The game as main() runs it, offscreen, with every seat played by the house on
// Auto Deal at Very Fast: the program the closing tests send signals to and
// `make soak` runs for hours. After every completed deal it checks the table
// and prints a line "deal N credits C1 .. Cs"; with --deals N it closes the
// table after N deals and prints how fast it dealt and how much memory it held.
//
//   game_under_test [--deals N] [--seats S] [--program-dir DIR]

#include "app/GameApp.h"
#include "engine/Money.h"
#include "platform/Folders.h"
#include "table/TableWindow.h"
#include "tests/platform/ProcessMemory.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace dealmoor;

namespace {

struct Options {
    long deals = 0; // 0: until the program is closed from outside
    int seats = 1;
    std::string programDir = DEALMOOR_PROGRAM_DIR;
};

Options parse(const QStringList& args) {
    Options o;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--deals"))
            o.deals = args[i + 1].toLong();
        else if (args[i] == QLatin1String("--seats"))
            o.seats = std::clamp(args[i + 1].toInt(), 1, MaxSeats);
        else if (args[i] == QLatin1String("--program-dir"))
            o.programDir = args[i + 1].toStdString();
    }
    return o;
}

// What must hold between any two deals; "" when all does.
std::string brokenInvariant(const Game& game) {
    if (game.DealInProgress)
        return "the deal is still marked in progress";
    for (int slot = 0; slot < HandSlots; ++slot) {
        if (game.Hands[slot].CardCount != 0)
            return "hand slot " + std::to_string(slot) + " still holds cards";
    }
    for (int s = 1; s <= MaxSeats; ++s) {
        const Seat& seat = game.Seats[s];
        if (seat.Bet != 0 || seat.SplitBet != 0 || seat.InsuranceBet != 0)
            return "seat " + std::to_string(s) + " left a stake on the table";
        if (!std::isfinite(seat.Credits) || std::abs(seat.Credits) > MoneyLimit)
            return "seat " + std::to_string(s) + " holds credits out of range";
    }
    if (game.Shoe.ShoePos < 1 || game.Shoe.ShoePos > game.Shoe.Filled)
        return "the shoe position left the shoe";
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const Options options = parse(QApplication::arguments());

    GameApp game(options.programDir, WindowsDir());
    Game& table = game.session().game();
    TableWindow& window = game.window();
    for (int s = 1; s <= MaxSeats; ++s)
        table.Seats[s].Human = false;
    table.SeatCount = static_cast<uint8_t>(options.seats);
    window.setSpeed(Speed::VeryFast);
    game.show();

    const long memoryAtStart = testing::ResidentKilobytes();
    QElapsedTimer clock;
    clock.start();
    long seen = table.TotalHands;
    long failures = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (table.DealInProgress || table.TotalHands == seen)
            return;
        seen = table.TotalHands;
        if (const std::string broken = brokenInvariant(table); !broken.empty()) {
            ++failures;
            std::printf("invariant broken after deal %ld: %s\n", seen, broken.c_str());
        }
        std::string line = "deal " + std::to_string(seen) + " credits";
        for (int s = 1; s <= table.SeatCount; ++s)
            line += " " + FormatFileMoney(table.Seats[s].Credits);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        if (options.deals > 0 && seen >= options.deals) {
            const double minutes = double(clock.elapsed()) / 60000.0;
            std::printf("dealt %ld deals in %.2f minutes: %.1f deals a minute\n", seen, minutes,
                        double(seen) / minutes);
            std::printf("resident memory: %ld kB at the start, %ld kB at the end\n", memoryAtStart,
                        testing::ResidentKilobytes());
            std::printf("invariant failures: %ld\n", failures);
            std::fflush(stdout);
            window.closeQuietly();
        }
    });
    watch.start(2);
    window.findChild<QAction*>(QStringLiteral("AutoDeal2"))->trigger();
    const int status = QApplication::exec();
    return failures > 0 ? 1 : status;
}
