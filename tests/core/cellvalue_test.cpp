// Converting a cell's text to its value must give exactly what atof gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "diagram/CellValues.h"

namespace {

void ExpectSameAsAtof(const std::string& text) {
    const double expected = std::atof(text.c_str());
    const double actual = CellValue(text.c_str());
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << text;
    } else {
        EXPECT_EQ(std::memcmp(&expected, &actual, sizeof(double)), 0)
            << "'" << text << "': atof " << expected << ", CellValue " << actual;
    }
}

}  // namespace

TEST(CellValueTest, MatchesAtofOnTheAwkwardCases) {
    for (const char* text : {"",
                             "abc",
                             "12abc",
                             "-0",
                             "+5",
                             " \t42",
                             "1,5",
                             "1.5",
                             "1e2",
                             "1E-3",
                             "1e",
                             "1e+",
                             ".5",
                             "5.",
                             ".",
                             "-.",
                             "0x1A",
                             "-0X10",
                             "inf",
                             "-Infinity",
                             "nan",
                             "0.1",
                             "0.3",
                             "123456789012345",
                             "1234567890123456",
                             "12345678901234567890",
                             "0.000000000000000000001",
                             "0.0000000000000000000001",
                             "9007199254740993",
                             "1.7976931348623157e308",
                             "1e400",
                             "4.9e-324",
                             "00000000000000000000001.5",
                             "3.14159265358979",
                             "10:05",
                             "--1",
                             "+-1",
                             "1.2.3",
                             "\xd0\x96"}) {
        ExpectSameAsAtof(text);
    }
}

TEST(CellValueTest, MatchesAtofOnRandomDecimals) {
    std::mt19937_64 rng(12345);
    std::uniform_int_distribution<int> digits(1, 18);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string text = (rng() & 1) ? "-" : "";
        const int intDigits = digits(rng) - 1;
        for (int k = 0; k < intDigits; ++k)
            text += static_cast<char>('0' + digit(rng));
        if (rng() & 1) {
            text += '.';
            const int frac = digits(rng) + 4;
            for (int k = 0; k < frac; ++k)
                text += static_cast<char>('0' + digit(rng));
        }
        ExpectSameAsAtof(text);
    }
}
