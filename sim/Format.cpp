#include "sim/Format.h"

#include <array>
#include <charconv>

namespace dealmoor::sim {

std::string Fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return "?";
    }
    std::string text(buffer.data(), end);
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') {
        text.erase(0, 1); // no "-0.00"
    }
    return text;
}

} // namespace dealmoor::sim
