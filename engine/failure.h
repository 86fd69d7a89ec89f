#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarvi {

// The one family of arithmetic failures. Counting functions never report a
// problem by a message; they throw one of these and the caller decides.
class ArithmeticFailure : public std::runtime_error {
public:
    enum class Kind { Overflow16, FloatingPoint, IndexOutOfRange };

    ArithmeticFailure(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// A 16-bit signed intermediate: throws when the value leaves -32768 ... 32767.
inline std::int16_t checked16(long long value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw ArithmeticFailure(ArithmeticFailure::Kind::Overflow16, "16-bit overflow");
    return static_cast<std::int16_t>(value);
}

// Products and quotients are checked at once, so an intermediate that leaves
// the double range fails even if a later division would bring it back.
double checkedMul(double a, double b);
double checkedDiv(double a, double b);

} // namespace tarvi
