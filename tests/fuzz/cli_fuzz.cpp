// tarvi-calc's argument handling, called in process as main() calls it: exit
// statuses, output, counts, listings against their counts, exact counts
// against their primes' exponents, and the same answer for the same call.

#include "cli/dispatch.h"
#include "engine/readnumber.h"
#include "testkit/primecounts.h"
#include "tests/fuzz/property.h"

#include <algorithm>
#include <cwchar>
#include <locale.h>
#include <optional>
#include <set>
#include <sstream>
#include <unistd.h>
#include <vector>

using namespace tarvi::fuzz;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;

    bool operator==(const Outcome&) const = default;
};

// One run of the program with these arguments and this standard input.
Outcome run(const std::vector<std::string>& args, const std::string& input)
{
    int pipeEnds[2];
    require(::pipe(pipeEnds) == 0, "a pipe for standard input");
    // Inputs are far smaller than a pipe holds, so this write never waits.
    require(::write(pipeEnds[1], input.data(), input.size()) == static_cast<ssize_t>(input.size()),
            "standard input written");
    ::close(pipeEnds[1]);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tarvi::cli::run(args, pipeEnds[0], out, err);
    ::close(pipeEnds[0]);
    return {status, out.str(), err.str()};
}

std::string lower(std::string word)
{
    for (char& c : word)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return word;
}

bool isKind(const std::string& word)
{
    static const std::set<std::string> kinds{"v", "vr", "p", "pr", "c", "cr"};
    return kinds.contains(lower(word));
}

// A count: one line of digits, a whole number from 0 to the largest 32-bit integer.
bool isCount(const std::string& out)
{
    return out.size() >= 2 && out.size() <= 11 && out.back() == '\n' && (out == "0\n" || out[0] != '0') &&
           std::all_of(out.begin(), out.end() - 1, [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoll(out) <= 2147483647;
}

// A listing: "[letters]", then as many entries " k) word", numbered from 1 and
// all different, as the count of the same case.
template <typename Explain>
void checkListing(const std::vector<std::string>& call, const Outcome& listed, Explain explain)
{
    const Outcome count = run({call.begin() + 1, call.end()}, {});
    if (listed.status != 0) {
        require(count.status == 0 ? listed.status == 1 : listed.status == count.status,
                "a case is listed unless it is not counted or too large", explain);
        return;
    }
    require(count.status == 0, "a case listed is counted", explain);
    std::istringstream lines(listed.out);
    std::string line;
    require(std::getline(lines, line) && line.starts_with('[') && line.ends_with(']'),
            "a listing starts with its letters", explain);
    std::set<std::string> words;
    for (long long k = 1; std::getline(lines, line); ++k) {
        const std::string number = " " + std::to_string(k) + ") ";
        require(line.starts_with(number), "entries are numbered from 1", explain);
        words.insert(line.substr(number.size()));
        require(words.size() == static_cast<std::size_t>(k), "entries are all different", explain);
    }
    require(words.size() == std::stoull(count.out), "as many entries as the count", explain);
}

bool isExactOption(const std::string& word) { return word == "--exact" || word == "-e"; }

// A sheet written to a file or handed over to the PDF program: the CLI tests
// cover those, in a folder of their own, rather than the fuzzer's.
bool leavesTheProcess(const std::vector<std::string>& args)
{
    const auto call = std::find_if_not(args.begin(), args.end(), isExactOption);
    return call != args.end() && lower(*call) == "sheet" &&
           std::any_of(args.begin(), args.end(), [](const std::string& arg) {
               return arg == "-o" || arg.find("pdf") != std::string::npos;
           });
}

bool drawsItsOwnSeed(const std::vector<std::string>& args)
{
    const bool seeded = std::any_of(args.begin(), args.end(),
                                    [](const std::string& arg) { return arg.starts_with("--seed"); });
    const auto call = std::find_if_not(args.begin(), args.end(), isExactOption);
    return call != args.end() &&
           ((lower(*call) == "random" && args.end() - call < 3) || (lower(*call) == "sheet" && !seeded));
}

// The exact count of KIND ARGS, or nothing for inputs the panel refuses: not
// whole numbers from 0 to 32767 (read by the panels' own reading), n > m in V
// and C, m - n + 2 past 32767 in V and C or m + n in CR, or a PR list that is
// longer than nine, holds a part below 1 or does not add up to m.
std::optional<mpz_class> modelCount(const std::string& kind, const std::vector<std::string>& inputs)
{
    using tarvi::testkit::factorialRatio;
    std::vector<unsigned long> values;
    for (const std::string& input : inputs) {
        const std::optional<std::int16_t> value = tarvi::parseWhole16(input, tarvi::Separators{});
        if (!value || *value < 0)
            return std::nullopt;
        values.push_back(static_cast<unsigned long>(*value));
    }
    const unsigned long m = values[0];
    const unsigned long n = values.size() > 1 ? values[1] : 0;
    if (kind == "p")
        return factorialRatio(m, {});
    if (kind == "vr")
        return tarvi::testkit::power(m, n);
    if (kind == "v" || kind == "c") {
        if (n > m || (n > 0 && m - n + 2 > 32767))
            return std::nullopt;
        return kind == "v" ? factorialRatio(m, {m - n}) : factorialRatio(m, {n, m - n});
    }
    if (kind == "cr") {
        if (n == 0)
            return mpz_class(1);
        if (m + n > 32767)
            return std::nullopt;
        return m == 0 ? mpz_class(0) : factorialRatio(m + n - 1, {n, m - 1});
    }
    const std::vector<unsigned long> parts(values.begin() + 1, values.end());
    unsigned long sum = 0;
    for (unsigned long part : parts)
        sum += part;
    if (parts.size() > 9 || std::count(parts.begin(), parts.end(), 0ul) > 0 || sum != m)
        return std::nullopt;
    return factorialRatio(m, parts);
}

// A call with --exact: a count is the model's, a call is refused exactly when
// the model refuses it, and whatever is not a count reads as without the
// option, but for counts that only the exact call can answer.
template <typename Explain>
void checkExact(const std::vector<std::string>& args, const Outcome& got, Explain explain)
{
    const auto call = std::find_if_not(args.begin(), args.end(), isExactOption);
    const std::vector<std::string> plainArgs(call, args.end());
    if (plainArgs.empty() || plainArgs[0] == "-")
        return;
    const Outcome plain = run(plainArgs, {});
    require(got.status == plain.status || (plain.status == 1 && got.status == 0),
            "the exact call refuses only what the plain one refuses", explain);
    if (!isKind(plainArgs[0]) || got.status == 2)
        return;
    if (plain.status == 0 || got.status == 1)
        require(got == plain, "the exact call reads as the plain one where that answers", explain);
    const std::optional<mpz_class> model =
        modelCount(lower(plainArgs[0]), std::vector<std::string>(plainArgs.begin() + 1, plainArgs.end()));
    require(got.status == (model ? 0 : 1), "the exact call refuses exactly what the model refuses", explain);
    if (model)
        require(got.out == model->get_str() + "\n", "the exact count is the model's", explain);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The number marks of the C locale, as the tests have them.
    setenv("LC_ALL", "C.UTF-8", 1);
    return 0;
}

// Whether a text shows on a terminal as what it is: valid UTF-8, with no
// control character but the line feed. The C library's own UTF-8 decoder
// judges, not the program's.
bool printable(const std::string& text)
{
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    require(utf8 != locale_t{}, "the C.UTF-8 locale");
    const locale_t before = ::uselocale(utf8);
    std::mbstate_t state{};
    bool shows = true;
    for (std::size_t at = 0; shows && at < text.size();) {
        wchar_t character = 0;
        const std::size_t length = std::mbrtowc(&character, text.data() + at, text.size() - at, &state);
        const bool control = character < 0x20 || (character >= 0x7f && character <= 0x9f);
        shows = length != 0 && length <= 4 && (character == L'\n' || !control);
        at += length;
    }
    ::uselocale(before);
    return shows;
}

// The input is the arguments, each ended by a zero byte, then optionally a
// record separator (0x1e) and what standard input holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [words, stdinText] = split(data, size, '\x1e');
    const std::string input = stdinText.value_or("");
    std::vector<std::string> args;
    for (std::size_t at = 0; at < words.size();) {
        const std::size_t end = std::min(words.find('\0', at), words.size());
        args.push_back(words.substr(at, end - at));
        at = end + 1;
    }
    if (leavesTheProcess(args))
        return 0;
    const Outcome got = run(args, input);
    const auto explain = [&] {
        return "the input " + escaped(textOf(data, size)) + " exited " + std::to_string(got.status) + ": " +
               escaped(got.out) + " / " + escaped(got.err);
    };
    require(got.status >= 0 && got.status <= 2, "the exit status is 0, 1 or 2", explain);
    require(printable(got.err), "what stderr echoes of the input shows every byte", explain);
    // A batch: "-" alone after the options.
    if (const auto call = std::find_if_not(args.begin(), args.end(), isExactOption);
        call != args.end() && call + 1 == args.end() && *call == "-") {
        const auto lines =
            std::count(input.begin(), input.end(), '\n') + !(input.ends_with('\n') || input.empty());
        require(got.status <= 1 && std::count(got.out.begin(), got.out.end(), '\n') == lines,
                "a batch answers each line with one line", explain);
        return 0;
    }
    require(!(got.out + got.err).empty(), "a call always says something", explain);
    require(got.status == 0 || got.out.empty(), "a call that fails writes nothing on standard output",
            explain);
    require(got.status != 2 || got.err.starts_with("tarvi-calc: "), "a usage mistake is named", explain);
    if (got.status == 0 && !args.empty() && isKind(args[0]))
        require(isCount(got.out), "a count is one line with a whole number from 0 to 2147483647", explain);
    if (args.size() >= 2 && lower(args[0]) == "list" && isKind(args[1]))
        checkListing(args, got, explain);
    if (!args.empty() && isExactOption(args[0]))
        checkExact(args, got, explain);
    // Only random cases and sheets without a seed may differ from one call to the next.
    if (!drawsItsOwnSeed(args))
        require(run(args, input) == got, "the same call gives the same answer", explain);
    return 0;
}
