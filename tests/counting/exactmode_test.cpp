#include "counting/enumeration.h"
#include "counting/evaluation.h"
#include "counting/explanation.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;
using enum FormulaKind;

namespace {

const Separators kMarks{".", ","};

std::string shown(FormulaKind kind, const PanelInputs& inputs, CountMode mode)
{
    const Evaluation e = evaluate(kind, inputs, mode);
    return e.ok ? e.result : e.title + " | " + e.message;
}

std::string worked(FormulaKind kind, const PanelInputs& inputs, CountMode mode)
{
    Multiplicitats record;
    return explain(kind, inputs, kMarks, evaluatePanel(kind, inputs, kMarks, record, mode), mode);
}

} // namespace

// Counts past the 32-bit limit and the double range, whole; every input the
// panel refuses for any other reason is refused alike, in the same words.
TEST(ExactMode, LiftsOnlyTheSizeOfTheCount)
{
    const struct {
        FormulaKind kind;
        PanelInputs inputs;
        std::string count;
    } answered[] = {
        {P, {"13", {}, {}}, "6227020800"},
        {C, {"52", "13", {}}, "635013559600"},
        {C, {"100", "50", {}}, "100891344545564193334812497256"},
        {VR, {"2", "31", {}}, "2147483648"},
        {C, {"171", "171", {}}, "1"},
        {C, {"200", "199", {}}, "200"},
    };
    for (const auto& c : answered) {
        EXPECT_EQ(shown(c.kind, c.inputs, CountMode::Exact), c.count);
        EXPECT_EQ(shown(c.kind, c.inputs, CountMode::Double),
                  errorTitle(c.kind) + " | " + errorMessage(c.kind));
    }
    EXPECT_EQ(shown(P, {"32767", {}, {}}, CountMode::Exact).size(), 133730u);

    const std::pair<FormulaKind, PanelInputs> refused[] = {
        {V, {"4", "5", {}}},
        {C, {"34", "35", {}}},
        {P, {"-3", {}, {}}},
        {VR, {"-2", "2", {}}},
        {CR, {"3", "-1", {}}},
        {V, {"abc", "1", {}}},
        {V, {"40000", "1", {}}},
        {CR, {"", "3", {}}},
        {PR, {"3", {}, {"2", "x"}}},
        {PR, {"3", {}, {"3", "0"}}},
        {PR, {"7", {}, {"2", "3", "1"}}},
        {PR, {"10", {}, std::vector<std::string>(10, "1")}},
        {V, {"32767", "1", {}}},
        {C, {"32767", "1", {}}},
        {CR, {"32767", "32767", {}}},
        {CR, {"16384", "16384", {}}},
    };
    for (const auto& [kind, inputs] : refused) {
        const std::string inDoubles = shown(kind, inputs, CountMode::Double);
        EXPECT_EQ(inDoubles, errorTitle(kind) + " | " + errorMessage(kind)) << inputs.m << " " << inputs.n;
        EXPECT_EQ(shown(kind, inputs, CountMode::Exact), inDoubles) << inputs.m << " " << inputs.n;
    }
}

// Wherever the double path shows a count, the exact one shows the same, and
// on small inputs the working reads alike until a number passes 15 digits.
TEST(ExactMode, AgreesWithTheDoublePathWhereThatAnswers)
{
    for (int m = 0; m <= 40; ++m)
        for (int n = 0; n <= 40; ++n)
            for (FormulaKind kind : {V, VR, P, C, CR}) {
                const PanelInputs inputs{std::to_string(m), std::to_string(n), {}};
                const Evaluation inDoubles = evaluate(kind, inputs, CountMode::Double);
                const Evaluation exact = evaluate(kind, inputs, CountMode::Exact);
                SCOPED_TRACE(std::string(NomsFormula[std::size_t(index(kind))]) + " " + inputs.m + " " +
                             inputs.n);
                ASSERT_EQ(exact.ok, (kind != V && kind != C) || n <= m);
                if (!inDoubles.ok)
                    continue;
                ASSERT_EQ(exact.result, inDoubles.result);
                const std::string line = worked(kind, inputs, CountMode::Double);
                if (line.find("E+") == std::string::npos) {
                    ASSERT_EQ(worked(kind, inputs, CountMode::Exact), line);
                }
            }
}

// Exact working: numbers up to 40 digits whole, longer ones as their first
// ten digits and their digit count, and the count at the end always whole.
TEST(ExactMode, WorkingWritesEveryNumberExactly)
{
    const struct {
        FormulaKind kind;
        PanelInputs inputs;
        std::string line;
    } cases[] = {
        {C,
         {"100", "50", {}},
         "C(100,50) = 100! / (50!·50!) = (100·99·98·…·51) / 50! = 3068518756…(94 cifras) / "
         "3041409320…(65 cifras) = 100891344545564193334812497256"},
        {PR,
         {"30", {}, {"10", "10", "10"}},
         "PR(30; 10,10,10) = 30! / (10!·10!·10!) = 265252859812191058636308480000000 / 47784725839872000000 "
         "= "
         "5550996791340"},
        {CR,
         {"20", "20", {}},
         "CR(20,20) = C(39,20) = (39·38·37·…·20) / 20! = 167683548393178540705382400000 / "
         "2432902008176640000 = "
         "68923264410"},
        {P, {"13", {}, {}}, "P(13) = 13! = 13·12·11·…·1 = 6227020800"},
        {VR, {"2", "64", {}}, "VR(2,64) = 2⁶⁴ = 18446744073709551616"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(worked(c.kind, c.inputs, CountMode::Exact), c.line);
    const std::string huge = worked(P, {"32767", {}, {}}, CountMode::Exact);
    EXPECT_TRUE(huge.starts_with("P(32767) = 32767! = 32767·32766·32765·…·1 = ")) << huge.substr(0, 60);
    EXPECT_EQ(huge.size() - huge.rfind(' ') - 1, 133730u);
}

// In exact mode a count past what a long long holds is too many to list.
TEST(ExactMode, ListingsOfLargeCountsAreTooMany)
{
    EXPECT_EQ(listingFor(P, {"4", {}, {}}, kMarks, CountMode::Exact).text,
              listingFor(P, {"4", {}, {}}, kMarks).text);
    for (const char* m : {"13", "25", "32767"}) {
        const Listing listing = listingFor(P, {m, {}, {}}, kMarks, CountMode::Exact);
        EXPECT_EQ(listing.status, Listing::Status::TooMany) << m;
        EXPECT_EQ(listing.evaluation.result, evaluate(P, {m, {}, {}}, CountMode::Exact).result);
    }
}
