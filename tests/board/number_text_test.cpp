#include "board/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "board/failure.h"

using namespace board;

namespace {

FailureCode failure_of(auto&& action) {
    try {
        action();
    } catch (const Failure& f) {
        return f.code();
    }
    ADD_FAILURE() << "no failure raised";
    return FailureCode::Overflow;
}

}  // namespace

TEST(NumberText, WritesWholeNumbersAsPlainDigits) {
    EXPECT_EQ(number_text(std::int64_t{0}), "0");
    EXPECT_EQ(number_text(std::int64_t{10}), "10");
    EXPECT_EQ(number_text(std::int64_t{-5}), "-5");
    EXPECT_EQ(number_text(2050.0), "2050");
    EXPECT_EQ(number_text(0.0), "0");
    EXPECT_EQ(number_text(-0.0), "0");
    EXPECT_EQ(number_text(2.5), "2.5");
}

TEST(NumberText, LenientReadingTakesTheLeadingNumberAndNeverFails) {
    EXPECT_EQ(read_lenient("750"), 750);
    EXPECT_EQ(read_lenient("                    0  "), 0);
    EXPECT_EQ(read_lenient("Label9"), 0);
    EXPECT_EQ(read_lenient(""), 0);
    EXPECT_EQ(read_lenient("12abc"), 12);
    EXPECT_EQ(read_lenient(" 7 5 0"), 750);
    EXPECT_EQ(read_lenient("1,5"), 1);
    EXPECT_EQ(read_lenient("-5"), -5);
    EXPECT_EQ(read_lenient("+\t4\r\n2"), 42);
    EXPECT_EQ(read_lenient("250ms"), 250);
    EXPECT_EQ(read_lenient("500.5"), 500.5);
    EXPECT_EQ(read_lenient("1.2.3"), 1.2);
    EXPECT_EQ(read_lenient("1E3"), 1000);
    EXPECT_EQ(read_lenient("2d2"), 200);
    EXPECT_EQ(read_lenient("5e"), 5);
    EXPECT_EQ(read_lenient("&HFF"), 255);
    EXPECT_EQ(read_lenient("&o17"), 15);
    EXPECT_EQ(read_lenient("-"), 0);
    EXPECT_EQ(read_lenient("."), 0);
}

TEST(NumberText, StrictReadingAcceptsOnlyANumberBetweenBlanks) {
    EXPECT_EQ(read_strict("60"), 60);
    EXPECT_EQ(read_strict(" 60 "), 60);
    EXPECT_EQ(read_strict("                    0"), 0);
    EXPECT_EQ(read_strict("-3.5e1"), -35);
    for (const char* bad : {"", "Label9", "abc", "12abc", "1 2", "-", "1e", "&H10"}) {
        EXPECT_EQ(failure_of([&] { read_strict(bad); }), FailureCode::TypeMismatch) << bad;
    }
}

TEST(NumberText, RoundingGoesToTheEvenNeighbourAtHalves) {
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(500.5), 500);
    EXPECT_EQ(round_half_even(501.5), 502);
    EXPECT_EQ(round_half_even(2.4999), 2);
    EXPECT_EQ(round_half_even(2147483647.0), 2147483647);
    EXPECT_EQ(round_half_even(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(failure_of([] { round_half_even(2147483648.0); }), FailureCode::Overflow);
    EXPECT_EQ(failure_of([] { round_half_even(-1e20); }), FailureCode::Overflow);
    EXPECT_EQ(failure_of([] { round_half_even(std::numeric_limits<double>::infinity()); }),
              FailureCode::Overflow);
}

TEST(NumberText, WholePartIsTheFloor) {
    EXPECT_EQ(whole_part(3.7), 3);
    EXPECT_EQ(whole_part(-0.5), -1);
    EXPECT_EQ(whole_part(2.0), 2);
}
