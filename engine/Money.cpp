#include "engine/Money.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace dealmoor {

namespace {

constexpr std::size_t MoneyTextMax = 20;

} // namespace

long long Cents(double amount) {
    return std::llround(amount * 100.0);
}

double RoundToCents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

bool Covers(double have, double need) {
    return Cents(have) >= Cents(need);
}

double WithinMoneyLimit(double amount) {
    if (std::isnan(amount)) {
        return 0;
    }
    return std::clamp(amount, -MoneyLimit, MoneyLimit);
}

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

} // namespace dealmoor
