#include "number_texts.h"

#include <gtest/gtest.h>

#include "engine.h"
#include "row_names.h"

namespace kurvex {
namespace {

struct Shown {
    long double value;
    const char* point;  // with "." as the separator
    const char* comma;  // with ","
};

class ValueTextTest : public ::testing::TestWithParam<Shown> {};

TEST_P(ValueTextTest, UsesTheLocaleSeparator) {
    EXPECT_EQ(ValueText(GetParam().value, "."), GetParam().point);
    EXPECT_EQ(ValueText(GetParam().value, ","), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueTextTest,
    ::testing::Values(Shown{1.5L, "1.500000000000000000", "1,500000000000000000"},
                      Shown{0, "0.000000000000000000", "0,000000000000000000"},
                      Shown{-2.98L, "-2.980000000000000000", "-2,980000000000000000"},
                      Shown{1e20L, "1E20", "1E20"}, Shown{-2.5e21L, "-2.5E21", "-2,5E21"}),
    NamedBy<&Shown::point>());

class GeneralTextTest : public ::testing::TestWithParam<Shown> {};

TEST_P(GeneralTextTest, ShortestFormWithFifteenDigits) {
    EXPECT_EQ(GeneralText(GetParam().value, "."), GetParam().point);
    EXPECT_EQ(GeneralText(GetParam().value, ","), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GeneralTextTest,
    ::testing::Values(Shown{0, "0", "0"}, Shown{-0.0L, "0", "0"}, Shown{1.5L, "1.5", "1,5"},
                      Shown{-2, "-2", "-2"}, Shown{100, "100", "100"},
                      Shown{1.0L / 3, "0.333333333333333", "0,333333333333333"},
                      Shown{-2.0L / 3, "-0.666666666666667", "-0,666666666666667"},
                      Shown{1e14L, "100000000000000", "100000000000000"},
                      Shown{123456789012345.0L, "123456789012345", "123456789012345"},
                      Shown{1234567890123456.0L, "1.23456789012346E15", "1,23456789012346E15"},
                      Shown{999999999999999.9L, "1E15", "1E15"}, Shown{0.0001L, "0.0001", "0,0001"},
                      Shown{-0.00012345L, "-0.00012345", "-0,00012345"},
                      Shown{0.00009L, "9E-5", "9E-5"}, Shown{1.5e-7L, "1.5E-7", "1,5E-7"},
                      Shown{1e300L, "1E300", "1E300"}),
    NamedBy<&Shown::point>());

struct Entry {
    const char* text;
    const char* separator;
    long double value;
};

class BoxNumberTest : public ::testing::TestWithParam<Entry> {};

TEST_P(BoxNumberTest, ReadsTheEntry) {
    EXPECT_EQ(BoxNumber(GetParam().text, GetParam().separator), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Entries, BoxNumberTest,
                         ::testing::Values(Entry{"12", ".", 12}, Entry{"  12 ", ".", 12},
                                           Entry{"+1.5", ".", 1.5L}, Entry{"-2e3", ".", -2000},
                                           Entry{"1E-2", ".", 0.01L}, Entry{".5", ".", 0.5L},
                                           Entry{"5.", ".", 5}, Entry{"1,5", ",", 1.5L},
                                           Entry{" -0,25e1", ",", -2.5L}, Entry{"\t7\t", ".", 7}),
                         NamedBy<&Entry::text>());

class BoxNumberRefusalTest : public ::testing::TestWithParam<Entry> {};

TEST_P(BoxNumberRefusalTest, NamesTheEntryInTheMessage) {
    try {
        BoxNumber(GetParam().text, GetParam().separator);
        ADD_FAILURE() << "read " << GetParam().text;
    } catch (const ConversionFault& fault) {
        EXPECT_EQ(fault.what(),
                  "'" + std::string(GetParam().text) + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, BoxNumberRefusalTest,
                         ::testing::Values(Entry{"", ".", 0}, Entry{"   ", ".", 0},
                                           Entry{"abc", ".", 0}, Entry{"1.5", ",", 0},
                                           Entry{"1,5", ".", 0}, Entry{"1 2", ".", 0},
                                           Entry{"1.2.3", ".", 0}, Entry{"1,2,3", ",", 0},
                                           Entry{"e5", ".", 0}, Entry{"--1", ".", 0},
                                           Entry{"2pi", ".", 0},
                                           // beyond the range of the extended type
                                           Entry{"1e5000", ".", 0}, Entry{"-1e5000", ".", 0}),
                         NamedBy<&Entry::text>());

}  // namespace
}  // namespace kurvex
