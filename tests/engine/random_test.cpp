#include "engine/random.h"

#include "engine/failure.h"

#include <array>

#include <gtest/gtest.h>

using namespace tarvi;

TEST(Random, ValuesStayInTheHalfOpenUnitInterval)
{
    Generator generator(7);
    for (int i = 0; i < 200000; ++i) {
        const float r = generator.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Random, EveryIntegerOfTheRangeIsDrawnAboutEquallyOften)
{
    Generator generator(11);
    std::array<int, 4> seen{};
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        const std::int16_t value = NumAtzar(2, 5, generator);
        ASSERT_GE(value, 2);
        ASSERT_LE(value, 5);
        ++seen[static_cast<std::size_t>(value - 2)];
    }
    for (int count : seen)
        EXPECT_NEAR(count, draws / 4, draws / 40);
    EXPECT_EQ(NumAtzar(1, 1, generator), 1);
}

TEST(Random, SeedingRepeatsTheSequence)
{
    Generator a(42), b(1);
    b.seed(42);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(NumAtzar(1, 1000, a), NumAtzar(1, 1000, b));
}

TEST(Random, AWidthBeyondSixteenBitsOverflows)
{
    Generator generator;
    EXPECT_THROW(NumAtzar(-32768, 32767, generator), ArithmeticFailure);
}
