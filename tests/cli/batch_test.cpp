// A batch line answers exactly as a single call with the same words.

#include "cli/batch.h"
#include "cli/dispatch.h"
#include "engine/plaintext.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <sstream>

namespace {

using tarvi::splitLines;

// Words a user might type: kinds and command words in any case, numbers in
// and out of range, and words that are no number at all.
const std::vector<std::string> kFirstWords = {
    "V", "vr", "P", "pR", "C", "Cr", "c", "list", "LIST", "newton", "Newton", "X", "--help", "--bogus", "#"};
const std::vector<std::string> kInputs = {"0",   "1",   "2",     "3",   "5",   "7",    "10",
                                          "13",  "33",  "34",    "50",  "171", "200",  "-3",
                                          "2.5", "1e1", "32768", "abc", "v",   "Todos"};
const std::vector<std::string> kBlanks = {" ", "  ", "\t", " \t "};

std::string pick(const std::vector<std::string>& words, std::mt19937& draw)
{
    return words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(draw)];
}

// One call's words. A random case needs its seed: without one it depends on the clock.
std::vector<std::string> randomCall(std::mt19937& draw)
{
    std::vector<std::string> words;
    if (draw() % 8 == 0) {
        words = {draw() % 2 ? "random" : "RANDOM", pick(kFirstWords, draw)};
        words.push_back(draw() % 3 ? std::to_string(draw()) : pick(kInputs, draw));
        if (draw() % 6 == 0)
            words.push_back("1");
        return words;
    }
    words.push_back(pick(kFirstWords, draw));
    if (words.front() == "#") // a comment, not a call
        words.front() = "P";
    for (std::size_t extra = draw() % 5; extra > 0; --extra)
        words.push_back(pick(kInputs, draw));
    if (draw() % 10 == 0)
        words.insert(words.begin() + 1, "list" == words.front() ? pick(kFirstWords, draw) : "0");
    return words;
}

// The words on one line, as a person or another program might space them.
std::string lineOf(const std::vector<std::string>& words, std::mt19937& draw)
{
    std::string line = draw() % 4 ? "" : pick(kBlanks, draw);
    for (const std::string& word : words)
        line += word + pick(kBlanks, draw);
    if (draw() % 3)
        line.pop_back(); // the last blank
    return line + (draw() % 5 ? "\n" : "\r\n");
}

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output single(const std::vector<std::string>& words)
{
    std::ostringstream out, err;
    const int status = tarvi::cli::run(words, -1, out, err);
    return {status, out.str(), err.str()};
}

Output batch(const std::string& input)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    std::fwrite(input.data(), 1, input.size(), file.get());
    std::fflush(file.get());
    std::rewind(file.get());
    std::ostringstream out, err;
    tarvi::cli::Context context;
    const int status = tarvi::cli::runBatch(fileno(file.get()), out, err, context);
    return {status, out.str(), err.str()};
}

std::string withoutLastNewline(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

TEST(Batch, EachLineAnswersAsTheSingleCallWithTheSameWords)
{
    std::mt19937 draw(11);
    std::vector<std::vector<std::string>> calls;
    std::string input;
    // Enough lines that some cross the boundary between two reads.
    for (int i = 0; i < 8000; ++i) {
        calls.push_back(randomCall(draw));
        input += lineOf(calls.back(), draw);
    }
    const Output answers = batch(input);
    const std::vector<std::string> out = splitLines(withoutLastNewline(answers.out));
    ASSERT_EQ(out.size(), calls.size());

    std::istringstream errors(answers.err);
    std::string error;
    bool allAnswered = true;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + tarvi::joinLines(calls[i], " "));
        const Output alone = single(calls[i]);
        if (alone.status == 0) {
            EXPECT_EQ(out[i], tarvi::joinLines(splitLines(withoutLastNewline(alone.out)), " | "));
            continue;
        }
        allAnswered = false;
        EXPECT_EQ(out[i], "");
        // The error names what the single call's first error line names.
        std::string named = splitLines(alone.err).front();
        if (named.starts_with("tarvi-calc: "))
            named.erase(0, 12);
        ASSERT_TRUE(std::getline(errors, error));
        EXPECT_TRUE(error.starts_with("line " + std::to_string(i + 1) + ": " + named)) << error;
    }
    EXPECT_FALSE(std::getline(errors, error)) << "an error for no failing line: " << error;
    EXPECT_EQ(answers.status, allAnswered ? 0 : 1);
}

} // namespace
