#include "platform/NumberText.h"

#include <charconv>
#include <cmath>

namespace dealmoor {

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    char buffer[512]; // room for the largest double in fixed notation
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

} // namespace dealmoor
