// tarvi-calc's argument handling, called in process as main() calls it: exit
// statuses, output, counts against exact arithmetic, listings against their
// counts, and the same answer for the same call.

#include "cli/dispatch.h"
#include "engine/readnumber.h"
#include "tests/fuzz/property.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using tarvi::fuzz::escaped;
using tarvi::fuzz::require;

namespace {

constexpr long long kLargestCount = 2147483647;

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

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Exact counting on 128-bit integers; nothing once a count passes the largest
// one shown, since from there on it only grows.
using Exact = std::optional<long long>;

Exact product(Exact a, Exact b)
{
    if (!a || !b)
        return std::nullopt;
    const __int128 p = static_cast<__int128>(*a) * *b;
    return p > kLargestCount ? std::nullopt : Exact(static_cast<long long>(p));
}

// C(n, k) for 0 <= k <= n: C(n - k + i, i) grows with i up to k <= n / 2.
Exact binomial(long long n, long long k)
{
    k = std::min(k, n - k);
    __int128 c = 1;
    for (long long i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
        if (c > kLargestCount)
            return std::nullopt;
    }
    return static_cast<long long>(c);
}

// What a kind counts for whole numbers m >= 0, n >= 0 (n <= m for V and C)
// and multiplicities >= 1 adding up to m.
Exact exactCount(const std::string& kind, long long m, long long n,
                 const std::vector<long long>& multiplicities)
{
    Exact count = 1;
    if (kind == "v" || kind == "p") {
        for (long long factor = kind == "v" ? m - n + 1 : 1; factor <= m && count; ++factor)
            count = product(count, factor);
    } else if (kind == "vr") {
        for (long long i = 0; i < n && count && *count != 0 && (m != 1 || i == 0); ++i)
            count = product(count, m);
    } else if (kind == "c") {
        count = binomial(m, n);
    } else if (kind == "cr") {
        count = m == 0 ? (n == 0 ? 1 : 0) : binomial(m + n - 1, n);
    } else { // pr: the multinomial, one binomial per multiplicity
        long long placed = 0;
        for (const long long multiplicity : multiplicities) {
            placed += multiplicity;
            count = product(count, binomial(placed, multiplicity));
        }
    }
    return count;
}

bool isKind(const std::string& word)
{
    const std::string name = lower(word);
    return name == "v" || name == "vr" || name == "p" || name == "pr" || name == "c" || name == "cr";
}

// A count answered for KIND ARGS...: one line of digits, from 0 to the largest
// 32-bit integer, the exact count of the inputs as the program reads them.
void checkCount(const std::vector<std::string>& call, const Outcome& got, const std::string& what)
{
    const auto explain = [&] { return what + " gave " + escaped(got.out); };
    const std::vector<std::string> lines = linesOf(got.out);
    require(lines.size() == 1 && got.out.back() == '\n' && !lines[0].empty() && lines[0].size() <= 10 &&
                std::all_of(lines[0].begin(), lines[0].end(), [](char c) { return c >= '0' && c <= '9'; }) &&
                (lines[0] == "0" || lines[0][0] != '0') && std::stoll(lines[0]) <= kLargestCount,
            "a count is one line with a whole number from 0 to 2147483647", explain);

    const tarvi::Separators marks = tarvi::cli::localeSeparators();
    const auto read = [&](const std::string& text) { return tarvi::parseWhole16(text, marks).value_or(-1); };
    const std::string kind = lower(call[0]);
    const long long m = read(call[1]);
    const bool hasN = kind != "p" && kind != "pr";
    const long long n = hasN ? read(call[2]) : 0;
    std::vector<long long> multiplicities;
    for (std::size_t i = 2; kind == "pr" && i < call.size(); ++i)
        multiplicities.push_back(read(call[i]));
    long long sum = 0;
    for (const long long multiplicity : multiplicities)
        sum += multiplicity;
    const bool accepted = m >= 0 && n >= 0 && (kind != "v" || n <= m) && (kind != "c" || n <= m) &&
                          (kind != "pr" || (sum == m && multiplicities.size() <= 9 &&
                                            std::all_of(multiplicities.begin(), multiplicities.end(),
                                                        [](long long k) { return k >= 1; })));
    require(accepted, "only inputs that the panel accepts are counted", explain);
    const Exact exact = exactCount(kind, m, n, multiplicities);
    require(exact && *exact == std::stoll(lines[0]), "the count is exact", explain);
}

// A listing: "[letters]", then as many entries " k) word", numbered from 1 and
// all different, as the count of the same case.
void checkListing(const std::vector<std::string>& call, const Outcome& listed, const std::string& what)
{
    const std::vector<std::string> counted(call.begin() + 1, call.end());
    const Outcome count = run(counted, {});
    if (listed.status != 0) {
        require(count.status == 0 ? listed.status == 1 : listed.status == count.status,
                "a case is listed unless it is not counted or too large", [&] { return what; });
        return;
    }
    require(count.status == 0, "a case listed is counted", [&] { return what; });
    const std::vector<std::string> lines = linesOf(listed.out);
    const long long expected = std::stoll(count.out);
    require(!lines.empty() && lines[0].starts_with('[') && lines[0].ends_with(']') &&
                static_cast<long long>(lines.size()) == expected + 1,
            "a listing has a line of letters and as many entries as the count",
            [&] { return what + " gave " + escaped(listed.out) + " for the count " + count.out; });
    std::set<std::string> words;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string number = " " + std::to_string(k) + ") ";
        require(lines[k].starts_with(number), "entries are numbered from 1", [&] { return what; });
        words.insert(lines[k].substr(number.size()));
    }
    require(words.size() == lines.size() - 1, "entries are all different", [&] { return what; });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The number marks of the C locale, as the tests have them.
    setenv("LC_ALL", "C.UTF-8", 1);
    return 0;
}

// The input is the arguments, each ended by a zero byte, then optionally a
// record separator (0x1e) and what standard input holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\x1e'), bytes.size());
    const std::string input = split < bytes.size() ? bytes.substr(split + 1) : std::string();
    std::vector<std::string> args;
    for (std::size_t at = 0; at < split;) {
        const std::size_t end = std::min(bytes.find('\0', at), split);
        args.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    std::string what = "tarvi-calc";
    for (const std::string& arg : args)
        what += " " + escaped(arg);
    if (!input.empty())
        what += " < " + escaped(input);

    const Outcome got = run(args, input);
    const auto explain = [&] {
        return what + " exited " + std::to_string(got.status) + ": " + escaped(got.out) + " / " +
               escaped(got.err);
    };
    require(got.status >= 0 && got.status <= 2, "the exit status is 0, 1 or 2", explain);

    const bool batch = args.size() == 1 && args[0] == "-";
    if (batch) {
        const std::size_t lines =
            std::count(input.begin(), input.end(), '\n') + (input.ends_with('\n') || input.empty() ? 0 : 1);
        require(got.status <= 1 &&
                    static_cast<std::size_t>(std::count(got.out.begin(), got.out.end(), '\n')) == lines,
                "a batch answers each line with one line", explain);
        return 0;
    }
    require(!(got.out + got.err).empty(), "a call always says something", explain);
    require(got.status == 0 || got.out.empty(), "a call that fails writes nothing on standard output",
            explain);
    require(got.status != 2 || got.err.starts_with("tarvi-calc: "), "a usage mistake is named", explain);

    if (got.status == 0 && !args.empty() && isKind(args[0]))
        checkCount(args, got, what);
    if (!args.empty() && lower(args[0]) == "list" && args.size() >= 2 && isKind(args[1]))
        checkListing(args, got, what);
    // Only random cases without a seed may differ from one call to the next.
    const bool unseeded = !args.empty() && lower(args[0]) == "random" && args.size() < 3;
    if (!unseeded)
        require(run(args, input) == got, "the same call gives the same answer", explain);
    return 0;
}
