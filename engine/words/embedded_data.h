#pragma once

#include <string_view>
#include <vector>

namespace orvanta {

// A data file built into the program.
struct EmbeddedFile {
    std::string_view name; // file name, such as "de.txt"
    std::string_view bytes;
};

// The common-word lists of other languages (engine/data/common-words), one file per language
// code plus english-detection.txt, in name order.
const std::vector<EmbeddedFile>& CommonWordFiles();

} // namespace orvanta
