#include "cli/listing.h"

#include "counting/enumeration.h"
#include "engine/plaintext.h"

namespace tarvi::cli {

Answer list(Words words, Context& context)
{
    const PanelCase asked = readCase(words);
    const Listing listing = listingFor(asked.kind, asked.inputs, context.separators, context.mode);
    if (listing.status == Listing::Status::Listed)
        return answered(splitLines(listing.text));
    if (listing.status == Listing::Status::Rejected)
        return answerOf(listing.evaluation);
    if (listing.status == Listing::Status::TooMany)
        return rejected({}, "The count is " + listing.evaluation.result + "; only counts up to " +
                                std::to_string(kMostListed) + " are listed.");
    const std::string letters = std::to_string(Alfabet.size());
    return rejected({}, "This case needs more than " + letters + " letters; only cases with up to " +
                            letters + " letters are listed.");
}

} // namespace tarvi::cli
