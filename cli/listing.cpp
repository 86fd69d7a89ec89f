#include "cli/listing.h"

#include "calculator/core/enumeration.h"
#include "cli/lines.h"

#include <iostream>

namespace tarvi::cli {

int printListing(FormulaKind kind, const PanelInputs& inputs)
{
    const Listing listing = ListingFor(kind, inputs, platform::systemSeparators());
    switch (listing.status) {
    case Listing::Status::Listed:
        std::cout << withNewlines(listing.text) << '\n';
        return 0;
    case Listing::Status::Rejected:
        std::cerr << listing.evaluation.title << '\n' << withNewlines(listing.evaluation.message) << '\n';
        return 1;
    case Listing::Status::TooMany:
        std::cerr << "The count is " << listing.evaluation.result << "; only counts up to " << kMostListed
                  << " are listed.\n";
        return 1;
    case Listing::Status::TooManyLetters:
        std::cerr << "This case needs more than " << Alfabet.size() << " letters; only cases with up to "
                  << Alfabet.size() << " letters are listed.\n";
        return 1;
    }
    return 1;
}

} // namespace tarvi::cli
