// The PR panel's multiplicity list: any sequence of what a person can do with
// it, checked after every step against a plain model of the list.

#include "calculator/core/multiplicities.h"
#include "tests/fuzz/property.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using tarvi::MultiplicityList;
using tarvi::Separators;
using tarvi::fuzz::require;

namespace {

// The list as the window describes it: the entries in order and the position
// last picked, which counts as none once it designates no entry.
struct Model {
    std::vector<std::string> entries;
    int picked = -1;

    int current() const { return picked >= 0 && picked < static_cast<int>(entries.size()) ? picked : -1; }

    // The entries joined by commas, "=" and their sum, or "?" when an entry
    // is not a whole number or the running sum leaves the 16-bit range.
    std::string summary(const Separators& marks) const
    {
        std::string text;
        long sum = 0;
        bool known = true;
        for (const std::string& entry : entries) {
            if (&entry != &entries.front())
                text += ',';
            text += entry;
            const std::optional<std::int16_t> value = tarvi::parseWhole16(entry, marks);
            sum += value.value_or(0);
            known = known && value && sum >= INT16_MIN && sum <= INT16_MAX;
        }
        return text + "=" + (known ? std::to_string(sum) : "?");
    }
};

// The texts a person types: numbers mostly, with signs, marks and mistakes.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ == size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    std::string text()
    {
        static constexpr std::string_view typed = "0123456789123-+., xe\t";
        std::string out(byte() % 7, ' ');
        for (char& c : out)
            c = typed[byte() % typed.size()];
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    const Separators marks = input.byte() % 2 ? Separators{".", ","} : Separators{",", "."};
    MultiplicityList list;
    Model model;
    std::string steps;
    while (!input.empty()) {
        switch (input.byte() % 7) {
        case 0:
        case 1: { // Enter with the text field's content
            const std::string text = input.text();
            steps += "enter \"" + text + "\"; ";
            const bool entered = list.enter(text);
            require(entered == !text.empty(), "Enter acts on any text but an empty one");
            if (!text.empty()) {
                if (model.current() < 0)
                    model.entries.push_back(text);
                else
                    model.entries[static_cast<std::size_t>(model.current())] = text;
                model.picked = -1;
            }
            break;
        }
        case 2: { // a click on an entry of the drop-down list
            const int count = static_cast<int>(model.entries.size());
            const int position = count == 0 ? -1 : input.byte() % (count + 1) - 1;
            steps += "pick " + std::to_string(position) + "; ";
            list.pick(position);
            model.picked = position;
            break;
        }
        case 3:
        case 4: { // the text field emptied, and the answer to the question it asks
            const bool yes = input.byte() % 2;
            steps += yes ? "empty, yes; " : "empty, no; ";
            const std::optional<std::string> asked = list.deletionCandidate();
            const std::optional<std::string> expected =
                model.current() < 0 ? std::nullopt
                                    : std::optional(model.entries[static_cast<std::size_t>(model.current())]);
            require(asked == expected, "deletion is offered for the picked entry, and only then",
                    [&] { return steps; });
            if (asked) {
                list.answerDeletion(yes);
                if (yes)
                    model.entries.erase(model.entries.begin() + model.current());
                model.picked = -1;
            }
            break;
        }
        case 5: // the panel's reset
            steps += "clear; ";
            list.clear();
            model.entries.clear();
            break;
        case 6: { // a random case fills the list anew
            std::vector<std::string> entries(input.byte() % 5);
            for (std::string& entry : entries)
                entry = std::to_string(1 + input.byte() % 9);
            steps += "assign " + std::to_string(entries.size()) + "; ";
            list.assign(entries);
            model.entries = entries;
            break;
        }
        }
        require(list.entries() == model.entries, "the entries are the model's", [&] { return steps; });
        require(list.IndexNi() == model.current(), "IndexNi is the model's pick", [&] { return steps; });
        require(list.summary(marks) == model.summary(marks), "the summary is the model's",
                [&] { return steps + "\n  " + list.summary(marks) + " / " + model.summary(marks); });
    }
    return 0;
}
