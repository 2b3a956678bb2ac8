#include "strategy/StatisticsFile.h"

#include "engine/Money.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <deque>
#include <fstream>
#include <optional>
#include <vector>

namespace dealmoor {

namespace {

constexpr std::string_view Header = "Dealmoor statistics 1";
// The count school's record, of any version, begins with these words.
constexpr std::string_view CountingRecordWords = "Dealmoor counting ";
constexpr std::string_view CountingHeader = "Dealmoor counting 1";
constexpr std::string_view EndLine = "end";
// Far beyond what six seats write (their credits lines are the bulk): a larger
// file is not one of ours.
constexpr std::size_t MaxFileBytes = 8u << 20;
// Counts and money beyond this are not a table's figures.
constexpr double MaxFigure = 1e15;
constexpr int64_t MaxCount = 1'000'000'000'000'000;

constexpr std::string_view RankLetters = "?A23456789TJQK";

// ---- Words ----------------------------------------------------------------------

template <typename T> struct Word {
    T value;
    std::string_view word;
};

constexpr std::array<Word<Decision>, 5> DecisionWords{{{Decision::Hit, "hit"},
                                                       {Decision::Stand, "stand"},
                                                       {Decision::Double, "double"},
                                                       {Decision::Split, "split"},
                                                       {Decision::Surrender, "surrender"}}};
constexpr std::array<Word<HintAction>, 4> HintWords{{{HintAction::Hit, "hit"},
                                                     {HintAction::Stand, "stand"},
                                                     {HintAction::Double, "double"},
                                                     {HintAction::Split, "split"}}};

template <typename T, std::size_t N>
std::string_view wordFor(const std::array<Word<T>, N>& words, T value) {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const Word<T>& w) { return w.value == value; });
    return found == words.end() ? "stand" : found->word;
}

template <typename T, std::size_t N>
std::optional<T> valueFor(const std::array<Word<T>, N>& words, std::string_view word) {
    const auto found =
        std::find_if(words.begin(), words.end(), [&](const Word<T>& w) { return w.word == word; });
    return found == words.end() ? std::nullopt : std::optional<T>(found->value);
}

constexpr std::array<std::string_view, 2> PeriodNames{"game", "reset"};

constexpr std::array<Word<CountingSystem>, 2> SystemWords{
    {{CountingSystem::HiOpt1, "I"}, {CountingSystem::HiOpt2, "II"}}};
constexpr std::array<Word<CountingDrill>, 6> DrillWords{{
    {CountingDrill::CheckRunning, "check-running"},
    {CountingDrill::CheckTrue, "check-true"},
    {CountingDrill::CheckDecks, "check-decks"},
    {CountingDrill::DrillRunning, "drill-running"},
    {CountingDrill::DrillTrue, "drill-true"},
    {CountingDrill::DrillDecks, "drill-decks"},
}};
constexpr std::array<Word<Verdict>, 3> VerdictWords{
    {{Verdict::Right, "right"}, {Verdict::Wrong, "wrong"}, {Verdict::Skipped, "skipped"}}};
constexpr std::string_view NoValue = "-";
// An answer takes less than a day.
constexpr int64_t MaxAnswerMilliseconds = 86'400'000;
// Counts and tenths beyond this are not answers anybody typed.
constexpr Tenths MaxTenths = 99'999;

SeatTally& periodOf(SeatStatistics& seat, std::size_t period) {
    return period == 0 ? seat.SinceGameBegan : seat.SinceReset;
}

// ---- Writing --------------------------------------------------------------------

std::string tallyLine(int seat, std::string_view period, const SeatTally& tally) {
    std::string line = "tally " + std::to_string(seat) + " " + std::string(period);
    for (const TallyField<int64_t>& f : TallyCounts) {
        line += " " + std::string(f.Name) + " " + std::to_string(tally.*f.Field);
    }
    for (const TallyField<double>& f : TallyMoneys) {
        line += " " + std::string(f.Name) + " " + FormatFileMoney(tally.*f.Field);
    }
    return line;
}

char rankLetter(int rank) {
    return rank >= 1 && rank <= 13 ? RankLetters[static_cast<std::size_t>(rank)] : '?';
}

std::string missLine(int seat, const HintMiss& miss) {
    std::string hand;
    for (int i = 0; i < miss.cardCount(); ++i) {
        hand += rankLetter(miss.Ranks[static_cast<std::size_t>(i)]);
    }
    return "miss " + std::to_string(seat) + " " + hand + " " + rankLetter(miss.DealerRank) + " " +
           std::string(wordFor(DecisionWords, miss.Chosen)) + " " +
           std::string(wordFor(HintWords, miss.Hinted));
}

// A value in tenths as the counting record writes it: whole, or with one decimal.
std::string tenthsText(Tenths value, bool whole) {
    const Tenths size = value < 0 ? -value : value;
    std::string text = (value < 0 ? "-" : "") + std::to_string(size / TenthsPerUnit);
    if (!whole) {
        text += "." + std::to_string(size % TenthsPerUnit);
    }
    return text;
}

std::string dayText(const CalendarDay& day) {
    std::array<char, 16> text{};
    const int length =
        std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", day.Year, day.Month, day.Day);
    return std::string(text.data(), static_cast<std::size_t>(std::max(length, 0)));
}

std::string roundLine(const CountingRound& round) {
    const bool whole = QuestionOf(round.Drill) == CountQuestion::RunningCount;
    return "round " + dayText(round.Date) + " " + std::string(wordFor(SystemWords, round.System)) +
           " " + std::string(wordFor(DrillWords, round.Drill)) + " " +
           (HasPace(round.Drill) ? tenthsText(round.Pace, false) : std::string(NoValue)) + " " +
           (round.Answer ? tenthsText(*round.Answer, whole) : std::string(NoValue)) + " " +
           tenthsText(round.RightValue, whole) + " " + std::to_string(round.Milliseconds) + " " +
           std::string(wordFor(VerdictWords, round.Verdict));
}

std::string countingText(const CountingRecord& record) {
    std::string text(CountingHeader);
    text += "\n";
    for (const CountingRound& round : record.rounds()) {
        text += roundLine(round) + "\n";
    }
    text += std::string(EndLine) + "\n";
    return text;
}

std::string creditsLine(int seat, const SeatStatistics& record) {
    std::string line = "credits " + std::to_string(seat) + " " + std::to_string(record.FirstDeal);
    for (double credits : record.Credits) {
        line += " " + FormatFileMoney(credits);
    }
    return line;
}

// ---- Reading --------------------------------------------------------------------

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::optional<int64_t> countOf(std::string_view word) {
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < 0 || value > MaxCount) {
        return std::nullopt;
    }
    return value;
}

// Money as the file writes it: an optional "-", digits, and at most two decimals.
std::optional<double> moneyOf(std::string_view word) {
    std::size_t digits = word.size() > 0 && word[0] == '-' ? 1 : 0;
    const std::size_t point = word.find('.');
    const std::size_t whole = point == std::string_view::npos ? word.size() : point;
    if (whole == digits || (point != std::string_view::npos &&
                            (word.size() - point - 1 < 1 || word.size() - point - 1 > 2))) {
        return std::nullopt;
    }
    for (; digits < word.size(); ++digits) {
        if (digits != point && (word[digits] < '0' || word[digits] > '9')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value) ||
        std::fabs(value) > MaxFigure) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> seatOf(std::string_view word) {
    const std::optional<int64_t> seat = countOf(word);
    if (!seat || *seat < 1 || *seat > MaxSeats) {
        return std::nullopt;
    }
    return static_cast<int>(*seat);
}

std::optional<uint8_t> rankOf(char letter) {
    const std::size_t at = RankLetters.find(letter);
    if (at == std::string_view::npos || at == 0) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(at);
}

// The figures being read, and which lines have been seen.
class Reader {
public:
    bool line(const std::vector<std::string_view>& words);
    bool finish();

    std::array<SeatStatistics, MaxSeats + 1> seats{};
    int64_t gameDeals = 0;

private:
    bool tally(const std::vector<std::string_view>& words);
    bool miss(const std::vector<std::string_view>& words);
    bool credits(const std::vector<std::string_view>& words);

    bool sawGameDeals_ = false;
    std::array<std::array<bool, 2>, MaxSeats + 1> sawTally_{};
    std::array<bool, MaxSeats + 1> sawCredits_{};
};

bool Reader::line(const std::vector<std::string_view>& words) {
    const std::string_view kind = words.front();
    if (kind == "game-deals" && words.size() == 2 && !sawGameDeals_) {
        const std::optional<int64_t> deals = countOf(words[1]);
        sawGameDeals_ = true;
        gameDeals = deals.value_or(0);
        return deals.has_value();
    }
    if (kind == "tally") {
        return tally(words);
    }
    if (kind == "miss") {
        return miss(words);
    }
    if (kind == "credits") {
        return credits(words);
    }
    return false;
}

bool Reader::tally(const std::vector<std::string_view>& words) {
    constexpr std::size_t Fields = TallyCounts.size() + TallyMoneys.size();
    if (words.size() != 3 + 2 * Fields) {
        return false;
    }
    const std::optional<int> seat = seatOf(words[1]);
    const auto period = std::find(PeriodNames.begin(), PeriodNames.end(), words[2]);
    if (!seat || period == PeriodNames.end()) {
        return false;
    }
    const auto which = static_cast<std::size_t>(period - PeriodNames.begin());
    bool& seen = sawTally_[static_cast<std::size_t>(*seat)][which];
    if (seen) {
        return false;
    }
    seen = true;
    SeatTally tally;
    std::array<bool, Fields> named{};
    for (std::size_t at = 3; at < words.size(); at += 2) {
        bool known = false;
        for (std::size_t f = 0; f < TallyCounts.size(); ++f) {
            if (words[at] == TallyCounts[f].Name && !named[f]) {
                const std::optional<int64_t> value = countOf(words[at + 1]);
                if (!value) {
                    return false;
                }
                tally.*TallyCounts[f].Field = *value;
                named[f] = known = true;
            }
        }
        for (std::size_t f = 0; f < TallyMoneys.size(); ++f) {
            if (words[at] == TallyMoneys[f].Name && !named[TallyCounts.size() + f]) {
                const std::optional<double> value = moneyOf(words[at + 1]);
                if (!value) {
                    return false;
                }
                tally.*TallyMoneys[f].Field = *value;
                named[TallyCounts.size() + f] = known = true;
            }
        }
        if (!known) {
            return false;
        }
    }
    // Figures that cannot come from play are not ours.
    const bool sound = tally.Won + tally.Lost + tally.Pushed <= tally.Hands &&
                       tally.FollowedHint <= tally.Decisions &&
                       tally.InsuranceWon <= tally.InsuranceTaken && tally.LargestWin >= 0 &&
                       tally.LargestLoss <= 0 && tally.InitialBets >= 0;
    periodOf(seats[static_cast<std::size_t>(*seat)], which) = tally;
    return sound;
}

bool Reader::miss(const std::vector<std::string_view>& words) {
    if (words.size() != 6) {
        return false;
    }
    const std::optional<int> seat = seatOf(words[1]);
    const std::string_view hand = words[2];
    if (!seat || hand.empty() || hand.size() > static_cast<std::size_t>(MaxHandCards) ||
        words[3].size() != 1) {
        return false;
    }
    HintMiss miss;
    for (std::size_t i = 0; i < hand.size(); ++i) {
        const std::optional<uint8_t> rank = rankOf(hand[i]);
        if (!rank) {
            return false;
        }
        miss.Ranks[i] = *rank;
    }
    const std::optional<uint8_t> dealer = rankOf(words[3][0]);
    const std::optional<Decision> chosen = valueFor(DecisionWords, words[4]);
    const std::optional<HintAction> hinted = valueFor(HintWords, words[5]);
    std::deque<HintMiss>& misses = seats[static_cast<std::size_t>(*seat)].Misses;
    if (!dealer || !chosen || !hinted || misses.size() >= HintMissesKept) {
        return false;
    }
    miss.DealerRank = *dealer;
    miss.Chosen = *chosen;
    miss.Hinted = *hinted;
    misses.push_back(miss);
    return true;
}

bool Reader::credits(const std::vector<std::string_view>& words) {
    if (words.size() < 3 || words.size() - 3 > CreditsKept) {
        return false;
    }
    const std::optional<int> seat = seatOf(words[1]);
    const std::optional<int64_t> first = countOf(words[2]);
    if (!seat || !first || *first < 1 || sawCredits_[static_cast<std::size_t>(*seat)]) {
        return false;
    }
    sawCredits_[static_cast<std::size_t>(*seat)] = true;
    SeatStatistics& record = seats[static_cast<std::size_t>(*seat)];
    record.FirstDeal = *first;
    for (std::size_t at = 3; at < words.size(); ++at) {
        const std::optional<double> credits = moneyOf(words[at]);
        if (!credits) {
            return false;
        }
        record.Credits.push_back(*credits);
    }
    return true;
}

bool Reader::finish() {
    for (int s = 1; s <= MaxSeats; ++s) {
        const SeatStatistics& record = seats[static_cast<std::size_t>(s)];
        // The chart ends with the game's last deal.
        if (!record.Credits.empty() &&
            record.FirstDeal - 1 + static_cast<int64_t>(record.Credits.size()) != gameDeals) {
            return false;
        }
    }
    return true;
}

// ---- The count school's record ------------------------------------------------------

// A value in tenths as the record writes it: an optional "-", digits, and one
// decimal unless the value is whole.
std::optional<Tenths> tenthsOf(std::string_view word, bool whole) {
    const bool negative = !word.empty() && word[0] == '-';
    const std::string_view digits = word.substr(negative ? 1 : 0);
    const std::size_t point = digits.find('.');
    if (whole != (point == std::string_view::npos)) {
        return std::nullopt;
    }
    const std::optional<int64_t> units = countOf(digits.substr(0, point));
    int64_t tenth = 0;
    if (!whole) {
        const std::string_view fraction = digits.substr(point + 1);
        if (fraction.size() != 1 || fraction[0] < '0' || fraction[0] > '9') {
            return std::nullopt;
        }
        tenth = fraction[0] - '0';
    }
    if (!units || *units * TenthsPerUnit + tenth > MaxTenths) {
        return std::nullopt;
    }
    const auto value = static_cast<Tenths>(*units * TenthsPerUnit + tenth);
    return negative ? -value : value;
}

std::optional<CalendarDay> dayOf(std::string_view word) {
    constexpr std::size_t DayTextSize = 10;
    if (word.size() != DayTextSize || word[4] != '-' || word[7] != '-') {
        return std::nullopt;
    }
    const std::optional<int64_t> year = countOf(word.substr(0, 4));
    const std::optional<int64_t> month = countOf(word.substr(5, 2));
    const std::optional<int64_t> day = countOf(word.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CalendarDay date{static_cast<int>(*year), static_cast<int>(*month),
                           static_cast<int>(*day)};
    return date.isValid() ? std::optional<CalendarDay>(date) : std::nullopt;
}

// One round; its verdict must be the one the drill gives its answer.
bool readRound(const std::vector<std::string_view>& words, CountingRecord& record) {
    constexpr std::size_t RoundWords = 9;
    if (words.size() != RoundWords || words[0] != "round" ||
        record.rounds().size() >= CountingRoundsKept) {
        return false;
    }
    const std::optional<CalendarDay> date = dayOf(words[1]);
    const std::optional<CountingSystem> system = valueFor(SystemWords, words[2]);
    const std::optional<CountingDrill> drill = valueFor(DrillWords, words[3]);
    const std::optional<Verdict> verdict = valueFor(VerdictWords, words[8]);
    const std::optional<int64_t> milliseconds = countOf(words[7]);
    if (!date || !system || !drill || !verdict || !milliseconds ||
        *milliseconds > MaxAnswerMilliseconds) {
        return false;
    }
    const bool whole = QuestionOf(*drill) == CountQuestion::RunningCount;
    std::optional<Tenths> pace = Tenths{0};
    if (HasPace(*drill)) {
        pace = tenthsOf(words[4], false);
    } else if (words[4] != NoValue) {
        return false;
    }
    std::optional<Tenths> answer;
    if (words[5] != NoValue) {
        answer = tenthsOf(words[5], whole);
        if (!answer) {
            return false;
        }
    }
    const std::optional<Tenths> right = tenthsOf(words[6], whole);
    if (!pace || !right || (HasPace(*drill) && (*pace < MinDrillPace || *pace > MaxDrillPace))) {
        return false;
    }
    const CountingRound round =
        GradedRound(*date, *system, *drill, *pace, answer, *right, *milliseconds);
    if (round.Verdict != *verdict) {
        return false;
    }
    record.add(round);
    return true;
}

// ---- Sections -----------------------------------------------------------------------

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

enum class SectionRead { Read, NotThisSection, Damaged };

// A section of the file: its header line, its lines (each handed to `line`,
// which says whether it is sound) and "end". `rest` is set to where the text
// after the end line begins.
template <typename LineReader>
SectionRead readSection(std::string_view text, std::string_view header, LineReader&& line,
                        std::size_t& rest) {
    bool headerSeen = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view content = text.substr(at, end - at);
        at = std::min(end + 1, text.size());
        if (!content.empty() && content.back() == '\r') {
            content.remove_suffix(1);
        }
        const std::vector<std::string_view> words = wordsOf(content);
        if (words.empty()) {
            continue;
        }
        if (!headerSeen) {
            if (content != header) {
                return SectionRead::NotThisSection;
            }
            headerSeen = true;
        } else if (words.size() == 1 && words[0] == EndLine) {
            rest = at;
            return SectionRead::Read;
        } else if (!line(words)) {
            return SectionRead::Damaged;
        }
    }
    return headerSeen ? SectionRead::Damaged : SectionRead::NotThisSection;
}

} // namespace

std::string StatisticsText(const TableStatistics& statistics) {
    std::string text(Header);
    text += "\ngame-deals " + std::to_string(statistics.gameDeals()) + "\n";
    for (int s = 1; s <= MaxSeats; ++s) {
        const SeatStatistics& record = statistics.seat(s);
        text += tallyLine(s, PeriodNames[0], record.SinceGameBegan) + "\n";
        text += tallyLine(s, PeriodNames[1], record.SinceReset) + "\n";
        for (const HintMiss& miss : record.Misses) {
            text += missLine(s, miss) + "\n";
        }
        if (!record.Credits.empty()) {
            text += creditsLine(s, record) + "\n";
        }
    }
    text += std::string(EndLine) + "\n";
    if (!statistics.counting().empty()) {
        text += countingText(statistics.counting());
    }
    return text;
}

bool ReadStatisticsText(std::string_view text, TableStatistics& statistics) {
    if (text.size() > MaxFileBytes) {
        return false;
    }
    Reader reader;
    std::size_t rest = 0;
    const auto tableLine = [&](const std::vector<std::string_view>& words) {
        return reader.line(words);
    };
    if (readSection(text, Header, tableLine, rest) != SectionRead::Read || !reader.finish()) {
        return false;
    }
    // Only the count school's record may follow the table's figures; a damaged
    // record starts afresh without taking the table's figures with it.
    CountingRecord counting;
    const std::string_view after = text.substr(rest);
    if (!isBlank(after)) {
        const auto countingLine = [&](const std::vector<std::string_view>& words) {
            return readRound(words, counting);
        };
        std::size_t countingRest = 0;
        const SectionRead read = readSection(after, CountingHeader, countingLine, countingRest);
        const std::size_t first = after.find_first_not_of(" \t\r\n");
        if (read == SectionRead::NotThisSection &&
            after.substr(first, CountingRecordWords.size()) != CountingRecordWords) {
            return false;
        }
        // A record of another version, or damaged, starts afresh.
        if (read != SectionRead::Read || !isBlank(after.substr(countingRest))) {
            counting.clear();
        }
    }
    statistics.restore(reader.seats, reader.gameDeals);
    statistics.counting() = counting;
    return true;
}

bool SaveStatistics(const std::string& path, const TableStatistics& statistics) {
    return WriteFileAtomically(path, StatisticsText(statistics));
}

StatisticsLoad LoadStatistics(const std::string& path, TableStatistics& statistics) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return StatisticsLoad::Missing;
    }
    std::string text;
    std::array<char, 65536> buffer{};
    while (in && text.size() <= MaxFileBytes) {
        in.read(buffer.data(), buffer.size());
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    return ReadStatisticsText(text, statistics) ? StatisticsLoad::Loaded : StatisticsLoad::Damaged;
}

} // namespace dealmoor
