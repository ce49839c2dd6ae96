#pragma once

#include "engine/output/lower_case_pieces.h"

#include <cstddef>
#include <string>

namespace orvanta {

enum class ExistingKeywordsOutcome { Found, NotFound, ReadError };

struct ExistingKeywords {
    ExistingKeywordsOutcome outcome = ExistingKeywordsOutcome::NotFound;
    std::string tag;   // when found: the line's searched text from "<meta " on, lower-cased, UTF-8
    std::string error; // on ReadError: why the document could not be read
};

// Looks in the document's head, line by line, for a keywords meta tag. A line's searched text is
// the text before its first "</head>", or the whole line when it has none; the tag is found when
// that text has a "<meta " and names keywords as "keywords", 'keywords' or =keywords (followed by
// a space, ">", "/" or the end of the searched text). A line with "</head>" ends the search. The
// lines are split and decoded as for a run (the declared encoding included), lower-cased and
// trimmed, without any other preparation. A line is held as read, and looked through in pieces
// of pieceBytes.
ExistingKeywords FindExistingKeywords(const std::string& path,
                                      std::size_t pieceBytes = kLowerCasePieceBytes);

} // namespace orvanta
