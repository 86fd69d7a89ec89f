// A batch line answers exactly as a single call with the same words.

#include "cli/batch.h"
#include "cli/dispatch.h"
#include "engine/plaintext.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using tarvi::joinLines;
using tarvi::splitLines;
using Words = std::vector<std::string>;

// Words a user might type: kinds and command words in any case, numbers in
// and out of range, words that are no number at all, and blanks between them.
const Words kFirstWords = {"V",    "vr",   "P",      "pR",     "C", "Cr",     "c",
                           "list", "LIST", "newton", "Newton", "X", "--help", "--bogus"};
const Words kInputs = {"0",  "1",   "2",   "3",  "5",   "7",   "10",    "13",  "33", "34",
                       "50", "171", "200", "-3", "2.5", "1e1", "32768", "abc", "v",  "Todos"};
const Words kBlanks = {" ", "  ", "\t", " \t "};

TEST(Batch, EachLineAnswersAsTheSingleCallWithTheSameWords)
{
    std::mt19937 draw(11);
    const auto pick = [&](const Words& words) { return words[draw() % words.size()]; };
    std::vector<Words> calls;
    std::string input;
    // Enough lines that some cross the boundary between two reads.
    for (int i = 0; i < 8000; ++i) {
        Words words{pick(kFirstWords)};
        if (draw() % 8 == 0) { // a random case needs its seed: without one it depends on the clock
            words = {draw() % 2 ? "random" : "RANDOM", words[0],
                     draw() % 3 ? std::to_string(draw()) : pick(kInputs)};
            if (draw() % 6 == 0)
                words.push_back("1");
        } else {
            for (std::size_t extra = draw() % 5; extra > 0; --extra)
                words.push_back(pick(kInputs));
            if (draw() % 10 == 0)
                words.insert(words.begin() + 1, words[0] == "list" ? pick(kFirstWords) : "0");
        }
        std::string line = draw() % 4 ? "" : pick(kBlanks);
        for (const std::string& word : words)
            line += word + pick(kBlanks);
        if (draw() % 3)
            line.pop_back(); // the last blank
        input += line + (draw() % 5 ? "\n" : "\r\n");
        calls.push_back(words);
    }

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    std::fwrite(input.data(), 1, input.size(), file.get());
    std::fflush(file.get());
    std::rewind(file.get());
    std::ostringstream out, err;
    tarvi::cli::Context context;
    const int status = tarvi::cli::runBatch(fileno(file.get()), out, err, context);
    const Words answers = splitLines(out.str());
    ASSERT_EQ(answers.size(), calls.size() + 1) << "one line each, and nothing after the last";

    std::istringstream errors(err.str());
    std::string error;
    bool allAnswered = true;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + joinLines(calls[i], " "));
        std::ostringstream aloneOut, aloneErr;
        if (tarvi::cli::run(calls[i], -1, aloneOut, aloneErr) == 0) {
            Words lines = splitLines(aloneOut.str());
            lines.pop_back(); // after the last line feed
            EXPECT_EQ(answers[i], joinLines(lines, " | "));
            continue;
        }
        allAnswered = false;
        EXPECT_EQ(answers[i], "");
        // The error names what the single call's first error line names.
        std::string named = splitLines(aloneErr.str()).front();
        if (named.starts_with("tarvi-calc: "))
            named.erase(0, 12);
        ASSERT_TRUE(std::getline(errors, error));
        EXPECT_TRUE(error.starts_with("line " + std::to_string(i + 1) + ": " + named)) << error;
    }
    EXPECT_FALSE(std::getline(errors, error)) << "an error for no failing line: " << error;
    EXPECT_EQ(status, allAnswered ? 0 : 1);
}

// A pipe that does not block, as some editors and job runners hand over: the
// batch waits for each line rather than giving up when none has come yet.
TEST(Batch, WaitsOnInputThatDoesNotBlock)
{
    std::array<int, 2> ends{};
    ASSERT_EQ(::pipe2(ends.data(), O_NONBLOCK), 0);
    std::thread writer([end = ends[1]] {
        for (const std::string_view line : {"C 5 2\n", "P 3\n"}) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ASSERT_EQ(::write(end, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        }
        ::close(end);
    });
    std::ostringstream out, err;
    tarvi::cli::Context context;
    const int status = tarvi::cli::runBatch(ends[0], out, err, context);
    writer.join();
    ::close(ends[0]);
    EXPECT_EQ(out.str(), "10\n6\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(status, 0);
}

} // namespace
