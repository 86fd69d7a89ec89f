#include "calculator/core/enumeration.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;

const Separators kC{".", ","};

static Listing list(FormulaKind kind, std::string m, std::string n = {},
                    std::vector<std::string> multiplicities = {})
{
    return listingFor(kind, {std::move(m), std::move(n), std::move(multiplicities)}, kC);
}

// Checks one listing against what the panel counted: the letters line, then as
// many entries " k) word" as the count, strictly increasing in the alphabet's
// order (hence distinct), each of the right length and made of the right letters.
static void checkListing(FormulaKind kind, int n, const std::string& letters, const Listing& listing)
{
    SCOPED_TRACE(std::string(NomsFormula[index(kind)]) + " [" + letters + "] " + std::to_string(n));
    ASSERT_EQ(listing.status, Listing::Status::Listed);
    std::vector<std::string> text; // the letters line, then " k) word" for each entry
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 2)
        text.push_back(listing.text.substr(start, (end = listing.text.find("\r\n", start)) - start));
    ASSERT_EQ(text[0], "[" + letters + "]");
    ASSERT_EQ(static_cast<long long>(text.size() - 1), std::stoll(listing.evaluation.result));
    const bool usesAll = kind == FormulaKind::P || kind == FormulaKind::PR;
    std::vector<std::size_t> offered, previous; // letters as ranks in the alphabet
    for (char letter : letters)
        offered.push_back(Alfabet.find(letter));
    for (std::size_t k = 1; k < text.size(); ++k) {
        const std::string number = " " + std::to_string(k) + ") ";
        ASSERT_EQ(text[k].substr(0, number.size()), number);
        std::vector<std::size_t> word;
        for (char letter : text[k].substr(number.size())) {
            ASSERT_NE(letters.find(letter), std::string::npos) << text[k];
            word.push_back(Alfabet.find(letter));
        }
        ASSERT_EQ(word.size(), usesAll ? letters.size() : static_cast<std::size_t>(n)) << text[k];
        ASSERT_TRUE(k == 1 || previous < word) << text[k];
        previous = word;
        const bool repeats = kind == FormulaKind::VR || kind == FormulaKind::CR;
        if (kind == FormulaKind::C || kind == FormulaKind::CR) {
            ASSERT_TRUE(std::is_sorted(word.begin(), word.end())) << text[k];
        }
        std::sort(word.begin(), word.end());
        // Each letter at most as often as it is offered; P and PR use all.
        ASSERT_TRUE(repeats ||
                    (usesAll ? word == offered
                             : std::includes(offered.begin(), offered.end(), word.begin(), word.end())))
            << text[k];
    }
}

// Checks PR for every list of at most nine positive parts adding up to at most
// 52 whose multinomial count is listable (appending a part never lowers it).
static void checkListablePartitions(std::vector<std::string>& parts, const std::string& letters,
                                    long long count)
{
    const int m = static_cast<int>(letters.size());
    checkListing(FormulaKind::PR, m, letters, list(FormulaKind::PR, std::to_string(m), {}, parts));
    for (int part = 1; parts.size() < 9 && m + part <= 52; ++part) {
        long long next = count; // count * C(m + part, part), exact at every step
        for (int i = 1; i <= part && next <= kMostListed; ++i)
            next = next * (m + i) / i;
        if (next > kMostListed)
            break;
        parts.push_back(std::to_string(part));
        checkListablePartitions(parts, letters + std::string(part, Alfabet[parts.size() - 1]), next);
        parts.pop_back();
    }
}

TEST(Listing, ExactTextAndTheCasesNotListed)
{
    EXPECT_EQ(list(FormulaKind::C, "4", "2").text,
              "[abcd]\r\n 1) ab\r\n 2) ac\r\n 3) ad\r\n 4) bc\r\n 5) bd\r\n 6) cd");
    // One word as long as the largest n: built without running out of stack.
    EXPECT_EQ(list(FormulaKind::VR, "1", "32767").text, "[a]\r\n 1) " + std::string(32767, 'a'));
    EXPECT_EQ(list(FormulaKind::CR, "2", "49").status, Listing::Status::Listed);
    EXPECT_EQ(list(FormulaKind::CR, "2", "50").status, Listing::Status::TooMany);
    EXPECT_EQ(list(FormulaKind::VR, "52", "52").status, Listing::Status::Rejected); // past the 32-bit count
    // Counts of 1 whose letters the alphabet cannot name.
    EXPECT_EQ(list(FormulaKind::C, "53", "53").status, Listing::Status::TooManyLetters);
    EXPECT_EQ(list(FormulaKind::V, "30000", "0").status, Listing::Status::TooManyLetters);
    EXPECT_EQ(list(FormulaKind::PR, "5", {}, {"2", "1", "1"}).status, Listing::Status::Rejected);
    // The subsets themselves: none below n = 1 (no endless recursion), and a refusal
    // of too many before building them.
    EXPECT_EQ(Conjs("abc", 0) + Conjs("abc", -5) + Conjs("abc", 4), "");
    EXPECT_THROW(Conjs(Alfabet.substr(0, 51), 50), ListingTooLarge);
}

// For every panel and every input up to 52 letters whose count is listable:
// the listing has exactly the count the panel shows, in strict order, with the
// right words.
TEST(Listing, EveryListableCaseListsExactlyWhatWasCounted)
{
    for (FormulaKind kind :
         {FormulaKind::V, FormulaKind::VR, FormulaKind::C, FormulaKind::CR, FormulaKind::P})
        for (int m = 0; m <= 52; ++m)
            for (int n = 0; n <= (kind == FormulaKind::P ? 0 : 200); ++n) {
                const Listing listing =
                    list(kind, std::to_string(m), kind == FormulaKind::P ? "" : std::to_string(n));
                if (listing.status == Listing::Status::Listed)
                    checkListing(kind, n, std::string(Alfabet.substr(0, m)), listing);
                else
                    ASSERT_TRUE(!listing.evaluation.ok || std::stoll(listing.evaluation.result) > kMostListed)
                        << m << " " << n;
            }
    std::vector<std::string> parts;
    checkListablePartitions(parts, "", 1);
}
