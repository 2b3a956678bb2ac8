#include "setup/SettingsFile.h"

#include "engine/Characters.h"
#include "engine/Money.h"
#include "platform/AtomicFile.h"
#include "platform/TextCut.h"
#include "setup/SoundDefaults.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace dealmoor {

namespace {

constexpr const char* SettingsFileName = "DMOOR.INI";
constexpr const char* ProgramVersion = "1.3";
constexpr const char* GameSettingsSection = "GameSettings";
constexpr const char* GameRulesSection = "GameRules";
constexpr const char* CountPracticeSection = "CountPractice";
// The practice's keys, in the order written.
constexpr std::array<const char*, 6> CountPracticeKeys{"Practice", "System",     "HideCounts",
                                                       "Checks",   "CheckDeals", "AskTrueCount"};
constexpr std::size_t PathMax = 255;

std::string playerSection(int seat) {
    return "Player_" + std::to_string(seat) + "_Settings";
}

std::string boolText(bool value) {
    return value ? "1" : "0";
}

// Typed reading of one section, so every key reads like its rule.
class SectionReader {
public:
    SectionReader(const ProfileFile& file, std::string name)
        : file_(file), name_(std::move(name)) {}

    int integer(const char* key, int def) const { return file_.getInt(name_, key, def); }
    int integer(const char* key, int def, int low, int high) const {
        return std::clamp(integer(key, def), low, high);
    }
    bool flag(const char* key, bool def) const { return integer(key, def ? 1 : 0) != 0; }
    std::string text(const char* key, const std::string& def, std::size_t width) const {
        return CutText(file_.getString(name_, key, def), width);
    }
    double money(const char* key, double def) const {
        return ParseFileMoney(file_.getString(name_, key, ""), def);
    }

private:
    const ProfileFile& file_;
    std::string name_;
};

// Typed writing of one section.
class SectionWriter {
public:
    SectionWriter(ProfileFile& file, std::string name) : file_(file), name_(std::move(name)) {}

    void put(const char* key, const std::string& value) { file_.setString(name_, key, value); }
    void put(const char* key, int value) { put(key, std::to_string(value)); }
    void put(const char* key, bool value) { put(key, boolText(value)); }
    void putMoney(const char* key, double value) { put(key, FormatFileMoney(value)); }

private:
    ProfileFile& file_;
    std::string name_;
};

WriteResult saveOrReport(ProfileFile& file) {
    if (file.save()) {
        return {};
    }
    return {false, UnableToWriteMessage(file.path())};
}

std::string withTrailingSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

// The character a seat's defaults come from; a seat that holds no valid
// character yet borrows the one of its own number.
int defaultsCharacter(int held, int seat) {
    return CharacterExists(held) ? held : seat;
}

void readSeat(Game& game, const ProfileFile& file, int seat) {
    Seat& s = game.Seats[seat];
    const SectionReader section(file, playerSection(seat));
    s.Bet = 0;
    s.SplitBet = 0;
    s.InsuranceBet = 0;
    s.HasSplit = false;

    const int held = defaultsCharacter(s.Number, seat);
    s.LastBet = std::max(WithinMoneyLimit(section.money("LastBet", 0)), 0.0);
    const std::string stem =
        section.text("StrategyFile", SeatDefaultCardStem(held), ProfileValueMax);
    s.Name = section.text("Name", seat == 1 ? DefaultHumanName : CharacterName(held), NameMax);
    s.Number = static_cast<uint8_t>(section.integer("Number", seat, 1, MaxCharacters));
    s.Human = section.flag("Human", seat == 1);
    s.About = section.text("About", CharacterAbout(s.Number), AboutMax);
    s.Credits = WithinMoneyLimit(section.money("Credits", StartingCredits));
    s.Borrowed = WithinMoneyLimit(section.money("Borrowed", StartingCredits));
    // A card name that could reach outside the data folder is not used; any
    // other is kept whole, so a long file name still finds its card.
    s.StrategyFile = IsUsableCardStem(stem) ? stem : SeatDefaultCardStem(s.Number);
}

void writeSeat(const Seat& s, ProfileFile& file, int seat) {
    SectionWriter section(file, playerSection(seat));
    section.putMoney("LastBet", s.LastBet);
    section.put("StrategyFile", s.StrategyFile);
    section.put("Name", s.Name);
    section.put("Number", static_cast<int>(s.Number));
    section.put("Human", s.Human);
    section.put("About", s.About);
    section.putMoney("Credits", s.Credits);
    section.putMoney("Borrowed", s.Borrowed);
}

void putGameSettings(ProfileFile& file, const Game& game, const TableSettings& s) {
    SectionWriter section(file, GameSettingsSection);
    section.put("Version", std::string(ProgramVersion));
    section.put("Speed", static_cast<int>(game.Speed));
    section.put("Players", static_cast<int>(game.SeatCount));
    section.put("Hints", s.Hints);
    section.put("SaveStrategy", s.SaveStrategy);
    section.put("Maxed", s.Maxed);
    section.put("Sound", s.SoundOn);
    section.put("sndWin", s.WinSoundOn);
    section.put("sndCard", s.CardSoundOn);
    section.put("sndLose", s.LoseSoundOn);
    section.put("sndBJ", s.BlackjackSoundOn);
    section.put("sndShuffle", s.ShuffleSoundOn);
    section.put("TotalHands", s.WinSoundFile);
    section.put("LoseSound", s.LoseSoundFile);
    section.put("CardSound", s.CardSoundFile);
    section.put("BJSound", s.BlackjackSoundFile);
    section.put("ShuffleSound", s.ShuffleSoundFile);
    section.put("DataDir", s.DataDir);
    section.put("Zoom", s.Zoom);
}

void readCountPractice(CountPractice& practice, const ProfileFile& file) {
    const CountPractice standard;
    const SectionReader section(file, CountPracticeSection);
    practice.On = section.flag(CountPracticeKeys[0], standard.On);
    practice.System = section.integer(CountPracticeKeys[1], 1) == 2 ? CountingSystem::HiOpt2
                                                                    : CountingSystem::HiOpt1;
    practice.HideCounts = section.flag(CountPracticeKeys[2], standard.HideCounts);
    practice.Checks = static_cast<CheckFrequency>(section.integer(
        CountPracticeKeys[3], static_cast<int>(standard.Checks), 0, CheckFrequencies - 1));
    practice.CheckDeals =
        section.integer(CountPracticeKeys[4], standard.CheckDeals, MinCheckDeals, MaxCheckDeals);
    practice.AskTrueCount = section.flag(CountPracticeKeys[5], standard.AskTrueCount);
}

// Written once the player has changed the practice, and kept up from then
// on; a file of a player who never practised stays as it always was.
void putCountPractice(ProfileFile& file, const CountPractice& practice) {
    const std::string missing(1, '\0'); // no value read from a file is this
    const bool inFile =
        std::any_of(CountPracticeKeys.begin(), CountPracticeKeys.end(), [&](const char* key) {
            return file.getString(CountPracticeSection, key, missing) != missing;
        });
    if (practice == CountPractice{} && !inFile) {
        return;
    }
    SectionWriter section(file, CountPracticeSection);
    section.put(CountPracticeKeys[0], practice.On);
    section.put(CountPracticeKeys[1], static_cast<int>(practice.System));
    section.put(CountPracticeKeys[2], practice.HideCounts);
    section.put(CountPracticeKeys[3], static_cast<int>(practice.Checks));
    section.put(CountPracticeKeys[4], practice.CheckDeals);
    section.put(CountPracticeKeys[5], practice.AskTrueCount);
}

void putHouseRules(ProfileFile& file, const HouseRules& r) {
    SectionWriter section(file, GameRulesSection);
    section.put("Cards", static_cast<int>(r.Cards));
    section.put("HitSoft17", r.HitSoft17);
    section.put("Split", r.Split);
    section.put("DoubleAfterSplit", r.DoubleAfterSplit);
    section.put("SplitAnyFaceCard", r.SplitAnyFaceCard);
    section.put("HitSplitAces", r.HitSplitAces);
    section.put("DoubleMin", static_cast<int>(r.DoubleMin));
    section.put("DoubleMax", static_cast<int>(r.DoubleMax));
    section.put("DoubleMaxCards", static_cast<int>(r.DoubleMaxCards));
    section.put("EarlySurrender", r.EarlySurrender);
    section.put("LateSurrender", r.LateSurrender);
    section.put("InsuranceAnyAmount", r.InsuranceAnyAmount);
    section.put("Special777", r.Special777);
    section.put("Special678", r.Special678);
    section.put("Special6Cards", r.Special6Cards);
    section.put("FaceUp", r.FaceUp);
    section.put("BlackjackPays", FormatFilePayoff(r.BlackjackPays));
    section.putMoney("TableMin", r.TableMin);
    section.putMoney("TableMax", r.TableMax);
}

} // namespace

bool IsUsableCardStem(const std::string& stem) {
    if (stem.empty() || stem.find("..") != std::string::npos) {
        return false;
    }
    constexpr std::string_view Forbidden = "/\\:*?\"<>|";
    return std::none_of(stem.begin(), stem.end(), [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || Forbidden.find(c) != std::string_view::npos;
    });
}

std::string SettingsPath(const TableSettings& settings) {
    return settings.WindowsDir + SettingsFileName;
}

void ReadGameSettings(Game& game, TableSettings& s, const ProfileFile& file) {
    if (!file.existed()) {
        return;
    }
    TableSettings shipped;
    shipped.ProgramDir = s.ProgramDir;
    SetDefaultSoundFiles(shipped);

    const SectionReader section(file, GameSettingsSection);
    game.Speed = static_cast<Speed>(section.integer("Speed", 1, 0, SpeedCount - 1));
    game.SeatCount = static_cast<uint8_t>(section.integer("Players", MaxSeats, 1, MaxSeats));
    s.Hints = section.flag("Hints", true);
    s.SaveStrategy = section.flag("SaveStrategy", false);
    s.Maxed = section.flag("Maxed", true);
    s.SoundOn = section.flag("Sound", true);
    s.WinSoundOn = section.flag("sndWin", true);
    s.CardSoundOn = section.flag("sndCard", true);
    s.LoseSoundOn = section.flag("sndLose", true);
    s.BlackjackSoundOn = section.flag("sndBJ", true);
    s.ShuffleSoundOn = section.flag("sndShuffle", true);
    // The win sound has always been stored under "TotalHands"; the deal
    // counter itself is never kept and stays 0. Sound paths are kept whole: a
    // cut path would name a file that is not there.
    s.WinSoundFile = section.text("TotalHands", shipped.WinSoundFile, SoundPathMax);
    s.LoseSoundFile = section.text("LoseSound", shipped.LoseSoundFile, SoundPathMax);
    s.CardSoundFile = section.text("CardSound", shipped.CardSoundFile, SoundPathMax);
    s.BlackjackSoundFile = section.text("BJSound", shipped.BlackjackSoundFile, SoundPathMax);
    s.ShuffleSoundFile = section.text("ShuffleSound", shipped.ShuffleSoundFile, SoundPathMax);
    // An empty data folder would mean the current folder: keep the chosen one.
    const std::string dataDir = section.text("DataDir", s.DataDir, PathMax);
    if (!dataDir.empty()) {
        s.DataDir = withTrailingSlash(dataDir);
    }
    s.Zoom = UsableZoom(section.integer("Zoom", NormalZoom));
    readCountPractice(s.Practice, file);
}

void ReadHouseRules(HouseRules& r, const ProfileFile& file) {
    ApplyStandardRules(r);
    if (!file.existed()) {
        return;
    }
    const HouseRules standard = r;
    const SectionReader section(file, GameRulesSection);
    // The shoe holds one to eight decks.
    r.Cards = section.integer("Cards", standard.Cards, CardsPerDeck, MaxShoeCards);
    r.HitSoft17 = section.flag("HitSoft17", standard.HitSoft17);
    r.Split = section.flag("Split", standard.Split);
    r.DoubleAfterSplit = section.flag("DoubleAfterSplit", standard.DoubleAfterSplit);
    r.SplitAnyFaceCard = section.flag("SplitAnyFaceCard", standard.SplitAnyFaceCard);
    r.HitSplitAces = section.flag("HitSplitAces", standard.HitSplitAces);
    r.DoubleMin = section.integer("DoubleMin", standard.DoubleMin);
    r.DoubleMax = section.integer("DoubleMax", standard.DoubleMax);
    r.DoubleMaxCards = section.integer("DoubleMaxCards", standard.DoubleMaxCards);
    r.EarlySurrender = section.flag("EarlySurrender", standard.EarlySurrender);
    r.LateSurrender = section.flag("LateSurrender", standard.LateSurrender);
    r.InsuranceAnyAmount = section.flag("InsuranceAnyAmount", standard.InsuranceAnyAmount);
    r.Special777 = section.flag("Special777", standard.Special777);
    r.Special678 = section.flag("Special678", standard.Special678);
    r.Special6Cards = section.flag("Special6Cards", standard.Special6Cards);
    r.FaceUp = section.flag("FaceUp", standard.FaceUp);
    r.BlackjackPays = section.money("BlackjackPays", standard.BlackjackPays);
    r.TableMin = section.money("TableMin", standard.TableMin);
    r.TableMax = section.money("TableMax", standard.TableMax);
    KeepMoneyRulesInRange(r);
}

void ReadPlayers(Game& game, const ProfileFile& file) {
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        readSeat(game, file, seat);
    }
}

void PutSettings(ProfileFile& file, const Game& game, const TableSettings& settings) {
    putGameSettings(file, game, settings);
    putHouseRules(file, game.HouseRules);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        writeSeat(game.Seats[seat], file, seat);
    }
    putCountPractice(file, settings.Practice);
}

WriteResult WriteSettings(const Game& game, const TableSettings& settings,
                          const std::string& path) {
    ProfileFile file(path);
    PutSettings(file, game, settings);
    return saveOrReport(file);
}

} // namespace dealmoor
