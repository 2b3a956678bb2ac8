// The settings file reader and writer: any bytes loaded as a file, some keys
// read, some keys set (values with line breaks among them), saved, and loaded
// again. Every key set reads back as it was set (line breaks as spaces, blanks
// trimmed, cut to ProfileValueMax), the lines no set touched come back byte
// for byte and in order, and the keys no set touched read as before.
//
// An input is the file, then a line "%%ops", then one operation a line:
//   get SECTION|KEY
//   set SECTION|KEY|VALUE     (VALUE may hold \n, \r, \t, \0 and \\ escapes)

#include "fuzz/FuzzSupport.h"
#include "platform/FileLookup.h"
#include "platform/ProfileFile.h"
#include "platform/TextCut.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using namespace dealmoor;
using dealmoor::fuzz::Fail;

namespace {

constexpr std::string_view OpsMarker = "\n%%ops\n";
constexpr std::size_t MaxOps = 64;
const std::string Missing = "<missing>";

struct Op {
    bool set = false;
    std::string section;
    std::string key;
    std::string value;
};

struct Line {
    std::string text;
    std::string ending;
    bool operator==(const Line&) const = default;
};

std::vector<Line> splitLines(const std::string& content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        if (newline == std::string::npos) {
            lines.push_back({content.substr(start), ""});
            break;
        }
        const bool crlf = newline > start && content[newline - 1] == '\r';
        const std::size_t end = crlf ? newline - 1 : newline;
        lines.push_back({content.substr(start, end - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

std::string unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        default:
            out += text[i];
            break;
        }
    }
    return out;
}

std::vector<Op> parseOps(std::string_view text) {
    std::vector<Op> ops;
    while (!text.empty() && ops.size() < MaxOps) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const bool set = line.substr(0, 4) == "set ";
        if (!set && line.substr(0, 4) != "get ") {
            continue;
        }
        const std::string_view rest = line.substr(4);
        const std::size_t bar1 = rest.find('|');
        if (bar1 == std::string_view::npos) {
            continue;
        }
        const std::size_t bar2 = set ? rest.find('|', bar1 + 1) : std::string_view::npos;
        if (set && bar2 == std::string_view::npos) {
            continue;
        }
        Op op;
        op.set = set;
        op.section = std::string(rest.substr(0, bar1));
        op.key = std::string(rest.substr(bar1 + 1, set ? bar2 - bar1 - 1 : std::string::npos));
        if (set) {
            op.value = unescape(rest.substr(bar2 + 1));
        }
        ops.push_back(op);
    }
    return ops;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool hasEdgeBlank(const std::string& s) {
    return s.empty() || isBlank(s.front()) || isBlank(s.back());
}

bool hasAny(const std::string& s, std::string_view chars) {
    return s.find_first_of(chars) != std::string::npos;
}

bool startsWithBom(const std::string& s) {
    return s.rfind("\xEF\xBB\xBF", 0) == 0;
}

// Names the program could give: a section header "[NAME]" and a key line
// "NAME=..." must read back as that name and nothing else.
bool usableSection(const std::string& name) {
    return !hasEdgeBlank(name) && !hasAny(name, std::string_view("]\r\n\0", 4));
}

bool usableKey(const std::string& name) {
    return !hasEdgeBlank(name) && !hasAny(name, std::string_view("=\r\n\0", 4)) && name[0] != '[' &&
           name[0] != ';' && !startsWithBom(name);
}

std::string lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

// The value a set writes, as the reader sees it before the length cut.
std::string storedValue(std::string value) {
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    std::size_t begin = 0;
    std::size_t end = value.size();
    while (begin < end && isBlank(value[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(value[end - 1])) {
        --end;
    }
    return value.substr(begin, end - begin);
}

// What a value set with setString reads back as.
std::string readBack(const std::string& value) {
    return CutText(storedValue(value), ProfileValueMax);
}

std::string shown(const std::string& s) {
    std::string out;
    for (unsigned char c : s.substr(0, 200)) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return "'" + out + (s.size() > 200 ? "'..." : "'");
}

struct SetKey {
    std::string section;
    std::string key;
    std::string expected;
    std::string raw;
};

void checkSetKeys(const ProfileFile& file, const std::vector<SetKey>& sets, const char* when) {
    for (const SetKey& s : sets) {
        const std::string got = file.getString(s.section, s.key, Missing);
        FUZZ_CHECK(got == s.expected, std::string(when) + ": [" + s.section + "] " + s.key +
                                          " set to " + shown(s.raw) + " reads " + shown(got) +
                                          ", not " + shown(s.expected));
        FUZZ_CHECK(file.getInt(s.section, s.key, -1) == ParseProfileInt(storedValue(s.raw), -1),
                   std::string(when) + ": the integer of " + shown(s.expected));
    }
}

// Whether a line of the old file may have been replaced by a set: only a line
// naming one of the keys set can be.
bool mayBeReplaced(const Line& line, const std::vector<SetKey>& sets) {
    const std::string text = lower(line.text);
    return std::any_of(sets.begin(), sets.end(), [&](const SetKey& s) {
        return text.find(lower(s.key)) != std::string::npos;
    });
}

// A line a set may add: a blank separator, a section header or a key line.
bool mayBeAdded(const Line& line, const std::vector<SetKey>& sets) {
    if (line.text.empty()) {
        return true;
    }
    return std::any_of(sets.begin(), sets.end(), [&](const SetKey& s) {
        return EqualsNoCase(line.text, "[" + s.section + "]") ||
               EqualsNoCase(line.text.substr(0, s.key.size() + 1), s.key + "=");
    });
}

bool sameLine(const Line& old, const Line& saved, bool oldIsLastWithoutBreak) {
    // The old last line may gain a line break when lines are added after it;
    // its bytes stay as they were (a lone CR at its end then pairs with the LF).
    return saved == old ||
           (oldIsLastWithoutBreak && (saved.text + saved.ending).rfind(old.text, 0) == 0);
}

// A save keeps every old line in order, replaces some in place and adds others.
// Looks for such an alignment of the saved lines with the old ones: old lines
// no set names must come back unchanged, lines naming a set key may instead be
// replaced by a key line, and every other saved line must be one a set adds.
// Lines are only ever added, so a saved line sits at most (saved - old) lines
// below its old place, and the search keeps that band only.
void checkUntouchedLines(const std::vector<Line>& before, const std::vector<Line>& after,
                         const std::vector<SetKey>& sets) {
    const std::size_t n = before.size();
    const std::size_t m = after.size();
    FUZZ_CHECK(m >= n, std::to_string(n) + " old lines came back as " + std::to_string(m));
    const std::size_t band = m - n + 1;
    std::vector<bool> added(m);
    for (std::size_t a = 0; a < m; ++a) {
        added[a] = mayBeAdded(after[a], sets);
    }
    // reach[d]: old lines [0, b) align with saved lines [0, b + d).
    std::vector<bool> reach(band, false);
    reach[0] = true;
    std::size_t furthest = 0; // old lines aligned so far, for the message
    for (std::size_t b = 0;; ++b) {
        for (std::size_t d = 0; d + 1 < band; ++d) {
            if (reach[d] && added[b + d]) {
                reach[d + 1] = true;
            }
        }
        if (std::find(reach.begin(), reach.end(), true) == reach.end()) {
            break;
        }
        furthest = b;
        if (b == n) {
            break;
        }
        const bool last = b + 1 == n && before[b].ending.empty();
        const bool replaceable = mayBeReplaced(before[b], sets);
        std::vector<bool> next(band, false);
        for (std::size_t d = 0; d < band; ++d) {
            const std::size_t a = b + d;
            next[d] = reach[d] && a < m &&
                      (sameLine(before[b], after[a], last) || (replaceable && added[a]));
        }
        reach.swap(next);
    }
    FUZZ_CHECK(furthest == n && reach[band - 1],
               "old line " + std::to_string(furthest + 1) + " " +
                   shown(furthest < n ? before[furthest].text : std::string()) +
                   " or a line after it is lost or changed, or a saved line is neither old "
                   "nor one a set adds");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t marker = input.find(OpsMarker);
    const std::string original(input.substr(0, marker));
    const std::vector<Op> ops = marker == std::string_view::npos
                                    ? std::vector<Op>{}
                                    : parseOps(input.substr(marker + OpsMarker.size()));

    const std::string path = fuzz::WriteScratchFile("DMOOR.INI", original);
    ProfileFile file(path);
    FUZZ_CHECK(file.existed(), "the file just written is not seen");

    struct Read {
        std::string section, key, value;
    };
    std::vector<Read> reads;
    std::vector<SetKey> sets;
    for (const Op& op : ops) {
        if (!op.set) {
            const std::string value = file.getString(op.section, op.key, Missing);
            FUZZ_CHECK(value == Missing || value.size() <= ProfileValueMax,
                       "a value longer than " + std::to_string(ProfileValueMax));
            FUZZ_CHECK(value.find('\n') == std::string::npos &&
                           (value.empty() || !isBlank(value[0])),
                       "value " + shown(value) + " keeps a line break or a leading blank");
            file.getInt(op.section, op.key, 0);
            reads.push_back({op.section, op.key, value});
            continue;
        }
        if (!usableSection(op.section) || !usableKey(op.key)) {
            continue;
        }
        file.setString(op.section, op.key, op.value);
        // A later set of the same key replaces an earlier one.
        std::erase_if(sets, [&](const SetKey& s) {
            return EqualsNoCase(s.section, op.section) && EqualsNoCase(s.key, op.key);
        });
        sets.push_back({op.section, op.key, readBack(op.value), op.value});
    }
    checkSetKeys(file, sets, "before saving");

    FUZZ_CHECK(file.save(), "saving into a writable folder failed");
    const std::string saved = fuzz::ReadWholeFile(path);
    if (sets.empty()) {
        FUZZ_CHECK(saved == original, "a file without sets is not saved byte for byte");
    }
    checkUntouchedLines(splitLines(original), splitLines(saved), sets);

    const ProfileFile reloaded(path);
    checkSetKeys(reloaded, sets, "after saving");
    for (const Read& r : reads) {
        const bool setSince = std::any_of(
            sets.begin(), sets.end(), [&](const SetKey& s) { return EqualsNoCase(s.key, r.key); });
        if (!setSince) {
            const std::string again = reloaded.getString(r.section, r.key, Missing);
            FUZZ_CHECK(again == r.value, "[" + r.section + "] " + r.key + " read " +
                                             shown(r.value) + " before the save, " + shown(again) +
                                             " after");
        }
    }
    return 0;
}
