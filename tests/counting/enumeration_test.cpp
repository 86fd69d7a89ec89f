#include "counting/enumeration.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;
using enum FormulaKind;
using Status = Listing::Status;

static Listing list(FormulaKind kind, std::string m, std::string n = {}, std::vector<std::string> parts = {})
{
    return listingFor(kind, {std::move(m), std::move(n), std::move(parts)}, {".", ","});
}

// Checks one listing against what the panel counted: the letters line, then as
// many entries " k) word" as the count, strictly increasing in the alphabet's
// order (hence distinct), each of the right length and made of the right letters.
static void checkListing(FormulaKind kind, int n, const std::string& letters, const Listing& listing)
{
    SCOPED_TRACE(std::string(NomsFormula[index(kind)]) + " [" + letters + "] " + std::to_string(n));
    ASSERT_EQ(listing.status, Status::Listed);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 2)
        lines.push_back(listing.text.substr(start, (end = listing.text.find("\r\n", start)) - start));
    ASSERT_EQ(lines[0], "[" + letters + "]");
    ASSERT_EQ(std::to_string(lines.size() - 1), listing.evaluation.result);
    ASSERT_LE(lines.size() - 1, static_cast<std::size_t>(kMostListed));
    const bool usesAll = kind == P || kind == PR, repeats = kind == VR || kind == CR;
    std::vector<std::size_t> offered, previous; // letters as ranks in the alphabet
    for (char letter : letters)
        offered.push_back(Alfabet.find(letter));
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string number = " " + std::to_string(k) + ") ";
        ASSERT_TRUE(lines[k].starts_with(number)) << lines[k];
        std::vector<std::size_t> word;
        for (char letter : lines[k].substr(number.size())) {
            ASSERT_NE(letters.find(letter), std::string::npos) << lines[k];
            word.push_back(Alfabet.find(letter));
        }
        ASSERT_EQ(word.size(), usesAll ? letters.size() : static_cast<std::size_t>(n)) << lines[k];
        ASSERT_TRUE(k == 1 || previous < word) << lines[k];
        ASSERT_TRUE((kind != C && kind != CR) || std::is_sorted(word.begin(), word.end())) << lines[k];
        previous = word;
        // Each letter at most as often as it is offered; P and PR use all.
        std::sort(word.begin(), word.end());
        ASSERT_TRUE(repeats ||
                    (usesAll ? word == offered
                             : std::includes(offered.begin(), offered.end(), word.begin(), word.end())))
            << lines[k];
    }
}

// Checks PR for every list of at most nine positive parts adding up to at most
// 52 whose multinomial count is listable (appending a part never lowers it).
static void checkListablePartitions(std::vector<std::string>& parts, const std::string& letters,
                                    long long count)
{
    const int m = static_cast<int>(letters.size());
    checkListing(PR, m, letters, list(PR, std::to_string(m), {}, parts));
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

TEST(Listing, TheCasesNotListed)
{
    // One word as long as the largest n: built without running out of stack.
    EXPECT_EQ(list(VR, "1", "32767").text, "[a]\r\n 1) " + std::string(32767, 'a'));
    EXPECT_EQ(list(CR, "2", "50").status, Status::TooMany);
    EXPECT_EQ(list(VR, "52", "52").status, Status::Rejected); // past the 32-bit count
    EXPECT_EQ(list(PR, "5", {}, {"2", "1", "1"}).status, Status::Rejected);
    // Counts of 1 whose letters the alphabet cannot name.
    EXPECT_EQ(list(C, "53", "53").status, Status::TooManyLetters);
    EXPECT_EQ(list(V, "30000", "0").status, Status::TooManyLetters);
    // The subsets themselves: none below n = 1 (no endless recursion), and a refusal
    // of too many before building them.
    EXPECT_EQ(Conjs("abc", 0) + Conjs("abc", -5) + Conjs("abc", 4), "");
    EXPECT_THROW(Conjs(Alfabet.substr(0, 51), 50), ListingTooLarge);
}

// For every panel and every input up to 52 letters whose count is listable:
// the listing has exactly the count the panel shows, in strict order, with the
// right words; what is not listed is either refused or counts too many.
TEST(Listing, EveryListableCaseListsExactlyWhatWasCounted)
{
    for (FormulaKind kind : {V, VR, C, CR, P})
        for (int m = 0; m <= 52; ++m)
            for (int n = 0; n <= (kind == P ? 0 : 200); ++n) {
                const Listing listing = list(kind, std::to_string(m), kind == P ? "" : std::to_string(n));
                if (listing.status == Status::Listed)
                    checkListing(kind, n, std::string(Alfabet.substr(0, m)), listing);
                else
                    ASSERT_TRUE(!listing.evaluation.ok || std::stoll(listing.evaluation.result) > kMostListed)
                        << m << " " << n;
            }
    std::vector<std::string> parts;
    checkListablePartitions(parts, "", 1);
}
