#pragma once
// The game as main() builds it: a session started over the test's private
// settings folder and the program folder the build draws the pictures into,
// and its table window, which saves through the session when it closes.

#include "app/Session.h"
#include "engine/TableHost.h"
#include "platform/Folders.h"
#include "table/FilePaths.h"
#include "table/TableCanvas.h"
#include "table/TableWindow.h"

#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

namespace dealmoor::testing {

struct StartedTable {
    std::unique_ptr<Session> session = started();
    TableWindow window{session->game(), session->settings()};

    StartedTable() {
        window.setStore(session.get());
        window.setStatisticsStore(session.get());
    }

    Game& game() { return session->game(); }
    TableSettings& settings() { return session->settings(); }

    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QAction* action(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    QTimer* timer(const char* name) { return window.findChild<QTimer*>(QString::fromLatin1(name)); }

private:
    static std::unique_ptr<Session> started() {
        auto session = std::make_unique<Session>(TestProgramDir(), WindowsDir());
        session->Start();
        return session;
    }
};

// Removes the settings file a started table may have written at closing.
inline void RemoveSettingsFile() {
    const QString path = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/dealmoor/DMOOR.INI";
    QFile::remove(path);
    QDir(path).removeRecursively();
}

// Window tests over started tables: no settings file before or after a test,
// and no window left open by it.
class StartedTableTest : public QObject {
    Q_OBJECT
private slots:
    void init() { RemoveSettingsFile(); }
    void cleanup() {
        QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open");
        RemoveSettingsFile();
    }
};

// The table in a window of `size`, as a player resizes it.
inline void ShowAt(StartedTable& table, QSize size) {
    table.window.showNormal();
    table.window.resize(size);
    QTRY_COMPARE(table.window.size(), size);
}

// The dealer holds one card, face up: it lies at (50, 300) of the dealer view.
inline void ShowDealerCard(Game& game, int cardId, int rank) {
    Hand& dealer = game.Hands[DealerSlot];
    ClearHand(dealer);
    dealer.CardIds[0] = cardId;
    dealer.Ranks[0] = rank;
    dealer.Shown[0] = true;
    dealer.CardCount = 1;
    ComputeTotal(dealer);
}
inline constexpr QPoint DealerCardInView{50, 300};

// A picture the build drew beside the program, as plain 32-bit pixels.
inline QImage ShippedPicture(const std::string& name) {
    return LoadPicture(TestProgramDir() + name).convertToFormat(QImage::Format_RGB32);
}

// Pixels without the pixel ratio they carry, for comparisons pixel by pixel.
inline QImage Plain(QImage picture) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(1);
    return picture;
}

// The dealer's card as a surface of twice the density shows it, and its cell in the twin of the
// Cards sheet: the same pixels when the table draws from the twins.
inline std::pair<QImage, QImage> DealerCardAndItsTwin(const TableCanvas& canvas, int cardId,
                                                      int rank) {
    const QRect cell = CardCell(cardId, rank);
    const QPoint card =
        (QPoint(canvas.DealerArea.left, canvas.DealerArea.top) + DealerCardInView) * 2;
    return {Plain(canvas.surface()).copy(QRect(card, cell.size() * 2)),
            ShippedPicture("Cards@2x.png").copy(QRect(cell.topLeft() * 2, cell.size() * 2))};
}

// Every seat played by the house, as fast as the table goes.
inline void SeatOnlyComputers(StartedTable& table) {
    for (int seat = 1; seat <= MaxSeats; ++seat)
        table.game().Seats[seat].Human = false;
    table.window.setSpeed(Speed::VeryFast);
}

// Runs `act` once, from inside the deal, the first time a deal is found running.
class DuringDeal {
public:
    DuringDeal(const Game& game, std::function<void()> act) : game_(game), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (game_.DealInProgress && !done_) {
                done_ = true;
                act_();
            }
        });
        timer_.start(5);
    }
    bool done() const { return done_; }

private:
    const Game& game_;
    std::function<void()> act_;
    QTimer timer_;
    bool done_ = false;
};

// A host that passes every call on to another, so a test can watch a deal the
// table window's presenter plays.
class ForwardingHost : public TableHost {
public:
    explicit ForwardingHost(TableHost& target) : target_(target) {}

    void Pause(double seconds) override { target_.Pause(seconds); }
    double AskBet(int seat, BetKind kind) override { return target_.AskBet(seat, kind); }
    Decision AskDecision(int seat, int hand, const DecisionOffer& offered) override {
        return target_.AskDecision(seat, hand, offered);
    }
    void DrawDealer(DealerPose pose) override { target_.DrawDealer(pose); }
    void SetFace(int seat, int frame) override { target_.SetFace(seat, frame); }
    void SeatPanel(int seat, PanelColour colour) override { target_.SeatPanel(seat, colour); }
    void ShowBalloon(std::string_view first, std::string_view second) override {
        target_.ShowBalloon(first, second);
    }
    void DealAnimation() override { target_.DealAnimation(); }
    void WriteTableText(TableText text, bool secondHand) override {
        target_.WriteTableText(text, secondHand);
    }
    void PlayCardSound() override { target_.PlayCardSound(); }
    void PlayWinSound() override { target_.PlayWinSound(); }
    void PlayLoseSound() override { target_.PlayLoseSound(); }
    void PlayBlackjackSound() override { target_.PlayBlackjackSound(); }
    bool PlayShuffleSound() override { return target_.PlayShuffleSound(); }
    void SetCaption(std::string_view caption) override { target_.SetCaption(caption); }
    void ShowShuffling() override { target_.ShowShuffling(); }
    void SetThinkingTimer(bool enabled) override { target_.SetThinkingTimer(enabled); }
    // The test deals by itself: the table window must not start deals of its own.
    void ArmAutoDealTimer() override {}

private:
    TableHost& target_;
};

} // namespace dealmoor::testing
