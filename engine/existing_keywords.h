#pragma once

#include <string>

namespace orvanta {

enum class ExistingKeywordsOutcome { Found, NotFound, ReadError };

struct ExistingKeywords {
    ExistingKeywordsOutcome outcome = ExistingKeywordsOutcome::NotFound;
    std::string tag;   // when found: the line from "<meta " on, lower-cased, UTF-8
    std::string error; // on ReadError: why the document could not be read
};

// Looks in the document's head, line by line, for a keywords meta tag. The lines are split and
// decoded as for a run (the declared encoding included), without any other preparation.
ExistingKeywords FindExistingKeywords(const std::string& path);

} // namespace orvanta
