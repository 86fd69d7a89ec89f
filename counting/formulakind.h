#pragma once

#include <array>
#include <string_view>

namespace tarvi {

// The index of a formula panel, of every panel control array and of the
// "Generar caso..." entries (6 is "Todos").
enum class FormulaKind { V = 0, VR = 1, P = 2, PR = 3, C = 4, CR = 5 };

inline constexpr int kKinds = 6;
inline constexpr int kAllKinds = 6; // "Todos" in the random-case menu

inline constexpr std::array<std::string_view, kKinds> NomsFormula = {"V", "VR", "P", "PR", "C", "CR"};

inline constexpr std::string_view SaltLinia = "\r\n";

// Panels with an n box of their own.
constexpr bool hasN(FormulaKind kind)
{
    return kind == FormulaKind::V || kind == FormulaKind::VR || kind == FormulaKind::C ||
           kind == FormulaKind::CR;
}

constexpr int index(FormulaKind kind) { return static_cast<int>(kind); }

} // namespace tarvi
