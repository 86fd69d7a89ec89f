#include "counting/enumeration.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace tarvi {

namespace {

// Whether the letters have more than kMostListed subsets of n elements
// (1 <= n <= size). C(size - n + i, i) never decreases as i grows, so the
// running value stops the loop long before it could overflow.
bool tooManySubsets(std::size_t size, std::size_t n)
{
    unsigned long long running = 1;
    for (std::size_t i = 1; i <= n; ++i) {
        running = running * (size - n + i) / i; // exact: C(size - n + i, i)
        if (running > kMostListed)
            return true;
    }
    return false;
}

// Each position in turn is the first letter of the subsets that start there,
// followed by every (n-1)-subset of the letters after it.
std::string subsets(std::string_view letters, std::size_t n)
{
    if (n == 1)
        return std::string(letters);
    std::string result;
    for (std::size_t i = 0; i + n <= letters.size(); ++i) {
        const std::string rest = subsets(letters.substr(i + 1), n - 1);
        for (std::size_t at = 0; at < rest.size(); at += n - 1) {
            result += letters[i];
            result.append(rest, at, n - 1);
        }
    }
    return result;
}

// The words of `length` letters in which letter i occurs at most supply[i]
// times (and, when asked, never before the letter in front of it), in
// lexicographic order, found by backtracking without recursion, so that a
// one-letter word of 32767 letters costs no stack. Called only once the count
// is known to be listable; every chosen prefix completes to a word, so the
// work is bounded by that count times the word length times the letters.
std::vector<std::string> words(std::string_view letters, std::vector<int> supply, std::size_t length,
                               bool nonDecreasing)
{
    std::vector<std::string> found;
    std::vector<std::size_t> chosen(length);
    std::size_t position = 0; // positions before this one are chosen
    std::size_t from = 0;     // the first letter to try at `position`
    const auto backUp = [&] {
        if (position == 0)
            return false;
        --position;
        ++supply[chosen[position]];
        from = chosen[position] + 1;
        return true;
    };
    for (;;) {
        if (position == length) {
            std::string word;
            for (std::size_t letter : chosen)
                word += letters[letter];
            found.push_back(std::move(word));
            if (!backUp())
                return found;
            continue;
        }
        std::size_t letter = (nonDecreasing && position > 0) ? std::max(from, chosen[position - 1]) : from;
        while (letter < letters.size() && supply[letter] == 0)
            ++letter;
        if (letter < letters.size()) {
            --supply[letter];
            chosen[position++] = letter;
            from = 0;
        } else if (!backUp()) {
            return found;
        }
    }
}

std::vector<std::string> splitRuns(const std::string& joined, std::size_t size)
{
    std::vector<std::string> runs;
    for (std::size_t at = 0; at < joined.size(); at += size)
        runs.push_back(joined.substr(at, size));
    return runs;
}

std::string listingText(std::string_view letters, const std::vector<std::string>& entries)
{
    std::string text = "[";
    text.append(letters).append("]");
    int k = 0;
    for (const std::string& entry : entries)
        text.append(SaltLinia).append(" ").append(std::to_string(++k)).append(") ").append(entry);
    return text;
}

// Letter i repeated n_i times, the multiset whose orderings PR counts.
std::string multiset(const Multiplicitats& record, std::vector<int>& supply)
{
    std::string written;
    for (int i = 1; i <= record.k; ++i) {
        written.append(static_cast<std::size_t>(record.n(i)), Alfabet[static_cast<std::size_t>(i - 1)]);
        supply.push_back(record.n(i));
    }
    return written;
}

// The listing of an accepted case with m letters (m <= Alfabet's size except
// for PR, whose letters come from its multiplicities).
std::string listingOf(FormulaKind kind, std::size_t m, std::size_t n, const Multiplicitats& record)
{
    const std::string_view letters = Alfabet.substr(0, m);
    const std::vector<int> once(m, 1);
    const std::vector<int> unlimited(m, static_cast<int>(n));
    switch (kind) {
    case FormulaKind::V:
        return listingText(letters, words(letters, once, n, false));
    case FormulaKind::VR:
        return listingText(letters, words(letters, unlimited, n, false));
    case FormulaKind::P:
        return listingText(letters, words(letters, once, m, false));
    case FormulaKind::PR: {
        std::vector<int> supply;
        const std::string written = multiset(record, supply);
        return listingText(written, words(Alfabet.substr(0, supply.size()), supply, written.size(), false));
    }
    case FormulaKind::C:
        if (n == 0)
            return listingText(letters, {""}); // the one empty selection
        return listingText(letters, splitRuns(Conjs(letters, static_cast<std::int16_t>(n)), n));
    case FormulaKind::CR:
        return listingText(letters, words(letters, unlimited, n, true));
    }
    return {};
}

} // namespace

std::string Conjs(std::string_view letters, std::int16_t n)
{
    if (n < 1 || static_cast<std::size_t>(n) > letters.size())
        return {};
    if (tooManySubsets(letters.size(), static_cast<std::size_t>(n)))
        throw ListingTooLarge();
    return subsets(letters, static_cast<std::size_t>(n));
}

Listing listingFor(FormulaKind kind, const PanelInputs& inputs, const Separators& separators, CountMode mode)
{
    Multiplicitats record;
    Listing listing;
    listing.evaluation = evaluatePanel(kind, inputs, separators, record, mode);
    if (!listing.evaluation.ok)
        return listing;

    // The count as the panel shows it: its digits, beyond 64 bits in exact mode.
    const std::string& shown = listing.evaluation.result;
    long long count = 0;
    const auto read = std::from_chars(shown.data(), shown.data() + shown.size(), count);
    if (read.ec != std::errc() || count > kMostListed) {
        listing.status = Listing::Status::TooMany;
        return listing;
    }

    // The evaluation accepted these texts, so they read as whole numbers >= 0.
    const std::size_t m = static_cast<std::size_t>(*parseWhole16(inputs.m, separators));
    const std::size_t n = hasN(kind) ? static_cast<std::size_t>(*parseWhole16(inputs.n, separators)) : 0;
    if (kind != FormulaKind::PR && m > Alfabet.size()) {
        listing.status = Listing::Status::TooManyLetters;
        return listing;
    }
    listing.status = Listing::Status::Listed;
    listing.text = listingOf(kind, m, n, record);
    return listing;
}

} // namespace tarvi
