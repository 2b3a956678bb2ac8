#include "setup/SettingsFile.h"

#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/TextCut.h"
#include "setup/Characters.h"
#include "setup/SoundDefaults.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace dealmoor {

namespace {

constexpr const char* SettingsFileName = "DMOOR.INI";
constexpr const char* ProgramVersion = "1.3";
constexpr const char* GameSettingsSection = "GameSettings";
constexpr const char* GameRulesSection = "GameRules";
constexpr std::size_t PathMax = 255;
constexpr std::size_t MoneyTextMax = 20;

std::string playerSection(int seat) {
    return "Player_" + std::to_string(seat) + "_Settings";
}

std::string boolText(bool value) {
    return value ? "1" : "0";
}

// Typed reading and writing of one section, so every key reads like its rule.
class Section {
public:
    Section(ProfileFile& file, std::string name) : file_(file), name_(std::move(name)) {}

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
    return {false, "Unable to write to " + file.path()};
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

void readSeat(Game& game, ProfileFile& file, int seat) {
    Seat& s = game.Seats[seat];
    const Section section(file, playerSection(seat));
    s.Bet = 0;
    s.SplitBet = 0;
    s.InsuranceBet = 0;
    s.HasSplit = false;

    const int held = defaultsCharacter(s.Number, seat);
    s.LastBet = section.money("LastBet", 0);
    const std::string stem =
        section.text("StrategyFile", SeatDefaultCardStem(held), ProfileValueMax);
    s.Name = section.text("Name", seat == 1 ? DefaultHumanName : CharacterName(held), NameMax);
    s.Number = static_cast<uint8_t>(section.integer("Number", seat, 1, MaxCharacters));
    s.Human = section.flag("Human", seat == 1);
    s.About = section.text("About", CharacterAbout(s.Number), AboutMax);
    s.Credits = section.money("Credits", StartingCredits);
    s.Borrowed = section.money("Borrowed", StartingCredits);
    // A card name that could reach outside the data folder is not used.
    s.StrategyFile =
        IsUsableCardStem(stem) ? CutText(stem, StrategyFileMax) : SeatDefaultCardStem(s.Number);
}

void writeSeat(const Seat& s, ProfileFile& file, int seat) {
    Section section(file, playerSection(seat));
    section.putMoney("LastBet", s.LastBet);
    section.put("StrategyFile", s.StrategyFile);
    section.put("Name", s.Name);
    section.put("Number", static_cast<int>(s.Number));
    section.put("Human", s.Human);
    section.put("About", s.About);
    section.putMoney("Credits", s.Credits);
    section.putMoney("Borrowed", s.Borrowed);
}

} // namespace

std::string FormatFileMoney(double amount) {
    return FixedText(amount, 2);
}

std::string FormatFilePayoff(double multiple) {
    return FixedText(multiple, 1);
}

double ParseFileMoney(const std::string& text, double def) {
    const std::string_view head = std::string_view(text).substr(0, MoneyTextMax);
    std::size_t pos = 0;
    bool anyDigit = false;
    // The next character as a digit, consumed; -1 (nothing consumed) otherwise.
    const auto nextDigit = [&]() {
        if (pos < head.size() && head[pos] >= '0' && head[pos] <= '9') {
            anyDigit = true;
            return head[pos++] - '0';
        }
        return -1;
    };
    const bool negative = pos < head.size() && head[pos] == '-';
    if (negative) {
        ++pos;
    }
    double whole = 0;
    for (int digit = nextDigit(); digit >= 0; digit = nextDigit()) {
        whole = whole * 10 + digit;
    }
    int cents = 0;
    if (pos < head.size() && head[pos] == '.') {
        ++pos;
        const int tenths = nextDigit();
        const int hundredths = tenths >= 0 ? nextDigit() : -1;
        cents = 10 * std::max(tenths, 0) + std::max(hundredths, 0);
    }
    if (!anyDigit) {
        return def;
    }
    // Whole cents divided once, so every amount written reads back exactly.
    const double value = (whole * 100 + cents) / 100;
    return negative ? -value : value;
}

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

std::string SettingsPath(const Game& game) {
    return game.Settings.WindowsDir + SettingsFileName;
}

void ReadGameSettings(Game& game, const std::string& path) {
    ProfileFile file(path);
    if (!file.existed()) {
        return;
    }
    TableSettings shipped;
    shipped.ProgramDir = game.Settings.ProgramDir;
    SetDefaultSoundFiles(shipped);

    const Section section(file, GameSettingsSection);
    TableSettings& s = game.Settings;
    game.Speed = static_cast<uint8_t>(section.integer("Speed", 1, 0, 3));
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
    // counter itself is never kept and stays 0.
    s.WinSoundFile = section.text("TotalHands", shipped.WinSoundFile, PathMax);
    s.LoseSoundFile = section.text("LoseSound", shipped.LoseSoundFile, PathMax);
    s.CardSoundFile = section.text("CardSound", shipped.CardSoundFile, PathMax);
    s.BlackjackSoundFile = section.text("BJSound", shipped.BlackjackSoundFile, PathMax);
    s.ShuffleSoundFile = section.text("ShuffleSound", shipped.ShuffleSoundFile, PathMax);
    // An empty data folder would mean the current folder: keep the chosen one.
    const std::string dataDir = section.text("DataDir", s.DataDir, PathMax);
    if (!dataDir.empty()) {
        s.DataDir = withTrailingSlash(dataDir);
    }
}

WriteResult WriteGameSettings(const Game& game, const std::string& path) {
    ProfileFile file(path);
    Section section(file, GameSettingsSection);
    const TableSettings& s = game.Settings;
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
    return saveOrReport(file);
}

void ReadHouseRules(Game& game, const std::string& path) {
    ProfileFile file(path);
    HouseRules& r = game.HouseRules;
    ApplyStandardRules(r);
    if (!file.existed()) {
        return;
    }
    const HouseRules standard = r;
    const Section section(file, GameRulesSection);
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
}

WriteResult WriteHouseRules(const Game& game, const std::string& path) {
    ProfileFile file(path);
    Section section(file, GameRulesSection);
    const HouseRules& r = game.HouseRules;
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
    return saveOrReport(file);
}

void ReadPlayers(Game& game, const std::string& path) {
    ProfileFile file(path);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        readSeat(game, file, seat);
    }
}

WriteResult WritePlayers(const Game& game, const std::string& path) {
    ProfileFile file(path);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        writeSeat(game.Seats[seat], file, seat);
    }
    return saveOrReport(file);
}

} // namespace dealmoor
