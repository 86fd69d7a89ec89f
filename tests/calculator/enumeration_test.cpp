#include "calculator/core/enumeration.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

const platform::Separators kC{".", ","};

Listing list(FormulaKind kind, std::string m, std::string n = {}, std::vector<std::string> multiplicities = {})
{
    return ListingFor(kind, {std::move(m), std::move(n), std::move(multiplicities)}, kC);
}

std::string listed(FormulaKind kind, std::string m, std::string n = {}, std::vector<std::string> multiplicities = {})
{
    const Listing listing = list(kind, std::move(m), std::move(n), std::move(multiplicities));
    EXPECT_EQ(listing.status, Listing::Status::Listed);
    return listing.text;
}

// The listing's lines: the letters line, then " k) word" for each entry.
std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(text.substr(start, end - start));
    result.push_back(text.substr(start));
    return result;
}

// Exact multinomial count, stopping as soon as it passes the listing limit.
long long boundedMultinomial(const std::vector<int>& parts)
{
    long long result = 1;
    int total = 0;
    for (int part : parts)
        for (int i = 1; i <= part; ++i) {
            result = result * ++total / i;
            if (result > kMostListed)
                return kMostListed + 1;
        }
    return result;
}

// Every sequence of at most nine positive parts adding up to at most 52 whose
// multinomial count is still listable; appending a part never lowers it.
void listablePartitions(std::vector<int>& parts, int total, const auto& visit)
{
    visit(parts);
    if (parts.size() == 9)
        return;
    for (int part = 1; total + part <= 52; ++part) {
        parts.push_back(part);
        const bool listable = boundedMultinomial(parts) <= kMostListed;
        if (listable)
            listablePartitions(parts, total + part, visit);
        parts.pop_back();
        if (!listable)
            return;
    }
}

std::size_t rank(char letter) { return Alfabet.find(letter); }

// Lexicographic order in the order of the alphabet (where z comes before A).
bool before(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            return rank(a[i]) < rank(b[i]);
    return a.size() < b.size();
}

// Checks one listing against what the panel counted: as many entries as the
// count, numbered 1, 2, ... with one blank before the number, each a word of
// the right length made of the right letters, strictly increasing (hence
// pairwise distinct).
void checkListing(FormulaKind kind, const std::vector<std::string>& inputs, int n, const std::string& letters,
                  const Listing& listing)
{
    SCOPED_TRACE(std::string(NomsFormula[index(kind)]) + " " + ::testing::PrintToString(inputs));
    ASSERT_EQ(listing.status, Listing::Status::Listed);
    const std::vector<std::string> text = lines(listing.text);
    ASSERT_EQ(text[0], "[" + letters + "]");
    ASSERT_EQ(static_cast<long long>(text.size() - 1), std::stoll(listing.evaluation.result));

    std::string previous;
    for (std::size_t k = 1; k < text.size(); ++k) {
        const std::string number = " " + std::to_string(k) + ") ";
        ASSERT_EQ(text[k].substr(0, number.size()), number);
        const std::string word = text[k].substr(number.size());
        const std::size_t length = kind == FormulaKind::P || kind == FormulaKind::PR ? letters.size() : n;
        ASSERT_EQ(word.size(), length) << word;
        std::vector<int> uses(Alfabet.size());
        for (std::size_t i = 0; i < word.size(); ++i) {
            ASSERT_NE(letters.find(word[i]), std::string::npos) << word;
            ++uses[rank(word[i])];
        }
        if (kind == FormulaKind::C || kind == FormulaKind::CR) {
            for (std::size_t i = 1; i < word.size(); ++i)
                ASSERT_LE(rank(word[i - 1]), rank(word[i])) << word;
        }
        if (kind != FormulaKind::VR && kind != FormulaKind::CR) {
            // Each letter at most as often as it is offered; P and PR use all.
            for (char letter : letters) {
                const auto offered = std::count(letters.begin(), letters.end(), letter);
                if (kind == FormulaKind::P || kind == FormulaKind::PR) {
                    ASSERT_EQ(uses[rank(letter)], offered) << word;
                } else {
                    ASSERT_LE(uses[rank(letter)], offered) << word;
                }
            }
        }
        if (k > 1) {
            ASSERT_TRUE(before(previous, word)) << previous << " " << word;
        }
        previous = word;
    }
}

} // namespace

TEST(Conjs, SubsetsConcatenatedInLexicographicOrder)
{
    EXPECT_EQ(Conjs("abcd", 2), "abacadbcbdcd");
    EXPECT_EQ(Conjs("abcde", 5), "abcde");
    EXPECT_EQ(Conjs("abcde", 1), "abcde");
    EXPECT_EQ(Conjs("abcde", 4), "abcdabceabdeacdebcde");
    // No non-empty subset: nothing, and no endless recursion below n = 1.
    EXPECT_EQ(Conjs("abc", 0), "");
    EXPECT_EQ(Conjs("abc", -5), "");
    EXPECT_EQ(Conjs("abc", 4), "");
}

TEST(Conjs, RefusesSelectionsTooLargeToListBeforeBuildingThem)
{
    EXPECT_EQ(Conjs(Alfabet.substr(0, 50), 49).size(), 50u * 49u);
    EXPECT_THROW(Conjs(Alfabet.substr(0, 51), 50), ListingTooLarge);
    EXPECT_THROW(Conjs(Alfabet, 26), ListingTooLarge); // 4.9e14 subsets
    EXPECT_THROW(Conjs(std::string(30000, 'x'), 15000), ListingTooLarge);
}

TEST(Listing, CombinationsAsTheSideListShowsThem)
{
    EXPECT_EQ(listed(FormulaKind::C, "4", "2"),
              "[abcd]\r\n 1) ab\r\n 2) ac\r\n 3) ad\r\n 4) bc\r\n 5) bd\r\n 6) cd");
    EXPECT_EQ(listed(FormulaKind::C, "5", "5"), "[abcde]\r\n 1) abcde");
    EXPECT_EQ(listed(FormulaKind::C, "5", "1"), "[abcde]\r\n 1) a\r\n 2) b\r\n 3) c\r\n 4) d\r\n 5) e");
    EXPECT_EQ(listed(FormulaKind::C, "3", "0"), "[abc]\r\n 1) ");
    EXPECT_EQ(listed(FormulaKind::C, "0", "0"), "[]\r\n 1) ");

    const std::vector<std::string> fifty = lines(listed(FormulaKind::C, "50", "1"));
    ASSERT_EQ(fifty.size(), 51u);
    EXPECT_EQ(fifty[10], " 10) j");
    EXPECT_EQ(fifty[11], " 11) k");
    EXPECT_EQ(fifty[27], " 27) A");
    EXPECT_EQ(fifty[50], " 50) X");
    EXPECT_EQ(lines(listed(FormulaKind::C, "52", "52")).back(), " 1) " + std::string(Alfabet));
}

TEST(Listing, OtherPanelsInTheSameNotation)
{
    EXPECT_EQ(listed(FormulaKind::V, "3", "2"), "[abc]\r\n 1) ab\r\n 2) ac\r\n 3) ba\r\n 4) bc\r\n 5) ca\r\n 6) cb");
    EXPECT_EQ(listed(FormulaKind::VR, "2", "2"), "[ab]\r\n 1) aa\r\n 2) ab\r\n 3) ba\r\n 4) bb");
    EXPECT_EQ(listed(FormulaKind::P, "3"), "[abc]\r\n 1) abc\r\n 2) acb\r\n 3) bac\r\n 4) bca\r\n 5) cab\r\n 6) cba");
    EXPECT_EQ(listed(FormulaKind::CR, "3", "2"), "[abc]\r\n 1) aa\r\n 2) ab\r\n 3) ac\r\n 4) bb\r\n 5) bc\r\n 6) cc");
    EXPECT_EQ(listed(FormulaKind::PR, "4", {}, {"2", "1", "1"}),
              "[aabc]\r\n 1) aabc\r\n 2) aacb\r\n 3) abac\r\n 4) abca\r\n 5) acab\r\n 6) acba\r\n"
              " 7) baac\r\n 8) baca\r\n 9) bcaa\r\n 10) caab\r\n 11) caba\r\n 12) cbaa");
    EXPECT_EQ(listed(FormulaKind::PR, "0"), "[]\r\n 1) ");
    EXPECT_EQ(listed(FormulaKind::VR, "0", "3"), "[]"); // nothing to count, nothing listed
    // One word as long as the largest n: built without running out of stack.
    EXPECT_EQ(listed(FormulaKind::VR, "1", "32767"), "[a]\r\n 1) " + std::string(32767, 'a'));
}

TEST(Listing, OnlyCountsUpToFiftyAndCasesWithNamedLetters)
{
    EXPECT_EQ(lines(listed(FormulaKind::CR, "2", "49")).size(), 51u);
    EXPECT_EQ(list(FormulaKind::CR, "2", "50").status, Listing::Status::TooMany);
    EXPECT_EQ(list(FormulaKind::C, "51", "1").status, Listing::Status::TooMany);
    EXPECT_EQ(list(FormulaKind::C, "33", "16").status, Listing::Status::TooMany);
    EXPECT_EQ(list(FormulaKind::VR, "52", "52").status, Listing::Status::Rejected); // past the 32-bit count
    // Counts of 1 whose letters the alphabet cannot name.
    EXPECT_EQ(list(FormulaKind::C, "53", "53").status, Listing::Status::TooManyLetters);
    EXPECT_EQ(list(FormulaKind::V, "30000", "0").status, Listing::Status::TooManyLetters);

    const Listing rejected = list(FormulaKind::V, "4", "5");
    ASSERT_EQ(rejected.status, Listing::Status::Rejected);
    EXPECT_EQ(rejected.evaluation.title, "V  Error");
    EXPECT_EQ(list(FormulaKind::PR, "5", {}, {"2", "1", "1"}).status, Listing::Status::Rejected);
}

// For every panel and every input up to 52 letters whose count is listable:
// the listing has exactly the count the panel shows, in strict order, with the
// right words.
TEST(Listing, EveryListableCaseListsExactlyWhatWasCounted)
{
    int cases = 0;
    for (FormulaKind kind : {FormulaKind::V, FormulaKind::VR, FormulaKind::C, FormulaKind::CR})
        for (int m = 0; m <= 52; ++m)
            for (int n = 0; n <= 200; ++n) {
                const Listing listing = list(kind, std::to_string(m), std::to_string(n));
                if (listing.status == Listing::Status::Listed) {
                    checkListing(kind, {std::to_string(m), std::to_string(n)}, n, std::string(Alfabet.substr(0, m)),
                                 listing);
                    ++cases;
                } else {
                    ASSERT_TRUE(!listing.evaluation.ok || std::stoll(listing.evaluation.result) > kMostListed)
                        << m << " " << n;
                }
            }
    for (int m = 0; m <= 52; ++m) {
        const Listing listing = list(FormulaKind::P, std::to_string(m));
        if (listing.status == Listing::Status::Listed) {
            checkListing(FormulaKind::P, {std::to_string(m)}, m, std::string(Alfabet.substr(0, m)), listing);
            ++cases;
        }
    }
    std::vector<int> parts;
    listablePartitions(parts, 0, [&](const std::vector<int>& multiplicities) {
        std::vector<std::string> texts;
        std::string multiset;
        int m = 0;
        for (std::size_t i = 0; i < multiplicities.size(); ++i) {
            texts.push_back(std::to_string(multiplicities[i]));
            multiset.append(static_cast<std::size_t>(multiplicities[i]), Alfabet[i]);
            m += multiplicities[i];
        }
        checkListing(FormulaKind::PR, texts, m, multiset, list(FormulaKind::PR, std::to_string(m), {}, texts));
        ++cases;
    });
    EXPECT_GT(cases, 1500); // the sweep really ran
}
