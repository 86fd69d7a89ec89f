#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvi {

// Decimal digits with a leading "-" for negatives; no blanks, no grouping.
std::string integerText(long long value);

// A double brought to 15 significant digits: whole numbers below 10^15 as
// digits, 10^15 and above as "d.dddE+XX", other values in fixed form. The
// point is always "."; nothing depends on the user's regional settings.
// Infinities are "inf" and "-inf", and an undefined value is "nan".
std::string generalNumberText(double x);

// A whole number given by its exact decimal digits (no sign, no leading
// zeros), however many, brought to the nearest value with 15 significant
// digits, halves to even, and then to the double that holds that value; its
// general number text is the number's own, exact up to 15 digits. Beyond the
// double range it is infinite.
double nearestWith15Digits(std::string_view digits);

// The coefficient written in front of a term: nothing for 0 and 1, "-" for -1.
std::string FormatCoef(double x);

// base raised to e: nothing for e = 0, base for e = 1, otherwise "base^e".
std::string FormatPot(std::string_view base, std::int16_t e);

} // namespace tarvi
