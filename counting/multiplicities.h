#pragma once

#include "engine/readnumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvi {

// The multiplicities n1 ... nk of the PR panel as the user typed them, and
// which entry the user last picked (the next Enter replaces it, emptying the
// text field offers to delete it).
class MultiplicityList {
public:
    const std::vector<std::string>& entries() const { return entries_; }

    // The picked entry, or -1 for none; a position that no longer designates
    // an entry counts as none.
    std::int16_t IndexNi() const;

    // The user picked an entry (-1: none).
    void pick(int position);

    // Enter in the text field: appends the text, or replaces the picked entry
    // with it, and unpicks. An empty text does nothing and returns false.
    bool enter(std::string_view text);

    // The text of the entry a just-emptied text field offers to delete.
    std::optional<std::string> deletionCandidate() const;

    // The answer to the deletion question: remove the picked entry or keep it;
    // either way nothing stays picked.
    void answerDeletion(bool remove);

    // Replaces every entry (the picked position is left as it is).
    void assign(std::vector<std::string> entries) { entries_ = std::move(entries); }
    void clear() { entries_.clear(); }

    // The summary shown beside the list: the entries joined by commas, "=" and
    // their sum ("2,3,1=6"; "=0" when empty). When an entry is not a whole
    // number or the sum leaves the 16-bit range the sum is shown as "?".
    std::string summary(const Separators& separators) const;

private:
    std::vector<std::string> entries_;
    std::int16_t picked_ = -1;
};

} // namespace tarvi
