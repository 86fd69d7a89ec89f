#include "cli/batch.h"

#include "cli/dispatch.h"
#include "engine/plaintext.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace tarvi::cli {

namespace {

// Words in a batch line are parted by any white space that can stand within
// a line; a CR before the line's LF is one too, so lines written on Windows
// read alike.
std::vector<std::string> splitWords(std::string_view line)
{
    constexpr std::string_view whiteSpaceInLine = " \t\r\v\f";
    std::vector<std::string> words;
    for (std::size_t start = line.find_first_not_of(whiteSpaceInLine); start != std::string_view::npos;) {
        const std::size_t end = line.find_first_of(whiteSpaceInLine, start);
        words.emplace_back(line.substr(start, end - start));
        start = line.find_first_not_of(whiteSpaceInLine, end);
    }
    return words;
}

// Waits until a descriptor that does not block (a pipe some editors and job
// runners hand over) has input, has reached its end or has failed: the read
// after it tells which. False, with errno set, when even waiting fails.
bool waitForInput(int input)
{
    pollfd wanted{input, POLLIN, 0};
    int ready = 0;
    while ((ready = ::poll(&wanted, 1, -1)) < 0 && errno == EINTR) {}
    return ready >= 0;
}

class Batch {
public:
    Batch(std::ostream& out, std::ostream& err, Context& context) : out_(out), err_(err), context_(context) {}

    void answerLine(std::string_view line, bool tooLong)
    {
        ++number_;
        if (tooLong || line.size() > kLongestBatchLine)
            return fail("longer than " + std::to_string(kLongestBatchLine) + " bytes");
        const std::vector<std::string> words = splitWords(line);
        if (words.empty() || words.front().starts_with('#')) {
            out_ << '\n';
            return;
        }
        const Answer outcome = answer(words, context_);
        switch (outcome.status) {
        case Answer::Status::Answered:
            out_ << joinLines(outcome.lines, " | ") << '\n';
            return;
        case Answer::Status::Rejected:
            return fail(oneLine(outcome));
        case Answer::Status::Mistake:
            return fail(outcome.lines.front());
        }
    }

    bool allAnswered() const { return allAnswered_; }

private:
    void fail(const std::string& error)
    {
        allAnswered_ = false;
        // The answers so far go first, so that on one terminal the error
        // follows the empty line that stands for its line.
        out_ << '\n' << std::flush;
        // One write: the error stream is unbuffered.
        err_ << "line " + std::to_string(number_) + ": " + error + '\n';
    }

    std::ostream& out_;
    std::ostream& err_;
    Context& context_;
    long long number_ = 0;
    bool allAnswered_ = true;
};

} // namespace

int runBatch(int input, std::ostream& out, std::ostream& err, Context& context)
{
    Batch batch(out, err, context);
    std::array<char, 1 << 16> buffer;
    std::string pending;  // the start of a line whose end has not come yet
    bool tooLong = false; // that start was too long and is dropped
    while (out.flush()) {
        const ssize_t got = ::read(input, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitForInput(input))
            continue;
        if (got < 0) {
            err << "tarvi-calc: cannot read standard input: " << std::strerror(errno) << '\n';
            return 1;
        }
        if (got == 0) {
            if (!pending.empty() || tooLong)
                batch.answerLine(pending, tooLong);
            return batch.allAnswered() ? 0 : 1;
        }
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(got));
        for (std::size_t end; (end = chunk.find('\n')) != std::string_view::npos;
             chunk.remove_prefix(end + 1)) {
            if (pending.empty()) {
                batch.answerLine(chunk.substr(0, end), tooLong);
            } else {
                batch.answerLine(pending.append(chunk.substr(0, end)), tooLong);
                pending.clear();
            }
            tooLong = false;
        }
        if (!tooLong)
            pending.append(chunk);
        if (pending.size() > kLongestBatchLine) {
            tooLong = true;
            pending.clear();
        }
    }
    return 1;
}

} // namespace tarvi::cli
