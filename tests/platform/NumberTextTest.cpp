#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

struct FixedCase {
    double value;
    int decimals;
    std::string text;
};

TEST(FixedText, WritesAPointAndNeverANegativeZero) {
    const std::vector<FixedCase> cases = {
        {5000, 2, "5000.00"},
        {2.5, 2, "2.50"},
        {100000000, 2, "100000000.00"},
        {1.5, 1, "1.5"},
        {-12.345, 2, "-12.35"},
        {-0.001, 2, "0.00"}, // rounds to zero: no minus sign
        {-0.0, 2, "0.00"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0.00"},
        {std::numeric_limits<double>::infinity(), 1, "0.0"},
        {637847.4, 0, "637847"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.value;
    }
}

} // namespace
} // namespace dealmoor
