#include "engine/counting.h"

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

ArithmeticFailure::Kind failureOf(auto&& call)
{
    try {
        call();
    } catch (const ArithmeticFailure& failure) {
        return failure.kind();
    }
    ADD_FAILURE() << "no failure raised";
    return ArithmeticFailure::Kind::IndexOutOfRange;
}

constexpr auto kFloat = ArithmeticFailure::Kind::FloatingPoint;
constexpr auto kOverflow = ArithmeticFailure::Kind::Overflow16;
constexpr auto kIndex = ArithmeticFailure::Kind::IndexOutOfRange;

} // namespace

TEST(Counting, FactorialAtItsLimits)
{
    EXPECT_EQ(Fact(0), 1.0);
    EXPECT_EQ(Fact(1), 1.0);
    EXPECT_EQ(Fact(-4), 1.0);
    EXPECT_EQ(Fact(12), 479001600.0);
    EXPECT_NEAR(Fact(170) / 7.257415615307994e306, 1.0, 1e-15);
    EXPECT_EQ(failureOf([] { Fact(171); }), kFloat);
    EXPECT_EQ(failureOf([] { Fact(32767); }), kFloat);
}

TEST(Counting, VariationsMultiplyFromTheSmallestFactor)
{
    EXPECT_EQ(Varia(10, 5), 30240.0);
    EXPECT_EQ(Varia(5, 0), 1.0);
    EXPECT_EQ(Varia(7, 1), 7.0);
    EXPECT_EQ(Varia(0, 0), 1.0);
    EXPECT_EQ(Varia(5, 5), 120.0);
    EXPECT_EQ(failureOf([] { Varia(32767, 100); }), kFloat);
    // m - n + 2 is formed as a 16-bit value first.
    EXPECT_EQ(failureOf([] { Varia(32767, -1); }), kOverflow);
}

TEST(Counting, CombinationsFormTheFactorialFirst)
{
    EXPECT_EQ(Comb(9, 0), 1.0);
    EXPECT_DOUBLE_EQ(Comb(33, 16), 1166803110.0);
    EXPECT_DOUBLE_EQ(Comb(34, 17), 2333606220.0);
    EXPECT_EQ(failureOf([] { Comb(171, 171); }), kFloat);
    EXPECT_EQ(failureOf([] { Comb(200, 199); }), kFloat);
}

TEST(Counting, CombinationsWithRepetition)
{
    EXPECT_EQ(CombRep(5, 3), 35.0);
    EXPECT_EQ(CombRep(5, 0), 1.0);
    EXPECT_EQ(CombRep(0, 3), 0.0);
    EXPECT_EQ(failureOf([] { CombRep(32767, 1); }), kOverflow); // m + n leaves 16 bits
    EXPECT_EQ(failureOf([] { CombRep(2, 171); }), kFloat);
}

TEST(Counting, PermutationsWithRepetitionDivideInListOrder)
{
    Multiplicitats r;
    r.k = 3;
    r.n(1) = 2;
    r.n(2) = 3;
    r.n(3) = 1;
    EXPECT_EQ(PermRep(6, r), 60.0);
    r.k = 0;
    EXPECT_EQ(PermRep(6, r), 720.0);
    r.k = 10;
    EXPECT_EQ(failureOf([&] { PermRep(6, r); }), kIndex);
    EXPECT_EQ(failureOf([&] { r.n(0) = 1; }), kIndex);
}
