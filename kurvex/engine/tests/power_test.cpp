#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine.h"

namespace kurvex {
namespace {

struct Row {
    long double base, exponent, result;
};

class PowerTest : public ::testing::TestWithParam<Row> {};

TEST_P(PowerTest, IsExactWhereTheProductIs) {
    EXPECT_EQ(Power(GetParam().base, GetParam().exponent), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Whole, PowerTest,
    ::testing::Values(Row{2, 10, 1024}, Row{2, -2, 0.25L}, Row{0, 0, 1}, Row{-5, 0, 1},
                      Row{0, 5, 0}, Row{-2, 3, -8}, Row{-2, 4, 16},
                      Row{3, 37, 450283905890997363.0L}, Row{2, 63, 9223372036854775808.0L},
                      Row{2, -16000, std::ldexp(1.0L, -16000)}, Row{-1, 2147483646, 1},
                      Row{-1, -2147483648.0L, 1},
                      // the squares of a base below 1 underflow to 0 without a fault
                      Row{0.5L, 20000, 0},
                      // a power below the range underflows even when its product overflows
                      Row{10, -5000, 0}, Row{10, -4940, 0},
                      // not whole, or too large for square-and-multiply: e^(exponent × ln base)
                      Row{1, 3e9L, 1}, Row{4, 0.5L, 2}));

TEST(Power, NonWholeExponentsGoThroughTheLogarithm) {
    EXPECT_NEAR(static_cast<double>(Power(2, 0.5L)), std::sqrt(2.0), 1e-16);
    EXPECT_NEAR(static_cast<double>(Power(10, 2.5L)), std::pow(10.0, 2.5), 1e-12);
}

TEST(Power, Faults) {
    EXPECT_THROW(Power(2, -3e9L), InvalidOperationFault);
    EXPECT_THROW(Power(-8, 1.5L), InvalidArgumentFault);
    EXPECT_THROW(Power(-1, 2147483647.0L), InvalidArgumentFault);
    EXPECT_THROW(Power(0, 1.5L), DivisionByZeroFault);
    EXPECT_THROW(Power(0, 3e9L), DivisionByZeroFault);
    EXPECT_THROW(Power(0, -1), DivisionByZeroFault);
    EXPECT_THROW(Power(10, 5000), OverflowFault);
    EXPECT_THROW(Power(10, 4933), OverflowFault);
    EXPECT_THROW(Power(10, 5000.5L), OverflowFault);
    EXPECT_THROW(Power(0.1L, -5000), OverflowFault);
    EXPECT_NO_THROW(Power(10, 4932));
}

}  // namespace
}  // namespace kurvex
