#include "engine/readnumber.h"

#include <gtest/gtest.h>

#include <optional>

using tarvi::parseWhole16;
using tarvi::Separators;

// A few readings by hand, each with C's marks and with the comma-decimal marks
// that Spanish and German share; `no` stands for no value. The fuzz target
// compares every other text with a reference reading.
TEST(TextToNumber, BlanksExponentsMarksHalvesAndThe16BitRange)
{
    const std::optional<int> no;
    const struct {
        const char* text;
        std::optional<int> c, comma;
    } rows[] = {
        {"  12 ", 12, 12}, {"1e3", 1000, 1000}, {"-32768", -32768, -32768}, {"32768", no, no},
        {"12abc", no, no}, {"", no, no},        {"12,5", 125, 12},          {"1.000", 1, 1000},
        {"3.5", 4, 35},    {"-2.5", -2, -25},   {"32767,4", no, 32767},     {"1e-400", 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseWhole16(row.text, Separators{".", ","}), row.c) << row.text;
        EXPECT_EQ(parseWhole16(row.text, Separators{",", "."}), row.comma) << row.text << " (es, de)";
    }
}
