#pragma once

#include "counting/evaluation.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvi {

// Only counts up to this are ever listed; nothing larger is built.
inline constexpr int kMostListed = 50;

// The symbols that name the objects of a listing: "abcdefghij", then on to z,
// then A to Z. A case with m letters takes the first m.
inline constexpr std::string_view Alfabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Asking for the subsets of a selection that has more than kMostListed of them.
class ListingTooLarge : public std::length_error {
public:
    ListingTooLarge() : std::length_error("more subsets than are ever listed") {}
};

// All n-element subsets of the letters, each written in the letters' own
// order, concatenated without separators in lexicographic order:
// ("abcd", 2) gives "abacadbcbdcd". With n below 1 or above the number of
// letters there is no non-empty subset and the result is empty. A selection
// with more than kMostListed subsets throws ListingTooLarge before anything
// is built.
std::string Conjs(std::string_view letters, std::int16_t n);

// What double-clicking a panel's result shows, built from the panel's inputs.
struct Listing {
    enum class Status {
        Listed,         // `text` holds the listing
        Rejected,       // the panel does not accept the inputs: `evaluation` holds its error
        TooMany,        // the count is above kMostListed
        TooManyLetters, // the case needs more letters than Alfabet has
    };
    Status status = Status::Rejected;
    std::string text;
    Evaluation evaluation;
};

// Evaluates the inputs as the panel does and, for a count up to kMostListed,
// lists what was counted: "[letters]", then for each object a line break
// (SaltLinia), a blank, its number, ") " and its word; no line break after
// the last. Words are in lexicographic order of the letters' order:
//   V   ordered selections of n distinct letters out of m
//   VR  words of n letters out of m, repeats allowed
//   P   orderings of the first m letters
//   PR  distinct orderings of the multiset a repeated n1 times, b n2 times...,
//       which the letters line writes out ("[aabbbc]")
//   C   n-element subsets of the m letters (through Conjs)
//   CR  n-element multisets of the m letters, as non-decreasing words
// A count of 1 with nothing to choose (n = 0) lists one empty entry " 1) ".
// In exact mode a count above the 32-bit range is too many to list, not an error.
Listing listingFor(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                   CountMode mode = CountMode::Double);

} // namespace tarvi
