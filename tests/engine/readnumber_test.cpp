#include "engine/readnumber.h"

#include <gtest/gtest.h>

#include <optional>

using tarvi::parseWhole16;
using tarvi::Separators;

// Each text read with C's marks and with the comma-decimal marks that Spanish
// and German share; halves go to the even neighbour; `no` stands for no value.
TEST(TextToNumber, BlanksSignsExponentsMarksAndHalves)
{
    const std::optional<int> no;
    const struct {
        const char* text;
        std::optional<int> c, comma;
    } rows[] = {
        {"  12 ", 12, 12},      {"+7", 7, 7},
        {"1e3", 1000, 1000},    {"-32768", -32768, -32768},
        {"", no, no},           {"32767", 32767, 32767},
        {"32768", no, no},      {"-32769", no, no},
        {"3000000000", no, no}, {"1e", no, no},
        {"12abc", no, no},      {"12.5", 12, 125},
        {"12,5", 125, 12},      {"1.000", 1, 1000},
        {"1,6", 16, 2},         {"3.5", 4, 35},
        {"2,5", 25, 2},         {"-2.5", -2, -25},
        {"32767.5", no, no},    {"32767,4", no, 32767},
        {"1e-400", 0, 0},       {"-0,9E-02200", 0, 0},
        {"1e400", no, no},      {"0.00001e400", no, no},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseWhole16(row.text, Separators{".", ","}), row.c) << row.text;
        EXPECT_EQ(parseWhole16(row.text, Separators{",", "."}), row.comma) << row.text << " (es, de)";
    }
}
