// The PR panel's multiplicity list: any sequence of what a person can do with
// it, checked after every step against a plain model of the list.

#include "counting/multiplicities.h"
#include "engine/readnumber.h"
#include "tests/fuzz/property.h"

#include <vector>

using tarvi::MultiplicityList;
using namespace tarvi::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t at = 0;
    const auto next = [&]() -> unsigned { return at < size ? data[at++] : 0; };
    // The texts a person types: numbers mostly, with signs, marks and mistakes.
    const auto typed = [&] {
        static constexpr std::string_view keys = "0123456789123-+., xe\t";
        std::string text(next() % 7, ' ');
        for (char& c : text)
            c = keys[next() % keys.size()];
        return text;
    };
    MultiplicityList list;
    // The list as the window describes it: the entries in order and the
    // position last picked, which counts as none once it designates no entry.
    struct {
        std::vector<std::string> entries;
        int picked = -1;
        int current() const { return picked >= 0 && picked < static_cast<int>(entries.size()) ? picked : -1; }
        // The entries joined by commas, "=" and their sum, or "?" once an
        // entry is no whole number or the running sum leaves 16 bits.
        std::string summary(const tarvi::Separators& marks) const
        {
            std::string text;
            long sum = 0;
            bool known = true;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const std::optional<std::int16_t> value = tarvi::parseWhole16(entries[i], marks);
                sum += value.value_or(0);
                known = known && value && sum >= INT16_MIN && sum <= INT16_MAX;
                text += (i > 0 ? "," : "") + entries[i];
            }
            return text + "=" + (known ? std::to_string(sum) : "?");
        }
    } model;
    const tarvi::Separators marks{",", "."};
    std::string steps;
    const auto explain = [&] { return steps; };
    while (at < size) {
        switch (next() % 7) {
        case 0:
        case 1: { // Enter with the text field's content
            const std::string text = typed();
            steps += "enter \"" + text + "\"; ";
            require(list.enter(text) == !text.empty(), "Enter acts on any text but an empty one", explain);
            if (text.empty())
                break;
            if (model.current() < 0)
                model.entries.push_back(text);
            else
                model.entries[static_cast<std::size_t>(model.current())] = text;
            model.picked = -1;
            break;
        }
        case 2: { // a click on an entry of the drop-down list
            const int count = static_cast<int>(model.entries.size());
            model.picked = count == 0 ? -1 : static_cast<int>(next() % (count + 1)) - 1;
            steps += "pick " + std::to_string(model.picked) + "; ";
            list.pick(model.picked);
            break;
        }
        case 3:
        case 4: { // the text field emptied, and the answer to the question it asks
            const bool yes = next() % 2;
            steps += yes ? "empty, yes; " : "empty, no; ";
            const int current = model.current();
            require(list.deletionCandidate() ==
                        (current < 0 ? std::nullopt : std::optional(model.entries[current])),
                    "deletion is offered for the picked entry, and only then", explain);
            if (current < 0)
                break;
            list.answerDeletion(yes);
            if (yes)
                model.entries.erase(model.entries.begin() + current);
            model.picked = -1;
            break;
        }
        case 5: // the panel's reset
            steps += "clear; ";
            list.clear();
            model.entries.clear();
            break;
        case 6: { // a random case fills the list anew
            model.entries.assign(next() % 5, {});
            for (std::string& entry : model.entries)
                entry = std::to_string(1 + next() % 9);
            steps += "assign " + std::to_string(model.entries.size()) + "; ";
            list.assign(model.entries);
            break;
        }
        }
        require(list.entries() == model.entries, "the entries are the model's", explain);
        require(list.IndexNi() == model.current(), "IndexNi is the model's pick", explain);
        require(list.summary(marks) == model.summary(marks), "the summary is the model's", explain);
    }
    return 0;
}
