// tarvi-calc's argument handling, called in process as main() calls it: exit
// statuses, output, counts, listings against their counts, and the same
// answer for the same call.

#include "cli/dispatch.h"
#include "tests/fuzz/property.h"

#include <algorithm>
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

// A sheet written to a file or handed over to the PDF program: the CLI tests
// cover those, in a folder of their own, rather than the fuzzer's.
bool leavesTheProcess(const std::vector<std::string>& args)
{
    return !args.empty() && lower(args[0]) == "sheet" &&
           std::any_of(args.begin(), args.end(), [](const std::string& arg) {
               return arg == "-o" || arg.find("pdf") != std::string::npos;
           });
}

bool drawsItsOwnSeed(const std::vector<std::string>& args)
{
    const bool seeded = std::any_of(args.begin(), args.end(),
                                    [](const std::string& arg) { return arg.starts_with("--seed"); });
    return !args.empty() &&
           ((lower(args[0]) == "random" && args.size() < 3) || (lower(args[0]) == "sheet" && !seeded));
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
    if (args.size() == 1 && args[0] == "-") {
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
    // Only random cases and sheets without a seed may differ from one call to the next.
    if (!drawsItsOwnSeed(args))
        require(run(args, input) == got, "the same call gives the same answer", explain);
    return 0;
}
