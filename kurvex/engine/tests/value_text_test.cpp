#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "engine.h"
#include "row_names.h"

namespace kurvex {
namespace {

struct Formatted {
    long double value;
    const char* text;
};

class FormatValueTest : public ::testing::TestWithParam<Formatted> {};

TEST_P(FormatValueTest, WritesTheValueText) {
    EXPECT_EQ(FormatValue(GetParam().value), GetParam().text);
    EXPECT_EQ(reference::FormatValue(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormatValueTest,
    ::testing::Values(
        Formatted{0.5L, "0.500000000000000000"}, Formatted{1.0L / 3, "0.333333333333333333"},
        Formatted{2.0L / 3, "0.666666666666666667"}, Formatted{0, "0.000000000000000000"},
        Formatted{-1.5L, "-1.500000000000000000"},
        Formatted{123456.789L, "123456.789000000000000000"},
        Formatted{-123456.789L, "-123456.789000000000000000"},
        Formatted{1e-5L, "0.000010000000000000"},
        // 18 significant digits for magnitudes of 0.1 and more, else 18 decimals
        Formatted{1.0L / 7, "0.142857142857142857"}, Formatted{100.0L / 7, "14.285714285714285700"},
        Formatted{1e17L / 7, "14285714285714285.700000000000000000"},
        Formatted{1.0L / 70, "0.014285714285714286"}, Formatted{6e-19L, "0.000000000000000001"},
        Formatted{-6e-19L, "-0.000000000000000001"},
        // zero never carries a sign
        Formatted{-0.0L, "0.000000000000000000"}, Formatted{-1e-25L, "0.000000000000000000"},
        Formatted{-4e-19L, "0.000000000000000000"},
        // rounding up to a new digit
        Formatted{0.9999999999999999999L, "1.000000000000000000"},
        Formatted{-0.9999999999999999999L, "-1.000000000000000000"},
        Formatted{9.9999999999999999999L, "10.000000000000000000"},
        Formatted{99999.999999999999999L, "100000.000000000000000000"},
        Formatted{0.099999999999999999999L, "0.100000000000000000"},
        // around 10^18
        Formatted{999999999999999999.0L, "999999999999999999.000000000000000000"},
        Formatted{-999999999999999999.0L, "-999999999999999999.000000000000000000"},
        Formatted{999999999999999999.5L, "1E18"}, Formatted{1e18L, "1E18"},
        Formatted{-1e18L, "-1E18"}, Formatted{1e18L + 64, "1.00000000000000006E18"},
        // halves go to the even neighbour
        Formatted{123456789012345678.5L, "123456789012345678.000000000000000000"},
        Formatted{123456789012345679.5L, "123456789012345680.000000000000000000"},
        // scientific form
        Formatted{1e20L, "1E20"}, Formatted{-2.5e21L, "-2.5E21"},
        Formatted{1.23456789012345678e300L, "1.23456789012345678E300"},
        Formatted{std::numeric_limits<long double>::max(), "1.18973149535723177E4932"}),
    NamedBy<&Formatted::text>());

TEST(FormatValue, RefusesValuesThatAreNotFinite) {
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_THROW(FormatValue(inf), OverflowFault);
    EXPECT_THROW(FormatValue(-inf), OverflowFault);
    EXPECT_THROW(FormatValue(std::numeric_limits<long double>::quiet_NaN()), InvalidOperationFault);
}

TEST(FormatValue, IgnoresTheDesktopLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    // As a Qt program runs: the C library's numeric locale is the desktop's.
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "scripts/setup.sh generates it";
    EXPECT_EQ(FormatValue(1e20L + 1e5L), "1.000000000000001E20");
    EXPECT_EQ(reference::FormatValue(0.25L), "0.250000000000000000");
    EXPECT_EQ(ConvertNumber("1.5e300"), 1.5e300L);
    std::setlocale(LC_ALL, saved.c_str());
}

// Random extended values: a full 64-bit significand at a random binary exponent.
class RandomValues {
public:
    explicit RandomValues(uint64_t seed) : engine_(seed) {}

    long double Next(int minExponent, int maxExponent) {
        const uint64_t significand = engine_() | (1ULL << 63);
        std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
        const long double magnitude =
            std::ldexp(static_cast<long double>(significand), exponent(engine_) - 63);
        return (engine_() & 1) ? -magnitude : magnitude;
    }
    uint64_t Bits() { return engine_(); }

private:
    std::mt19937_64 engine_;
};

TEST(FormatValue, MatchesCorrectlyRoundedPrintfOverTheWholeRange) {
    RandomValues random(20261211);
    for (int i = 0; i < 200000; ++i) {
        // mostly the magnitudes an evaluation meets, some anywhere in the range
        const long double v = i % 10 == 0 ? random.Next(-16382, 16383) : random.Next(-70, 64);
        ASSERT_EQ(FormatValue(v), reference::FormatValue(v)) << static_cast<double>(v);
    }
}

TEST(FormatValue, MatchesPrintfOnDecimalHalves) {
    // n + 0.5 at 18 digits, and k/2^m near the 18th decimal: exact ties for the rounding.
    RandomValues random(7);
    for (int i = 0; i < 20000; ++i) {
        const long double whole =
            static_cast<long double>(random.Bits() % 900000000000000000ULL + 100000000000000000ULL);
        for (long double v : {whole + 0.5L, -(whole + 0.5L)})
            ASSERT_EQ(FormatValue(v), reference::FormatValue(v));
        const long double tiny = std::ldexp(static_cast<long double>(random.Bits() % 4096), -70);
        ASSERT_EQ(FormatValue(tiny), reference::FormatValue(tiny));
    }
}

TEST(FormatValue, ReadsBackToTheSameText) {
    RandomValues random(11);
    for (int i = 0; i < 50000; ++i) {
        const std::string text = FormatValue(random.Next(-64, 58));
        ASSERT_EQ(FormatValue(ReadOperandText(text)), text);
    }
}

struct Operand {
    const char* text;
    long double value;
};

class ReadOperandTextTest : public ::testing::TestWithParam<Operand> {};

TEST_P(ReadOperandTextTest, ReadsTheNumber) {
    EXPECT_EQ(ReadOperandText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadOperandTextTest,
    ::testing::Values(Operand{"", 0}, Operand{"-", 0}, Operand{".", 0}, Operand{"-.", 0},
                      Operand{"5", 5}, Operand{"-5", -5}, Operand{"5.", 5}, Operand{".5", 0.5},
                      Operand{"-0.25", -0.25}, Operand{"007", 7},
                      Operand{"0.333333333333333333", 0.333333333333333333L},
                      Operand{"-123456789012345678.000000000000000000", -123456789012345678.0L},
                      Operand{"18446744073709551615", 18446744073709551615.0L},
                      Operand{"1234567890123456789012345", 1234567890123456789012345.0L}),
    NamedBy<&Operand::text>());

TEST(ReadOperandText, RefusesASecondPoint) {
    EXPECT_THROW(ReadOperandText("1.2.3"), ConversionFault);
    try {
        ReadOperandText("-1..");
    } catch (const ConversionFault& fault) {
        EXPECT_STREQ(fault.what(), "'-1..' is not a valid floating point value");
    }
}

TEST(ReadOperandText, OverflowsBeyondTheRangeAndUnderflowsToZero) {
    EXPECT_THROW(ReadOperandText("1" + std::string(5000, '0')), OverflowFault);
    EXPECT_EQ(ReadOperandText("0." + std::string(6000, '0') + "1"), 0);
}

TEST(ReadOperandText, MatchesCorrectlyRoundedStrtold) {
    // Digit strings of up to 30 digits with the point anywhere, both roads of the reader.
    RandomValues random(3);
    for (int i = 0; i < 200000; ++i) {
        std::string text = (random.Bits() & 1) ? "-" : "";
        const int digits = 1 + static_cast<int>(random.Bits() % 30);
        const int point = static_cast<int>(random.Bits() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + random.Bits() % 10);
        }
        const long double fast = ReadOperandText(text);
        const long double slow = reference::ParseDecimal(text);
        ASSERT_TRUE(fast == slow && std::signbit(fast) == std::signbit(slow)) << text;
    }
}

struct Conversion {
    const char* text;
    long double value;
};

class ConvertNumberTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertNumberTest, ConvertsWithExponent) {
    EXPECT_EQ(ConvertNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ConvertNumberTest,
                         ::testing::Values(Conversion{"1E20", 1e20L}, Conversion{"2e3", 2000},
                                           Conversion{"-2.5E21", -2.5e21L}, Conversion{"+5", 5},
                                           Conversion{"2.5e-3", 0.0025L}, Conversion{"5.", 5},
                                           Conversion{".5", 0.5},
                                           Conversion{"1e-99999999999999", 0},
                                           Conversion{"0.500000000000000000", 0.5}),
                         NamedBy<&Conversion::text>());

class ConvertNumberRefusalTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ConvertNumberRefusalTest, RaisesTheConversionFaultNamingTheText) {
    try {
        ConvertNumber(GetParam());
        ADD_FAILURE() << "converted " << GetParam();
    } catch (const ConversionFault& fault) {
        EXPECT_EQ(fault.what(),
                  "'" + std::string(GetParam()) + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ConvertNumberRefusalTest,
                         ::testing::Values("", "e", "e5", "5e", "5e+", ".", "-", "1.2.3", "--5",
                                           " 5", "5 ", "1E20.000000000000000000", "2*3", "x"),
                         NamedByText());

TEST(ConvertNumber, OverflowsBeyondTheRange) {
    EXPECT_THROW(ConvertNumber("1e5000"), OverflowFault);
    EXPECT_THROW(ConvertNumber("-1e99999999999999999999"), OverflowFault);
}

}  // namespace
}  // namespace kurvex
