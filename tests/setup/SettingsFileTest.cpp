#include "setup/SettingsFile.h"
#include "engine/Characters.h"
#include "engine/Money.h"
#include "setup/DataFolder.h"
#include "setup/SoundDefaults.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using testing::ReadFile;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteFile;

// A table and the settings record the application keeps beside it.
struct Game : dealmoor::Game {
    TableSettings Settings;
};

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() {
        std::filesystem::create_directories(dir / "prog");
        std::filesystem::create_directories(dir / "config");
    }

    // The table's start-up as far as the settings file is concerned: rules,
    // characters, the start-of-run state, default sounds and data folder,
    // program settings, then the players.
    void startUp(Game& game) const {
        game.Settings.ProgramDir = dir / "prog/";
        game.Settings.WindowsDir = dir / "config/";
        const ProfileFile file(path());
        ReadHouseRules(game.HouseRules, file);
        InitCharacters(game);
        ResetGameState(game);
        SetDefaultSoundFiles(game.Settings);
        ChooseDataDir(game.Settings, 1'000'000);
        ReadGameSettings(game, game.Settings, file);
        ReadPlayers(game, file);
    }

    std::string path() const { return dir / "config/DMOOR.INI"; }

    void writeAll(const Game& game) const {
        ASSERT_TRUE(WriteSettings(game, game.Settings, path()).ok);
    }

    // Section names in file order, each with its key names in file order.
    std::vector<std::pair<std::string, std::vector<std::string>>> layout() const {
        std::vector<std::pair<std::string, std::vector<std::string>>> sections;
        std::istringstream in(ReadFile(path()));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] == '[') {
                sections.push_back({line.substr(1, line.find(']') - 1), {}});
            } else if (line.find('=') != std::string::npos && !sections.empty()) {
                sections.back().second.push_back(line.substr(0, line.find('=')));
            }
        }
        return sections;
    }

    TempFolder dir;
    ScopedEnv home{"HOME", dir / "home"};
    ScopedEnv config{"XDG_CONFIG_HOME", dir / "config-home"};
    ScopedEnv data{"XDG_DATA_HOME", dir / "data-home"};
};

TEST_F(SettingsFileTest, FirstRunWithoutAFileGivesTheStartingTable) {
    Game game;
    startUp(game);

    EXPECT_EQ(game.HouseRules, HouseRules{});
    EXPECT_FALSE(game.HouseRules.FaceUp);
    EXPECT_EQ(game.Speed, Speed::Fast);
    EXPECT_EQ(game.SeatCount, 6);
    EXPECT_EQ(game.TotalHands, 0);
    EXPECT_TRUE(game.Settings.Hints);
    EXPECT_TRUE(game.Settings.SoundOn && game.Settings.WinSoundOn && game.Settings.Maxed);
    EXPECT_EQ(game.Settings.WinSoundFile, dir / "prog/dmoor2.wav");
    EXPECT_EQ(game.Settings.DataDir, dir / "prog/");

    struct Expected {
        const char* name;
        const char* stem;
    };
    const std::vector<Expected> seats = {{},
                                         {"Human Player", "CPLAYER1"},
                                         {"Sid Serious", "CPLAYER2"},
                                         {"Harvey Hangover", "CPLAYER3"},
                                         {"Odetta Opera", "CPLAYER7"},
                                         {"Eddie \"the Edge\"", "CPLAYER5"},
                                         {"Pat Peoples", "CPLAYER8"}};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const Seat& s = game.Seats[seat];
        SCOPED_TRACE(seat);
        EXPECT_EQ(s.Name, seats[seat].name);
        EXPECT_EQ(s.StrategyFile, seats[seat].stem);
        EXPECT_EQ(s.Number, seat);
        EXPECT_EQ(s.About, CharacterAbout(seat));
        EXPECT_EQ(s.Human, seat == 1);
        EXPECT_EQ(s.Credits, 5000.0);
        EXPECT_EQ(s.Borrowed, 5000.0);
        EXPECT_EQ(s.LastBet, 0.0);
    }

    writeAll(game);
    const std::vector<std::string> playerKeys = {"LastBet", "StrategyFile", "Name",    "Number",
                                                 "Human",   "About",        "Credits", "Borrowed"};
    const auto sections = layout();
    ASSERT_EQ(sections.size(), 8u);
    EXPECT_EQ(sections[0].first, "GameSettings");
    EXPECT_EQ(sections[0].second,
              (std::vector<std::string>{"Version", "Speed", "Players", "Hints", "SaveStrategy",
                                        "Maxed", "Sound", "sndWin", "sndCard", "sndLose", "sndBJ",
                                        "sndShuffle", "TotalHands", "LoseSound", "CardSound",
                                        "BJSound", "ShuffleSound", "DataDir", "Zoom"}));
    EXPECT_EQ(sections[1].first, "GameRules");
    EXPECT_EQ(sections[1].second,
              (std::vector<std::string>{
                  "Cards", "HitSoft17", "Split", "DoubleAfterSplit", "SplitAnyFaceCard",
                  "HitSplitAces", "DoubleMin", "DoubleMax", "DoubleMaxCards", "EarlySurrender",
                  "LateSurrender", "InsuranceAnyAmount", "Special777", "Special678",
                  "Special6Cards", "FaceUp", "BlackjackPays", "TableMin", "TableMax"}));
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        EXPECT_EQ(sections[1 + seat].first, "Player_" + std::to_string(seat) + "_Settings");
        EXPECT_EQ(sections[1 + seat].second, playerKeys);
    }
    const std::string text = ReadFile(path());
    for (const char* line : {"Version=1.3\n", "TotalHands=" /* the win sound */,
                             "BlackjackPays=1.5\n", "TableMin=5.00\n", "TableMax=500.00\n",
                             "Credits=5000.00\n", "Name=Eddie \"the Edge\"\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_NE(text.find("TotalHands=" + dir / "prog/dmoor2.wav\n"), std::string::npos);
}

TEST_F(SettingsFileTest, EverythingWrittenReadsBackTheSame) {
    Game game;
    startUp(game);
    game.Speed = Speed::Slow;
    game.SeatCount = 3; // all six seats are still written and read
    TableSettings& t = game.Settings;
    t.Hints = false;
    t.SaveStrategy = true;
    t.Maxed = false;
    t.SoundOn = false;
    t.WinSoundOn = false;
    t.CardSoundOn = true;
    t.LoseSoundOn = false;
    t.BlackjackSoundOn = true;
    t.ShuffleSoundOn = false;
    t.WinSoundFile = "/sounds/win me.wav";
    t.LoseSoundFile = "/sounds/lose.WAV";
    t.CardSoundFile = "/sounds/card.wav";
    t.BlackjackSoundFile = "/sounds/bj.wav";
    t.ShuffleSoundFile = "/sounds/shuffle.wav";
    t.DataDir = "/cards/";
    HouseRules& r = game.HouseRules;
    r.Cards = 312;
    r.HitSoft17 = false;
    r.Split = true;
    r.HitSplitAces = true;
    r.SplitAnyFaceCard = false;
    r.DoubleMin = 10;
    r.DoubleMax = 10;
    r.DoubleMaxCards = 3;
    r.DoubleAfterSplit = true;
    r.EarlySurrender = true;
    r.LateSurrender = true;
    r.InsuranceAnyAmount = true;
    r.Special777 = true;
    r.Special678 = true;
    r.Special6Cards = true;
    r.FaceUp = true;
    r.BlackjackPays = 2.0;
    r.TableMin = 2.55;
    r.TableMax = UnlimitedTableMax;
    const std::vector<double> money = {1234.56, -250.75, 0.01, 100000000.0, 0.0, 99.9};
    const std::vector<double> lastBets = {12.5, 0.0, 500.0, 7.35, 1.01, 100000000.0};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        Seat& s = game.Seats[seat];
        s.Number = static_cast<uint8_t>(10 - seat);
        s.Name = "Seat " + std::to_string(seat) + " = player";
        s.Human = seat % 2 == 0;
        s.About = "About seat " + std::to_string(seat) + "; with \"quotes\"";
        s.StrategyFile = "CARD" + std::to_string(seat);
        s.Credits = money[seat - 1];
        s.Borrowed = money[6 - seat];
        s.LastBet = lastBets[seat - 1];
    }
    writeAll(game);

    Game back;
    startUp(back);
    EXPECT_EQ(back.Speed, Speed::Slow);
    EXPECT_EQ(back.SeatCount, 3);
    EXPECT_EQ(back.TotalHands, 0);
    const TableSettings& b = back.Settings;
    EXPECT_EQ(
        std::vector<bool>({b.Hints, b.SaveStrategy, b.Maxed, b.SoundOn, b.WinSoundOn, b.CardSoundOn,
                           b.LoseSoundOn, b.BlackjackSoundOn, b.ShuffleSoundOn}),
        std::vector<bool>({false, true, false, false, false, true, false, true, false}));
    EXPECT_EQ(b.WinSoundFile, t.WinSoundFile);
    EXPECT_EQ(b.LoseSoundFile, t.LoseSoundFile);
    EXPECT_EQ(b.CardSoundFile, t.CardSoundFile);
    EXPECT_EQ(b.BlackjackSoundFile, t.BlackjackSoundFile);
    EXPECT_EQ(b.ShuffleSoundFile, t.ShuffleSoundFile);
    EXPECT_EQ(b.DataDir, t.DataDir);
    EXPECT_EQ(back.HouseRules, game.HouseRules);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const Seat& s = game.Seats[seat];
        const Seat& o = back.Seats[seat];
        SCOPED_TRACE(seat);
        EXPECT_EQ(o.Number, s.Number);
        EXPECT_EQ(o.Name, s.Name);
        EXPECT_EQ(o.Human, s.Human);
        EXPECT_EQ(o.About, s.About);
        EXPECT_EQ(o.StrategyFile, s.StrategyFile);
        EXPECT_EQ(o.Credits, s.Credits);
        EXPECT_EQ(o.Borrowed, s.Borrowed);
        EXPECT_EQ(o.LastBet, s.LastBet);
    }
}

TEST_F(SettingsFileTest, ReadingASeatClearsItsStakes) {
    Game game;
    startUp(game);
    game.Seats[2].Bet = 10;
    game.Seats[2].SplitBet = 10;
    game.Seats[2].InsuranceBet = 5;
    game.Seats[2].HasSplit = true;
    ReadPlayers(game, ProfileFile(path()));
    EXPECT_EQ(game.Seats[2].Bet, 0.0);
    EXPECT_EQ(game.Seats[2].SplitBet, 0.0);
    EXPECT_EQ(game.Seats[2].InsuranceBet, 0.0);
    EXPECT_FALSE(game.Seats[2].HasSplit);
}

TEST_F(SettingsFileTest, MissingPlayerKeysTakeTheirDefaultsFromTheRightCharacter) {
    // Seat 4 holds character 7 before the read; the file makes it character 9.
    WriteFile(path(), "[Player_4_Settings]\nNumber=9\n[Player_1_Settings]\nName=Ann\n");
    Game game;
    startUp(game);
    const Seat& s = game.Seats[4];
    EXPECT_EQ(s.Number, 9);
    EXPECT_EQ(s.Name, "Odetta Opera");     // the character held before the read
    EXPECT_EQ(s.StrategyFile, "CPLAYER7"); // likewise
    EXPECT_EQ(s.About, CharacterAbout(9)); // the character just read
    EXPECT_FALSE(s.Human);
    EXPECT_EQ(game.Seats[1].Name, "Ann");
    EXPECT_TRUE(game.Seats[1].Human);
}

TEST_F(SettingsFileTest, GameSettingsStayWithoutAFileAndKeysFallBackToDefaults) {
    Game game;
    game.Speed = Speed::Medium;
    game.SeatCount = 4;
    ReadGameSettings(game, game.Settings, ProfileFile(path()));
    EXPECT_EQ(game.Speed, Speed::Medium);
    EXPECT_EQ(game.SeatCount, 4);

    WriteFile(path(), "[GameSettings]\nSpeed=abc\nHints=0\n");
    game.Settings.ProgramDir = "/opt/dealmoor/";
    game.Settings.DataDir = "/chosen/";
    ReadGameSettings(game, game.Settings, ProfileFile(path()));
    EXPECT_EQ(game.Speed, Speed::Fast);
    EXPECT_EQ(game.SeatCount, 6);
    EXPECT_FALSE(game.Settings.Hints);
    EXPECT_EQ(game.Settings.ShuffleSoundFile, "/opt/dealmoor/dmoor4.wav");
    EXPECT_EQ(game.Settings.DataDir, "/chosen/");
}

TEST_F(SettingsFileTest, TotalHandsHoldsTheWinSoundNotTheDealCounter) {
    WriteFile(path(), "[GameSettings]\nTotalHands=/home/me/tada.wav\n");
    Game game;
    startUp(game);
    EXPECT_EQ(game.TotalHands, 0);
    EXPECT_EQ(game.Settings.WinSoundFile, "/home/me/tada.wav");
}

TEST_F(SettingsFileTest, HexadecimalCardsAndUnlimitedTableMax) {
    WriteFile(path(), "[GameRules]\nCards=0x68\nTableMax=100000000.00\nBlackjackPays=2.0\n");
    Game game;
    startUp(game);
    EXPECT_EQ(game.HouseRules.Cards, 104);
    EXPECT_EQ(game.HouseRules.TableMax, UnlimitedTableMax);
    EXPECT_EQ(game.HouseRules.BlackjackPays, 2.0);
    EXPECT_EQ(game.HouseRules.TableMin, 5.0); // missing key: its default
}

TEST_F(SettingsFileTest, ValuesOutsideTheTableAreClampedToTheNearestValidOne) {
    struct Case {
        const char* file;
        int cards, players, speed, number;
    };
    const std::vector<Case> cases = {
        {"[GameRules]\nCards=10\n[GameSettings]\nPlayers=0\nSpeed=-1\n"
         "[Player_2_Settings]\nNumber=0\n",
         52, 1, 0, 1},
        {"[GameRules]\nCards=5000\n[GameSettings]\nPlayers=9\nSpeed=7\n"
         "[Player_2_Settings]\nNumber=200\n",
         416, 6, 3, 9},
        {"[GameRules]\nCards=-0x10\n[GameSettings]\nPlayers=-3\nSpeed=0x100\n"
         "[Player_2_Settings]\nNumber=-1\n",
         52, 1, 3, 1},
        {"[GameRules]\nCards=100\n[GameSettings]\nPlayers=3\nSpeed=2\n"
         "[Player_2_Settings]\nNumber=4\n",
         100, 3, 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WriteFile(path(), c.file);
        Game game;
        startUp(game);
        EXPECT_EQ(game.HouseRules.Cards, c.cards);
        EXPECT_EQ(game.SeatCount, c.players);
        EXPECT_EQ(game.Speed, static_cast<Speed>(c.speed));
        EXPECT_EQ(game.Seats[2].Number, c.number);
        EXPECT_EQ(game.Seats[2].About, CharacterAbout(c.number));
    }
}

TEST_F(SettingsFileTest, MoneyIsBroughtWithinTheRangeWhereTheRulesHold) {
    struct Case {
        const char* rules;
        double tableMin, tableMax, blackjackPays;
    };
    const std::vector<Case> cases = {
        // A minimum below half a credit would let a seat sit in for nothing, or be paid to.
        {"TableMin=-5\nTableMax=500\n", 0.5, 500, 1.5},
        {"TableMin=0\nTableMax=0\n", 0.5, 0.5, 1.5},
        {"TableMin=100\nTableMax=20\n", 100, 100, 1.5},
        {"TableMin=5\nTableMax=99999999999999999999\n", 5, 1e12, 1.5},
        {"BlackjackPays=0.5\n", 5, 500, 1.0},
        {"BlackjackPays=-2\n", 5, 500, 1.0},
        {"BlackjackPays=7.5\n", 5, 500, 3.0},
        {"BlackjackPays=1.75\n", 5, 500, 1.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rules);
        WriteFile(path(), std::string("[GameRules]\n") + c.rules);
        Game game;
        startUp(game);
        EXPECT_EQ(game.HouseRules.TableMin, c.tableMin);
        EXPECT_EQ(game.HouseRules.TableMax, c.tableMax);
        EXPECT_EQ(game.HouseRules.BlackjackPays, c.blackjackPays);
    }

    WriteFile(path(), "[Player_2_Settings]\nCredits=-99999999999999999999\n"
                      "Borrowed=99999999999999999999\nLastBet=-25\n");
    Game game;
    startUp(game);
    EXPECT_EQ(game.Seats[2].Credits, -1e12);
    EXPECT_EQ(game.Seats[2].Borrowed, 1e12);
    EXPECT_EQ(game.Seats[2].LastBet, 0.0);
    // Within the range every amount is written so that it reads back exactly.
    writeAll(game);
    Game back;
    startUp(back);
    EXPECT_EQ(back.Seats[2].Credits, -1e12);
    EXPECT_EQ(back.Seats[2].Borrowed, 1e12);
}

TEST_F(SettingsFileTest, AStrategyFileThatCouldLeaveTheDataFolderIsNotUsed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"../../etc/passwd", "CPLAYER4"},
        {"..", "CPLAYER4"},
        {"a/b", "CPLAYER4"},
        {"a\\b", "CPLAYER4"},
        {"c:card", "CPLAYER4"},
        {"bad|name", "CPLAYER4"},
        {"x\x01y", "CPLAYER4"},
        {"", "CPLAYER4"},
        {"MYCARD", "MYCARD"},
        {"LONGNAME1", "LONGNAME1"}, // a long name is kept whole: it must still find its card
        {"my card", "my card"},
        {"cplayer7", "cplayer7"},
    };
    for (const auto& [stored, used] : cases) {
        SCOPED_TRACE(stored);
        WriteFile(path(), "[Player_3_Settings]\nStrategyFile=" + stored + "\nNumber=4\n");
        Game game;
        startUp(game);
        EXPECT_EQ(game.Seats[3].StrategyFile, used);
    }
}

TEST(SettingsMoney, IsWrittenWithTwoDecimalsAndReadToTheCent) {
    const std::vector<std::pair<double, const char*>> written = {
        {5000, "5000.00"}, {2.5, "2.50"},     {100000000, "100000000.00"}, {0, "0.00"},
        {-0.0, "0.00"},    {-12.5, "-12.50"}, {1234.567, "1234.57"},       {0.01, "0.01"},
    };
    for (const auto& [amount, text] : written) {
        EXPECT_EQ(FormatFileMoney(amount), text);
    }
    EXPECT_EQ(FormatFilePayoff(1.5), "1.5");
    EXPECT_EQ(FormatFilePayoff(2), "2.0");

    constexpr double Def = -777;
    const std::vector<std::pair<const char*, double>> read = {
        {"2.50", 2.5},     {"1.5", 1.5},
        {"12.345", 12.34}, {"5000", 5000},
        {"-3.5", -3.5},    {".75", 0.75},
        {"12abc", 12},     {"7.", 7},
        {"1.5.5", 1.5},    {"100000000.00", 100000000},
        {"abc", Def},      {"", Def},
        {"-", Def},        {".", Def},
        {"-.x", Def},      {"000000000000000000009", 0}, // only the first 20 characters count
    };
    for (const auto& [text, amount] : read) {
        EXPECT_EQ(ParseFileMoney(text, Def), amount) << '"' << text << '"';
    }
}

TEST(SettingsMoney, EveryAmountToTheCentReadsBackUnchanged) {
    for (long long cents = -100000; cents <= 2000000; cents += 37) {
        const double amount = static_cast<double>(cents) / 100;
        ASSERT_EQ(ParseFileMoney(FormatFileMoney(amount), 0), amount) << FormatFileMoney(amount);
    }
}

// Under a locale whose decimal separator is a comma the file still uses ".".
TEST_F(SettingsFileTest, NumbersUseAPointWhateverTheLocale) {
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if ((found = std::setlocale(LC_ALL, name)) != nullptr) {
            break;
        }
    }
    if (found == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::locale oldGlobal = std::locale::global(std::locale(found));
    Game game;
    startUp(game);
    game.HouseRules.TableMin = 2.5;
    game.Seats[2].Credits = 1234.5;
    writeAll(game);
    const std::string text = ReadFile(path());
    const std::string money = FormatFileMoney(12.25);
    const double parsed = ParseFileMoney("12.345", 0);
    Game back;
    startUp(back);
    std::locale::global(oldGlobal);
    std::setlocale(LC_ALL, oldLocale.c_str());

    EXPECT_EQ(money, "12.25");
    EXPECT_EQ(parsed, 12.34);
    EXPECT_NE(text.find("TableMin=2.50\n"), std::string::npos);
    EXPECT_NE(text.find("BlackjackPays=1.5\n"), std::string::npos);
    EXPECT_NE(text.find("Credits=1234.50\n"), std::string::npos);
    EXPECT_EQ(back.HouseRules.TableMin, 2.5);
    EXPECT_EQ(back.Seats[2].Credits, 1234.5);
}

TEST_F(SettingsFileTest, AFailedWriteReportsThePathAndLeavesTheOldFile) {
    const std::string before = "[Player_1_Settings]\nName=Old\n";
    WriteFile(path(), before);
    Game game;
    startUp(game);
    WriteResult result;
    {
        const testing::FileSizeLimit limit(before.size() + 10);
        result = WriteSettings(game, game.Settings, path());
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unable to write to " + path());
    EXPECT_EQ(ReadFile(path()), before);

    const std::string nowhere = dir / "missing/DMOOR.INI";
    const WriteResult missing = WriteSettings(game, game.Settings, nowhere);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "Unable to write to " + nowhere);
    EXPECT_TRUE(WriteSettings(game, game.Settings, path()).message.empty());
}

TEST_F(SettingsFileTest, TheSettingsFileLivesInTheSettingsFolder) {
    Game game;
    game.Settings.WindowsDir = "/home/me/.config/dealmoor/";
    EXPECT_EQ(SettingsPath(game.Settings), "/home/me/.config/dealmoor/DMOOR.INI");
}

TEST_F(SettingsFileTest, ADataFolderWithoutItsSlashGetsOneAndAnEmptyOneIsIgnored) {
    Game game;
    WriteFile(path(), "[GameSettings]\nDataDir=/my/cards\n");
    startUp(game);
    EXPECT_EQ(game.Settings.DataDir, "/my/cards/");
    WriteFile(path(), "[GameSettings]\nDataDir=\n");
    startUp(game);
    EXPECT_EQ(game.Settings.DataDir, dir / "prog/");
}

TEST_F(SettingsFileTest, TheZoomIsKeptAndAnUnknownOneIsTheNormalSize) {
    for (const int zoom : {125, 200, ZoomToFit}) {
        SCOPED_TRACE(zoom);
        Game game;
        startUp(game);
        game.Settings.Zoom = zoom;
        writeAll(game);
        Game back;
        startUp(back);
        EXPECT_EQ(back.Settings.Zoom, zoom);
    }
    const struct {
        const char* text;
        int zoom;
    } stored[] = {{"150", 150},       {"0", ZoomToFit},    {"", NormalZoom},    {"300", NormalZoom},
                  {"-5", NormalZoom}, {"120", NormalZoom}, {"big", NormalZoom}, {"0x96", 150}};
    for (const auto& [text, zoom] : stored) {
        SCOPED_TRACE(text);
        WriteFile(path(), std::string("[GameSettings]\nZoom=") + text + "\n");
        Game game;
        startUp(game);
        EXPECT_EQ(game.Settings.Zoom, zoom);
    }
}

TEST_F(SettingsFileTest, LongTextsAreCutToTheirFieldsButSoundPathsStayWhole) {
    const std::string longSound = "/" + std::string(300, 'p') + "/win.wav";
    WriteFile(path(), "[Player_2_Settings]\nName=" + std::string(40, 'n') + "\nAbout=" +
                          std::string(300, 'a') + "\n[GameSettings]\nBJSound=" + longSound +
                          "\nLoseSound=/" + std::string(1100, 'q') + "\n");
    Game game;
    startUp(game);
    EXPECT_EQ(game.Seats[2].Name, std::string(30, 'n'));
    EXPECT_EQ(game.Seats[2].About, std::string(255, 'a'));
    // A cut path would name a file that is not there.
    EXPECT_EQ(game.Settings.BlackjackSoundFile, longSound);
    // The file itself holds no more than 1023 characters of a value.
    EXPECT_EQ(game.Settings.LoseSoundFile.size(), 1023u);
}

TEST_F(SettingsFileTest, ASoundPathOfTheLongestKeptLengthReadsBackWhole) {
    Game game;
    startUp(game);
    const std::string longest = "/" + std::string(SoundPathMax - 5, 's') + ".wav";
    ASSERT_EQ(longest.size(), SoundPathMax);
    ASSERT_TRUE(FitsSoundSetting(longest));
    ASSERT_FALSE(FitsSoundSetting(longest + "x"));
    game.Settings.WinSoundFile = longest;
    writeAll(game);
    Game back;
    startUp(back);
    EXPECT_EQ(back.Settings.WinSoundFile, longest);
}

} // namespace
} // namespace dealmoor

namespace dealmoor {
namespace {

TEST_F(SettingsFileTest, ThePracticeOfTheCountIsKeptOnceThePlayerChangesIt) {
    Game untouched;
    startUp(untouched);
    writeAll(untouched);
    const std::string before = ReadFile(path());
    EXPECT_EQ(before.find("CountPractice"), std::string::npos)
        << "a player who never practised keeps the file as it always was";

    Game game;
    startUp(game);
    game.Settings.Practice = {true, CountingSystem::HiOpt2, false, CheckFrequency::AtRandom, 12,
                              false};
    writeAll(game);
    EXPECT_EQ(layout().back(),
              (std::pair<std::string, std::vector<std::string>>{
                  "CountPractice",
                  {"Practice", "System", "HideCounts", "Checks", "CheckDeals", "AskTrueCount"}}));
    Game back;
    startUp(back);
    EXPECT_EQ(back.Settings.Practice, game.Settings.Practice);

    // Switched back to the start, the choice is still kept.
    back.Settings.Practice = CountPractice{};
    back.Settings.Practice.On = false;
    writeAll(back);
    EXPECT_NE(ReadFile(path()).find("[CountPractice]"), std::string::npos);
    Game again;
    startUp(again);
    EXPECT_EQ(again.Settings.Practice, CountPractice{});
}

TEST_F(SettingsFileTest, PracticeValuesOutsideTheirRangeAreHeldWithinIt) {
    const struct {
        const char* text;
        CountPractice practice;
    } stored[] = {
        {"Practice=1\nSystem=7\nChecks=9\nCheckDeals=0\n",
         {true, CountingSystem::HiOpt1, true, CheckFrequency::AtRandom, MinCheckDeals, true}},
        {"System=2\nChecks=-1\nCheckDeals=5000\nHideCounts=0\n",
         {false, CountingSystem::HiOpt2, false, CheckFrequency::Never, MaxCheckDeals, true}},
        {"Checks=1\nAskTrueCount=0\n",
         {false, CountingSystem::HiOpt1, true, CheckFrequency::EveryShuffle, 5, false}},
    };
    for (const auto& [text, practice] : stored) {
        SCOPED_TRACE(text);
        WriteFile(path(), std::string("[CountPractice]\n") + text);
        Game game;
        startUp(game);
        EXPECT_EQ(game.Settings.Practice, practice);
    }
}

} // namespace
} // namespace dealmoor
