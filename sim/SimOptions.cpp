#include "sim/SimOptions.h"

#include <charconv>
#include <limits>

namespace dealmoor::sim {

const char* const UsageText =
    "usage: dealmoor-sim --deals N [--settings FILE] [--seed S] [--shoe FILE] [--log]\n"
    "                    [--credits] [--check] [--threads N] [--fast-shuffle] [--no-topup]\n"
    "                    [--json]\n"
    "       dealmoor-sim --bench [--settings FILE] [--seed S] [--json]\n"
    "\n"
    "  --deals N        deals to play at every table together\n"
    "  --settings FILE  seats, rules and data folder from this settings file (read only);\n"
    "                   default: the table of a first run\n"
    "  --seed S         seed of the first table's shuffle (0..4294967295); other tables\n"
    "                   derive theirs from it; default: from the clock\n"
    "  --shoe FILE      cards dealt first, one a line: a card id 1..52 or a rank\n"
    "                   (A, 2..10, J, Q, K, clubs); at most 1 MiB, and at most one\n"
    "                   card less than the shoe holds (its first card is burnt)\n"
    "  --log            every card, decision, balloon, table text and settlement\n"
    "  --credits        one line 'deal N credits C1 ... Cn' after every deal (also with --log)\n"
    "  --check          verify money and invariants after every deal; exit 1 at a break\n"
    "  --threads N      independent tables on N threads; default: every core\n"
    "                   (--log, --credits and --shoe play one table)\n"
    "  --fast-shuffle   one Fisher-Yates pass instead of the game's 30 exchange passes\n"
    "  --no-topup       let seats run out of credits as at the real table\n"
    "  --bench          deals and hands per second with one and with six computer\n"
    "                   seats, and how long a card test and the house edge take\n"
    "  --json           the results (or the bench) as one JSON document on stdout;\n"
    "                   not with --log or --credits\n";

namespace {

template <typename Number> bool parseNumber(const std::string& text, Number& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last && !text.empty();
}

// Splits "--name=value" into its two parts; a plain "--name" has no value.
struct Argument {
    std::string name;
    std::optional<std::string> value;
};

Argument splitArgument(const std::string& arg) {
    const auto eq = arg.find('=');
    if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
        return {arg.substr(0, eq), arg.substr(eq + 1)};
    }
    return {arg, std::nullopt};
}

bool takesValue(const std::string& name) {
    return name == "--deals" || name == "--settings" || name == "--seed" || name == "--shoe" ||
           name == "--threads";
}

// Applies one option that carries a value; returns an error text or "".
std::string applyValue(SimOptions& o, const std::string& name, const std::string& value) {
    if (name == "--deals") {
        if (!parseNumber(value, o.Deals) || o.Deals <= 0) {
            return "--deals needs a positive whole number, not '" + value + "'";
        }
    } else if (name == "--settings") {
        o.SettingsFile = value;
    } else if (name == "--seed") {
        uint32_t seed = 0;
        if (!parseNumber(value, seed)) {
            return "--seed needs a whole number 0..4294967295, not '" + value + "'";
        }
        o.Seed = seed;
    } else if (name == "--shoe") {
        o.ShoeFile = value;
    } else if (name == "--threads") {
        constexpr unsigned MaxThreads = 1024;
        if (!parseNumber(value, o.Threads) || o.Threads == 0 || o.Threads > MaxThreads) {
            return "--threads needs a whole number 1..1024, not '" + value + "'";
        }
    }
    if (value.empty()) {
        return name + " needs a value";
    }
    return "";
}

// Applies one flag; returns false for an unknown one.
bool applyFlag(SimOptions& o, const std::string& name) {
    if (name == "--log") {
        o.Log = true;
    } else if (name == "--credits") {
        o.Credits = true;
    } else if (name == "--check") {
        o.Check = true;
    } else if (name == "--fast-shuffle") {
        o.FastShuffle = true;
    } else if (name == "--bench") {
        o.Bench = true;
    } else if (name == "--json") {
        o.Json = true;
    } else if (name == "--no-topup") {
        o.TopUp = false;
    } else if (name == "--help" || name == "-h") {
        o.Help = true;
    } else {
        return false;
    }
    return true;
}

} // namespace

ParseResult ParseSimOptions(const std::vector<std::string>& args) {
    ParseResult result;
    SimOptions& o = result.options;
    for (size_t i = 0; i < args.size(); ++i) {
        Argument arg = splitArgument(args[i]);
        if (takesValue(arg.name)) {
            if (!arg.value) {
                if (i + 1 >= args.size()) {
                    result.error = arg.name + " needs a value";
                    return result;
                }
                arg.value = args[++i];
            }
            result.error = applyValue(o, arg.name, *arg.value);
        } else if (arg.value || !applyFlag(o, arg.name)) {
            result.error = "unknown option '" + args[i] + "'";
        }
        if (!result.error.empty()) {
            return result;
        }
    }
    if (!o.Help && !o.Bench && o.Deals == 0) {
        result.error = "--deals N is required";
    } else if (o.Json && (o.Log || o.Credits)) {
        result.error = "--json prints one JSON document and cannot go with --log or --credits";
    }
    return result;
}

} // namespace dealmoor::sim
