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
        {"12abc", no, no}, {"", no, no},        {"12,5", no, 12},           {"1.000", 1, 1000},
        {"3.5", 4, no},    {"-2.5", -2, no},    {"32767,4", no, 32767},     {"1e-400", 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseWhole16(row.text, Separators{".", ","}), row.c) << row.text;
        EXPECT_EQ(parseWhole16(row.text, Separators{",", "."}), row.comma) << row.text << " (es, de)";
    }
}

// A group separator stands only between groups of three digits, after a first
// group of one to three; anywhere else the text is no number, so that a
// decimal mark typed the other locale's way never reads as another number.
TEST(TextToNumber, GroupSeparatorsOnlyBetweenGroupsOfThree)
{
    const std::optional<int> no;
    const struct {
        const char* text;
        std::optional<int> spanish, english;
    } rows[] = {
        {"1.000", 1000, 1},
        {"12.000", 12000, 12},
        {"-1.000,4", -1000, no},
        {"1,000", 1, 1000},
        {"3.0", no, 3},
        {"1.2.3", no, no},
        {"2,5", 2, no},
        {"1.0000", no, 1},
        {"1234.567", no, 1235},
        {"1.000.00", no, no},
        {"1.", no, 1},
        {"1..000", no, no},
        {"12.000,5e0", 12000, no},
        {"1,000.5", no, 1000},
        {"0.001", 1, 0},
        {"1.000e1", 10000, 10},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseWhole16(row.text, Separators{",", "."}), row.spanish) << row.text << " (es)";
        EXPECT_EQ(parseWhole16(row.text, Separators{".", ","}), row.english) << row.text << " (en)";
    }
    EXPECT_EQ(parseWhole16("12.000.000e-3", Separators{",", "."}), 12000) << "three groups (es)";
}
