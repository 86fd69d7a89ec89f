#include "counting/multiplicities.h"

#include "engine/numtext.h"

namespace tarvi {

std::int16_t MultiplicityList::IndexNi() const
{
    return picked_ >= 0 && static_cast<std::size_t>(picked_) < entries_.size() ? picked_ : std::int16_t{-1};
}

void MultiplicityList::pick(int position)
{
    picked_ = position >= 0 && static_cast<std::size_t>(position) < entries_.size()
                  ? static_cast<std::int16_t>(position)
                  : std::int16_t{-1};
}

bool MultiplicityList::enter(std::string_view text)
{
    if (text.empty())
        return false;
    const std::int16_t at = IndexNi();
    if (at < 0)
        entries_.emplace_back(text);
    else
        entries_[static_cast<std::size_t>(at)] = std::string(text);
    picked_ = -1;
    return true;
}

std::optional<std::string> MultiplicityList::deletionCandidate() const
{
    const std::int16_t at = IndexNi();
    if (at < 0)
        return std::nullopt;
    return entries_[static_cast<std::size_t>(at)];
}

void MultiplicityList::answerDeletion(bool remove)
{
    const std::int16_t at = IndexNi();
    if (remove && at >= 0)
        entries_.erase(entries_.begin() + at);
    picked_ = -1;
}

std::string MultiplicityList::summary(const Separators& separators) const
{
    std::string text;
    std::int16_t sum = 0;
    bool sumKnown = true;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i > 0)
            text += ',';
        text += entries_[i];
        const std::optional<std::int16_t> value = parseWhole16(entries_[i], separators);
        if (!value || sum + *value < INT16_MIN || sum + *value > INT16_MAX)
            sumKnown = false;
        else if (sumKnown)
            sum = static_cast<std::int16_t>(sum + *value);
    }
    return text + "=" + (sumKnown ? integerText(sum) : std::string("?"));
}

} // namespace tarvi
