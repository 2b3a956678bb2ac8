// The player set-up window as the player drives it: the character browser, the
// number of players, the seat rows, OK and the close box, the way to the house
// rules and back, and the "Strategy" buttons with their file dialogs and the
// card editor replaced by the test's own.

#include "table/windows/PlayerSetupWindow.h"
#include "engine/Characters.h"
#include "engine/Game.h"
#include "setup/TableSettings.h"
#include "strategy/StrategyFile.h"
#include "table/ModalOverlay.h"

#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int Portrait = 178;

// A Heads sheet whose nine cells each have their own colour.
QRgb PortraitColour(int number) {
    return qRgb(20 * number, 200 - 15 * number, 90);
}

QImage CodedHeads() {
    QImage heads(Portrait, Portrait * MaxCharacters, QImage::Format_RGB32);
    for (int n = 1; n <= MaxCharacters; ++n) {
        for (int y = 0; y < Portrait; ++y) {
            for (int x = 0; x < Portrait; ++x)
                heads.setPixel(x, (n - 1) * Portrait + y, PortraitColour(n));
        }
    }
    return heads;
}

// A card whose title tells it apart.
StrategyCard TitledCard(const char* title) {
    StrategyCard card;
    FillDefaultTable(card);
    card.setTitle(title);
    return card;
}

// The file dialogs, answered from a script and remembering what they were asked.
struct ScriptedDialogs {
    std::string openAnswer;
    std::string saveAnswer;
    std::vector<std::pair<std::string, std::string>> opened; // folder, proposed name
    std::vector<std::string> saved;                          // proposed path

    CardFileDialogs make() {
        return {[this](const std::string& dir, const std::string& proposed) {
                    opened.emplace_back(dir, proposed);
                    return openAnswer;
                },
                [this](const std::string& proposedPath) {
                    saved.push_back(proposedPath);
                    return saveAnswer;
                }};
    }
};

// A table in play (seats 1 human, 2..6 computers, four in play, money moved)
// and the set-up window over it, shown.
struct SetUp {
    QTemporaryDir data;
    Game game;
    TableSettings settings;
    ScriptedDialogs files;
    std::vector<int> helpTopics;
    std::unique_ptr<PlayerSetupWindow> window;

    SetUp() {
        InitCharacters(game);
        ResetGameState(game);
        game.SeatCount = 4;
        game.TotalHands = 23;
        game.Seats[6].Number = 9;
        game.Seats[6].Name = "Rodney Roberts";
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            game.Seats[seat].Credits = 4321.5;
            game.Seats[seat].Borrowed = 6000;
            game.Seats[seat].StrategyFile = "CPLAYER" + std::to_string(game.Seats[seat].Number);
        }
        settings.DataDir = data.path().toStdString() + "/";
        open();
    }
    ~SetUp() {
        if (window)
            window->close();
    }

    void open() {
        window = std::make_unique<PlayerSetupWindow>(game, settings, CodedHeads());
        window->dialogs = files.make();
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->show();
    }

    std::string dataFile(const char* name) const { return settings.DataDir + name; }

    template <typename T = QPushButton> T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QPushButton* characterButton(int seat) const {
        return control(QStringLiteral("Button%1").arg(2 * seat));
    }
    QPushButton* controlButton(int seat) const {
        return control(QStringLiteral("Button%1").arg(2 * seat + 1));
    }
    QLineEdit* nameEdit(int seat) const {
        return control<QLineEdit>(QStringLiteral("Edit%1").arg(seat));
    }
    QPushButton* strategyButton(int seat) const {
        return control(QStringLiteral("Button%1").arg(13 + seat));
    }
    QWidget* row(int seat) const {
        return control<QWidget>(QStringLiteral("Panel%1").arg(seat + 3));
    }
    QRgb portraitPixel() const {
        return control<QLabel>("Image1")->pixmap().toImage().pixel(Portrait / 2, Portrait / 2);
    }
};

} // namespace

class PlayerSetupWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void opensWithTheSeatsAsTheyAre() {
        SetUp s;
        QCOMPARE(s.window->objectName(), "PlayForm");
        QCOMPARE(s.window->windowTitle(), "Select Players [press F1 for HELP]");
        QCOMPARE(s.control<QLabel>("Label1")->text(), "Character #1");
        QCOMPARE(s.control<QPlainTextEdit>("Memo1")->toPlainText(), CharacterAbout(1));
        QCOMPARE(s.portraitPixel(), PortraitColour(1));
        QCOMPARE(s.control<QLabel>("Label3")->text(), "4");
        QCOMPARE(s.control<QScrollBar>("ScrollBar2")->value(), 4);
        QCOMPARE(s.control<QScrollBar>("ScrollBar1")->minimum(), 1);
        QCOMPARE(s.control<QScrollBar>("ScrollBar1")->maximum(), 9);
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            const Seat& owner = s.game.Seats[seat];
            QCOMPARE(s.row(seat)->isVisible(), seat <= 4);
            QCOMPARE(s.characterButton(seat)->text(),
                     QStringLiteral("Character #%1").arg(owner.Number));
            QCOMPARE(s.controlButton(seat)->text(), owner.Human ? "Human" : "Computer");
            QCOMPARE(s.nameEdit(seat)->text(), QString::fromStdString(owner.Name));
            QCOMPARE(s.strategyButton(seat)->text(), "Strategy");
            QCOMPARE(s.strategyButton(seat)->isEnabled(), !owner.Human);
            QCOMPARE(s.strategyButton(seat)->property("tag").toInt(), seat);
        }
        QCOMPARE(s.control("Button1")->text(), "&Edit Rules");
        QCOMPARE(s.control("BitBtn1")->text(), "&OK");
    }

    void theBrowserShowsTheCharacterOfScrollBar1() {
        SetUp s;
        for (int n : {5, 9, 2}) {
            s.control<QScrollBar>("ScrollBar1")->setValue(n);
            QCOMPARE(s.control<QLabel>("Label1")->text(), QStringLiteral("Character #%1").arg(n));
            QCOMPARE(s.control<QPlainTextEdit>("Memo1")->toPlainText(), CharacterAbout(n));
            QCOMPARE(s.portraitPixel(), PortraitColour(n));
        }
    }

    void theNumberOfPlayersShowsExactlyThoseRows() {
        SetUp s;
        const QSize size = s.window->size();
        for (int count : {1, 6, 3}) {
            s.control<QScrollBar>("ScrollBar2")->setValue(count);
            QCOMPARE(s.control<QLabel>("Label3")->text(), QString::number(count));
            for (int seat = 1; seat <= MaxSeats; ++seat)
                QCOMPARE(s.row(seat)->isVisible(), seat <= count);
        }
        QCOMPARE(s.window->size(), size); // the window does not jump as rows come and go
    }

    void theCharacterButtonGoesFromNineToOne() {
        SetUp s;
        s.characterButton(6)->click();
        QCOMPARE(s.characterButton(6)->text(), "Character #1");
        QCOMPARE(s.nameEdit(6)->text(), "Dan Deerfield");
        QCOMPARE(s.control<QScrollBar>("ScrollBar1")->value(), 1);

        // A human row takes the character's name too, and stays human.
        s.characterButton(1)->click();
        QCOMPARE(s.characterButton(1)->text(), "Character #2");
        QCOMPARE(s.nameEdit(1)->text(), "Sid Serious");
        QCOMPARE(s.controlButton(1)->text(), "Human");
        QCOMPARE(s.control<QLabel>("Label1")->text(), "Character #2");
        QCOMPARE(s.portraitPixel(), PortraitColour(2));
    }

    void theControlButtonSwitchesNameAndStrategy() {
        SetUp s;
        s.controlButton(3)->click();
        QCOMPARE(s.controlButton(3)->text(), "Human");
        QCOMPARE(s.nameEdit(3)->text(), "Human Player");
        QVERIFY(!s.strategyButton(3)->isEnabled());
        s.controlButton(3)->click();
        QCOMPARE(s.controlButton(3)->text(), "Computer");
        QCOMPARE(s.nameEdit(3)->text(), "Harvey Hangover");
        QVERIFY(s.strategyButton(3)->isEnabled());
    }

    void okCommitsEveryRowAndFreshMoney() {
        SetUp s;
        s.control<QScrollBar>("ScrollBar2")->setValue(3);
        s.controlButton(2)->click();
        QTest::keyClicks(s.nameEdit(2), QStringLiteral(" the Second"));
        s.characterButton(5)->click(); // a hidden row still counts
        s.control("BitBtn1")->click();

        QVERIFY(!s.window->isVisible());
        Game& game = s.game;
        QCOMPARE(game.TotalHands, 0);
        QCOMPARE(int(game.SeatCount), 3);
        QCOMPARE(game.Seats[2].Name, std::string("Human Player the Second"));
        QVERIFY(game.Seats[2].Human);
        QCOMPARE(int(game.Seats[5].Number), 6);
        QCOMPARE(game.Seats[5].Name, std::string("Sally Sullivan"));
        QCOMPARE(game.Seats[5].About, std::string(CharacterAbout(6)));
        QCOMPARE(game.Seats[5].StrategyFile, std::string("CPLAYER6"));
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            QCOMPARE(game.Seats[seat].Credits, 5000.0);
            QCOMPARE(game.Seats[seat].Borrowed, 5000.0);
        }
    }

    void theCloseBoxKeepsTheSeats() {
        SetUp s;
        s.game.Seats[3].StrategyFile = "MYCARD"; // picked in an earlier visit
        s.control<QScrollBar>("ScrollBar2")->setValue(2);
        s.controlButton(1)->click();
        s.characterButton(4)->click();
        QTest::keyClicks(s.nameEdit(5), QStringLiteral("xyz"));
        QVERIFY(s.window->close());

        const Game& game = s.game;
        QCOMPARE(game.TotalHands, 23);
        QCOMPARE(int(game.SeatCount), 4);
        QVERIFY(game.Seats[1].Human);
        QCOMPARE(game.Seats[1].Name, std::string("Human Player"));
        QCOMPARE(int(game.Seats[4].Number), 7);
        QCOMPARE(game.Seats[5].Name, std::string("Eddie \"the Edge\""));
        QCOMPARE(game.Seats[2].Credits, 4321.5);
        // Only the card files go back to the characters' own.
        QCOMPARE(game.Seats[3].StrategyFile, std::string("CPLAYER3"));
    }

    void editRulesKeepsTheRowsTheUserChanged() {
        SetUp s;
        s.control<QScrollBar>("ScrollBar2")->setValue(5);
        s.controlButton(2)->click();
        QTest::keyClicks(s.nameEdit(2), QStringLiteral("!"));
        ModalPoller rules([](QWidget* window) {
            QCOMPARE(window->objectName(), "RulesFrm");
            window->findChild<QPushButton*>("Button13")->click(); // four decks to six
            window->findChild<QPushButton*>("BitBtn8")->click();
        });
        s.control("Button1")->click();
        QVERIFY(rules.acted());

        QCOMPARE(s.game.HouseRules.Cards, 312);
        QCOMPARE(s.game.TotalHands, 0); // new rules: the new game starts afresh
        QCOMPARE(s.control<QLabel>("Label3")->text(), "5");
        QVERIFY(s.row(5)->isVisible());
        QCOMPARE(s.controlButton(2)->text(), "Human");
        QCOMPARE(s.nameEdit(2)->text(), "Human Player!");
    }

    void aPickedCardIsPlayedAndRecordedEvenWhenEditingIsCancelled() {
        SetUp s;
        WriteCardFile(s.dataFile("cplayer2.stc"), TitledCard("Sid's own"));
        WriteCardFile(s.dataFile("LONGNAME1.stc"), TitledCard("Long"));
        s.files.openAnswer = s.dataFile("LONGNAME1.stc");
        int edits = 0;
        s.window->editCard = [&](StrategyCard& card) {
            ++edits;
            card.setTitle("changed but not saved");
            return false;
        };
        s.settings.SaveStrategy = true;
        s.strategyButton(2)->click();

        QCOMPARE(s.files.opened.size(), std::size_t{1});
        QCOMPARE(s.files.opened[0].first, s.settings.DataDir);
        QCOMPARE(s.files.opened[0].second, std::string("cplayer2.stc"));
        QCOMPARE(edits, 1);
        QVERIFY(s.files.saved.empty());
        QVERIFY(!s.settings.SaveStrategy);
        QCOMPARE(s.game.StrategyCards[2].titleText(), std::string("Long"));
        QVERIFY(s.window->close());
        QCOMPARE(s.game.Seats[2].StrategyFile, std::string("LONGNAME1"));
        QCOMPARE(s.game.StrategyCards[2].titleText(), std::string("Long"));
    }

    void aSavedCardBecomesTheSeatsCardUnderItsNewName() {
        SetUp s;
        WriteCardFile(s.dataFile("MYCARD.stc"), TitledCard("Mine"));
        s.files.openAnswer = s.dataFile("MYCARD.stc");
        s.files.saveAnswer = s.dataFile("Edited.stc");
        s.window->editCard = [](StrategyCard& card) {
            card.cell(1, 1) = 'S';
            card.setTitle("Edited");
            return true;
        };
        s.strategyButton(3)->click();

        QCOMPARE(s.files.opened[0].second, std::string()); // no cplayer3.stc to propose
        QCOMPARE(s.files.saved, std::vector<std::string>{s.dataFile("MYCARD.stc")});
        QVERIFY(s.settings.SaveStrategy);
        StrategyCard written;
        QVERIFY(ReadCardFile(s.dataFile("Edited.stc"), written));
        QCOMPARE(written.titleText(), std::string("Edited"));
        QCOMPARE(int(written.cell(1, 1)), int('S'));
        QCOMPARE(s.game.StrategyCards[3].titleText(), std::string("Edited"));
        s.control("BitBtn1")->click();
        QCOMPARE(s.game.Seats[3].StrategyFile, std::string("Edited"));
    }

    void cardFileFailuresAreReportedAndChangeNothing() {
        SetUp s;
        QFile shortFile(QString::fromStdString(s.dataFile("short.stc")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QByteArray(390, 'H'));
        shortFile.close();
        const StrategyCard before = s.game.StrategyCards[4];
        s.files.openAnswer = s.dataFile("short.stc");
        bool edited = false;
        s.window->editCard = [&](StrategyCard&) { return edited = true; };
        QString message;
        {
            ModalPoller box([&](QWidget* w) {
                message = MessageBoxText(w);
                PressMessageBoxButton(w, QMessageBox::Ok);
            });
            s.strategyButton(4)->click();
            QVERIFY(box.acted());
        }
        QCOMPARE(message, "Unable to read strategy card short.stc");
        QVERIFY(!edited);
        QCOMPARE(s.game.StrategyCards[4].titleText(), before.titleText());

        // A card that cannot be written keeps the seat at the card it picked.
        WriteCardFile(s.dataFile("good.stc"), TitledCard("Good"));
        s.files.openAnswer = s.dataFile("good.stc");
        s.files.saveAnswer = s.dataFile("no-such-folder/x.stc");
        s.window->editCard = [](StrategyCard& card) {
            card.setTitle("lost");
            return true;
        };
        {
            ModalPoller box([&](QWidget* w) {
                message = MessageBoxText(w);
                PressMessageBoxButton(w, QMessageBox::Ok);
            });
            s.strategyButton(4)->click();
            QVERIFY(box.acted());
        }
        QCOMPARE(message, QString::fromStdString("Unable to write to " + s.files.saveAnswer));
        QCOMPARE(s.game.StrategyCards[4].titleText(), std::string("Good"));
        s.control("BitBtn1")->click();
        QCOMPARE(s.game.Seats[4].StrategyFile, std::string("good"));
    }

    void withoutACardEditorOrAFileNothingIsSaved() {
        SetUp s;
        WriteCardFile(s.dataFile("plain.stc"), TitledCard("Plain"));
        s.files.openAnswer = ""; // cancelled
        s.strategyButton(5)->click();
        QVERIFY(s.files.saved.empty());

        s.files.openAnswer = s.dataFile("plain.stc");
        s.strategyButton(5)->click(); // no card editor: taken as picked
        QVERIFY(s.files.saved.empty());
        QCOMPARE(s.game.StrategyCards[5].titleText(), std::string("Plain"));
        QCOMPARE(s.game.StrategyCards[EditSlot].titleText(), std::string("Plain"));
        QVERIFY(s.window->close());
        QCOMPARE(s.game.Seats[5].StrategyFile, std::string("plain"));
    }

    void seatsThatChangedTheirCardFilePlayThatFile() {
        SetUp s;
        WriteCardFile(s.dataFile("cplayer3.stc"), TitledCard("Harvey's own"));
        s.game.Seats[3].StrategyFile = "MYCARD"; // picked in an earlier visit
        s.game.StrategyCards[3] = TitledCard("Mine");
        QVERIFY(s.window->close());
        QCOMPARE(s.game.Seats[3].StrategyFile, std::string("CPLAYER3"));
        QCOMPARE(s.game.StrategyCards[3].titleText(), std::string("Harvey's own"));
    }

    void f1OpensTheSetUpTopicFromEveryControl() {
        SetUp s;
        QTest::keyClick(s.nameEdit(3), Qt::Key_F1);
        QTest::keyClick(s.strategyButton(2), Qt::Key_F1);
        QTest::keyClick(s.window.get(), Qt::Key_F1);
        QCOMPARE(s.helpTopics, (std::vector<int>{41012, 41012, 41012}));
        for (QWidget* control : s.window->findChildren<QWidget*>())
            QCOMPARE(HelpContextOf(control), 41012);
    }
};

DEALMOOR_QTEST_MAIN(PlayerSetupWindowTest)
#include "PlayerSetupWindowTest.moc"
