// Pictures and figures of the table at play, taken only on request:
//   DEALMOOR_SCREENSHOT_DIR=<folder>  saves the table in the middle of a deal at
//                                     1024x768 and 1920x1080 into that folder, and
//                                     at 1024x768 as table-ratio<n>.png, n the
//                                     screen's pixel ratio (QT_SCALE_FACTOR=2 for 2);
//   DEALMOOR_MEASURE_DEALS=<n>        deals n automatic deals (at Fast, or at the
//                                     DEALMOOR_MEASURE_SPEED given, 0..3) and prints
//                                     the processor share, the start-up time and
//                                     the resident memory afterwards.
// Without them every case is skipped, so the ordinary test run stays quick.

#include "engine/Deal.h"
#include "engine/Game.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "tests/platform/ProcessMemory.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QFile>
#include <QPushButton>

#include <sys/resource.h>

#include <algorithm>
#include <random>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

// The table window's own presenter plays the deals; this host passes every
// call on to it and notes what the dealer does, so a picture can be taken at
// the right moment.
class WatchedHost : public ForwardingHost {
public:
    using ForwardingHost::ForwardingHost;

    void DrawDealer(DealerPose pose) override {
        ForwardingHost::DrawDealer(pose);
        pose_ = pose;
        balloon_ = false;
        moment();
    }
    void ShowBalloon(std::string_view first, std::string_view second) override {
        ForwardingHost::ShowBalloon(first, second);
        balloon_ = true;
        moment();
    }
    void SeatPanel(int seat, PanelColour colour) override {
        ForwardingHost::SeatPanel(seat, colour);
        if (colour == PanelColour::Highlight)
            highlighted = seat;
        else if (highlighted == seat)
            highlighted = 0;
    }
    void Pause(double seconds) override {
        moment();
        ForwardingHost::Pause(seconds);
    }

    // Called at every step of the deal with what is on the table now.
    std::function<void(DealerPose pose, bool balloon)> onMoment;
    int highlighted = 0; // the seat whose panel is yellow now

private:
    void moment() {
        if (onMoment)
            onMoment(pose_, balloon_);
    }
    DealerPose pose_ = DealerPose::Rest;
    bool balloon_ = false;
};

// Notes when the table's surface first reaches the screen.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && ms < 0)
            ms = clock_.elapsed();
        return QObject::eventFilter(watched, event);
    }
    qint64 ms = -1;

private:
    const QElapsedTimer& clock_;
};

void SeatSixComputers(Game& game) {
    for (int seat = 1; seat <= MaxSeats; ++seat)
        game.Seats[seat].Human = false;
}

// The same shoe at every run, so that pictures taken apart show the same deal.
void LayTheSameShoe(Game& game) {
    Shoe& shoe = game.Shoe;
    for (int k = 1; k <= game.HouseRules.Cards; ++k) {
        const int card = (k - 1) % CardsPerDeck + 1;
        shoe.ShoeCards[k] = Card{card, (card - 1) % RanksPerSuit + 1};
    }
    std::shuffle(shoe.ShoeCards.begin() + 1, shoe.ShoeCards.begin() + 1 + game.HouseRules.Cards,
                 std::mt19937(1997));
    shoe.ShoePos = 1;
}

int CardsOnTable(const Game& game) {
    int cards = 0;
    for (const Hand& hand : game.Hands)
        cards += hand.CardCount;
    return cards;
}

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TableShowcaseTest : public QObject {
    Q_OBJECT

private slots:
    void screenshotsInTheMiddleOfADeal_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("reaching");
        // One picture with the dealer's word in the balloon, one with the dealer
        // reaching down with a card for a seat that hits.
        QTest::newRow("1024x768") << QSize(1024, 768) << "table-1024x768.png" << false;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << "table-1920x1080.png" << true;
        QTest::newRow("pixel ratio") << QSize(1024, 768) << "table-ratio%1.png" << false;
    }

    void screenshotsInTheMiddleOfADeal() {
        const QString folder = QString::fromLocal8Bit(qgetenv("DEALMOOR_SCREENSHOT_DIR"));
        if (folder.isEmpty())
            QSKIP("set DEALMOOR_SCREENSHOT_DIR to take the pictures");
        QFETCH(QSize, size);
        QFETCH(QString, file);
        QFETCH(bool, reaching);

        StartedTable table;
        Game& game = table.game();
        SeatSixComputers(game);
        LayTheSameShoe(game);
        table.window.setSpeed(Speed::Fast);
        ShowAt(table, size);
        if (file.contains(QLatin1String("%1")))
            file = file.arg(table.window.devicePixelRatio());

        // A later deal, with the cards of the dealer and of the seats on the table.
        QImage picture;
        WatchedHost host(table.window.presenter());
        host.onMoment = [&](DealerPose pose, bool balloon) {
            const bool moment =
                reaching ? pose == DealerPose::ReachDown && host.highlighted == game.CurrentSeat &&
                               game.Hands[game.CurrentSeat].CardCount >= 2
                         : balloon && pose == DealerPose::Rest && game.DealerHand().CardCount >= 3;
            if (picture.isNull() && game.TotalHands >= 2 && moment && CardsOnTable(game) >= 10) {
                picture = table.window.grab().toImage();
                host.onMoment = nullptr;
            }
        };
        for (int deal = 0; deal < 1000 && picture.isNull(); ++deal)
            PlayDeal(game, host);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(QDir(folder).filePath(file)));
        table.window.close();
    }

    void processorShareStartUpAndMemory() {
        const int deals = qEnvironmentVariableIntValue("DEALMOOR_MEASURE_DEALS");
        if (deals <= 0)
            QSKIP("set DEALMOOR_MEASURE_DEALS to measure");

        QElapsedTimer startUp;
        startUp.start();
        StartedTable table;
        Game& game = table.game();
        FirstPaint firstPaint(startUp);
        table.window.canvas().installEventFilter(&firstPaint);
        table.window.showNormal();
        table.window.resize(1280, 1024);
        QTRY_VERIFY(firstPaint.ms >= 0);
        const qint64 startUpMs = firstPaint.ms;

        SeatSixComputers(game);
        const QByteArray speed = qgetenv("DEALMOOR_MEASURE_SPEED");
        table.window.setSpeed(static_cast<Speed>(speed.isEmpty() ? 1 : speed.toInt() % SpeedCount));
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = ProcessorSeconds();
        QAction* autoDeal = table.action("AutoDeal2");
        autoDeal->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(game.TotalHands >= deals, deals * 60000);
        autoDeal->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!game.DealInProgress, 60000);
        const double cpu = ProcessorSeconds() - cpuBefore;
        const double seconds = double(wall.elapsed()) / 1000.0;

        qInfo("start-up to first painted frame: %lld ms", startUpMs);
        qInfo("%d deals at speed %d: %.1f s wall, %.2f s processor, %.2f%% of one core",
              game.TotalHands, int(game.Speed), seconds, cpu, 100.0 * cpu / seconds);
        qInfo("resident memory after %d deals: %ld kB", game.TotalHands,
              testing::ResidentKilobytes());
        table.window.close();
    }
};

DEALMOOR_QTEST_MAIN(TableShowcaseTest)
#include "TableShowcaseTest.moc"
