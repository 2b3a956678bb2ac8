#include "platform/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "platform/TextCut.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

namespace dealmoor {

namespace fs = std::filesystem;

namespace {

const std::string Utf8Bom = "\xEF\xBB\xBF";

// A carriage return counts as a blank: a value can never hold one (a set
// turns it into a space), so one at the edge of a line is a line break that
// lost its partner, as on the last line of a CRLF file cut short.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// A line as the profile reader sees it: a section header, a key, or anything
// else (comments, blank lines, stray text), which is kept but never matched.
struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    std::string name;  // section or key name
    std::string value; // key value, blanks removed
};

Parsed parse(std::string text) {
    if (text.compare(0, Utf8Bom.size(), Utf8Bom) == 0) {
        text.erase(0, Utf8Bom.size());
    }
    const std::string line = trim(text);
    Parsed parsed;
    if (line.empty() || line[0] == ';') {
        return parsed;
    }
    if (line[0] == '[') {
        const std::size_t close = line.find(']');
        parsed.kind = Parsed::Section;
        parsed.name =
            trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return parsed;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return parsed;
    }
    parsed.kind = Parsed::Key;
    parsed.name = trim(line.substr(0, equals));
    parsed.value = trim(line.substr(equals + 1));
    return parsed;
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDecimalDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Accumulates digits of the given base from `pos`, saturating far above int's
// range so that clamping at the end gives the nearest int.
int64_t readDigits(const std::string& text, std::size_t& pos, int base) {
    constexpr int64_t Saturated = int64_t{1} << 40;
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? hexDigitValue(text[pos])
                                     : (isDecimalDigit(text[pos]) ? text[pos] - '0' : -1);
        if (digit < 0) {
            break;
        }
        value = value < Saturated ? value * base + digit : value;
    }
    return value;
}

int clampToInt(int64_t value) {
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// A value may not carry line breaks or NULs: they would split it into lines of
// their own or cut the file short when it is read back.
std::string singleLine(std::string value) {
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return value;
}

} // namespace

int ParseProfileInt(const std::string& text, int def) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == '-';
    if (negative) {
        ++pos;
    }
    const bool hex = pos + 2 < text.size() && text[pos] == '0' &&
                     (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
                     hexDigitValue(text[pos + 2]) >= 0;
    if (hex) {
        pos += 2;
    } else if (pos >= text.size() || !isDecimalDigit(text[pos])) {
        return def;
    }
    const int64_t magnitude = readDigits(text, pos, hex ? 16 : 10);
    return clampToInt(negative ? -magnitude : magnitude);
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    // Read only when it is a plain file: a pipe or a device in its place would
    // otherwise hold the program up at start-up or feed it bytes for ever.
    FileBytes file = ReadRegularFile(path_, std::numeric_limits<std::size_t>::max());
    if (file.refusal != FileRefusal::None) {
        // A file we may not read is still there: it reads as empty but counts.
        std::error_code ec;
        existed_ = file.refusal == FileRefusal::Unreadable && fs::is_regular_file(path_, ec);
        return;
    }
    existed_ = true;
    const std::string content = std::move(file.bytes);
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        if (newline == std::string::npos) {
            lines_.push_back({content.substr(start), ""});
            break;
        }
        const bool crlf = newline > start && content[newline - 1] == '\r';
        const std::size_t end = crlf ? newline - 1 : newline;
        lines_.push_back({content.substr(start, end - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
}

ProfileFile::KeyPos ProfileFile::find(const std::string& section, const std::string& key) const {
    KeyPos pos;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed parsed = parse(lines_[i].text);
        if (parsed.kind == Parsed::Section) {
            if (pos.section >= 0) {
                pos.sectionEnd = static_cast<std::ptrdiff_t>(i);
                return pos;
            }
            if (EqualsNoCase(parsed.name, section)) {
                pos.section = static_cast<std::ptrdiff_t>(i);
            }
        } else if (parsed.kind == Parsed::Key && pos.section >= 0 && pos.key < 0 &&
                   EqualsNoCase(parsed.name, key)) {
            pos.key = static_cast<std::ptrdiff_t>(i);
        }
    }
    if (pos.section >= 0) {
        pos.sectionEnd = static_cast<std::ptrdiff_t>(lines_.size());
    }
    return pos;
}

int ProfileFile::getInt(const std::string& section, const std::string& key, int def) const {
    const KeyPos pos = find(section, key);
    return pos.key < 0 ? def : ParseProfileInt(parse(lines_[pos.key].text).value, def);
}

std::string ProfileFile::getString(const std::string& section, const std::string& key,
                                   const std::string& def) const {
    const KeyPos pos = find(section, key);
    return CutText(pos.key < 0 ? def : parse(lines_[pos.key].text).value, ProfileValueMax);
}

std::string ProfileFile::newLineEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) {
            return line.ending;
        }
    }
    return "\n";
}

void ProfileFile::insertLine(std::size_t at, const std::string& text) {
    const std::string ending = newLineEnding();
    if (at == lines_.size() && !lines_.empty() && lines_.back().ending.empty()) {
        lines_.back().ending = ending;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{text, ending});
}

void ProfileFile::setString(const std::string& section, const std::string& key,
                            const std::string& value) {
    const std::string line = key + "=" + singleLine(value);
    const KeyPos pos = find(section, key);
    if (pos.key >= 0) {
        lines_[pos.key].text = line;
        return;
    }
    if (pos.section >= 0) {
        // After the section's last non-blank line, so blank separators stay put.
        std::size_t at = static_cast<std::size_t>(pos.section) + 1;
        for (std::ptrdiff_t i = pos.section + 1; i < pos.sectionEnd; ++i) {
            if (!trim(lines_[i].text).empty()) {
                at = static_cast<std::size_t>(i) + 1;
            }
        }
        insertLine(at, line);
        return;
    }
    if (!lines_.empty() && !trim(lines_.back().text).empty()) {
        insertLine(lines_.size(), "");
    }
    insertLine(lines_.size(), "[" + section + "]");
    insertLine(lines_.size(), line);
}

bool ProfileFile::save() {
    std::string content;
    for (const Line& line : lines_) {
        content += line.text;
        content += line.ending;
    }
    if (!WriteFileAtomically(path_, content)) {
        return false;
    }
    existed_ = true;
    return true;
}

} // namespace dealmoor
