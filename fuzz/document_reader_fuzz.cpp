// Reading a page in the encoding it declares (byte-order marks, declared legacy encodings,
// UTF-16 with odd byte counts), deciding the page's language from its lines, and preparing each
// line both whole and cut into small pieces, which must give the same text; the existing keywords
// tag looked for in small pieces must be the one found in whole lines.
#include "engine/output/existing_keywords.h"
#include "engine/preparing/line_preparation.h"
#include "engine/preparing/long_line_preparation.h"
#include "engine/reading/document_reader.h"
#include "engine/words/page_language.h"
#include "fuzz/fuzz_input.h"
#include "util/text_codec.h"

namespace {

void PrepareBothWays(std::string_view raw, const orvanta::text::LineDecoder& decoder,
                     std::size_t pieceBytes) {
    if (!orvanta::CanPrepareInPieces(decoder)) {
        return;
    }
    std::string whole;
    std::string pieces;
    const bool kept = orvanta::PrepareLine(raw, whole, decoder);
    orvanta::fuzz::Require(
        kept == orvanta::PrepareLongLine(raw, pieces, decoder, nullptr, pieceBytes) &&
        (!kept || whole == pieces));
}

void FindExistingBothWays(const std::string& path, std::size_t pieceBytes) {
    const orvanta::ExistingKeywords whole = orvanta::FindExistingKeywords(path);
    const orvanta::ExistingKeywords pieces = orvanta::FindExistingKeywords(path, pieceBytes);
    orvanta::fuzz::Require(whole.outcome == pieces.outcome && whole.tag == pieces.tag);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orvanta::fuzz::MemoryFile page;
    orvanta::fuzz::ByteTaker bytes(data, size);
    const std::size_t limit = (bytes.take() & 1) != 0 ? 64 : orvanta::DocumentReader::kWholeFile;
    const std::size_t pieceBytes = 1 + bytes.upTo(15);
    page.write(bytes.rest());
    orvanta::DocumentReader reader;
    reader.setMaxLineBytes(4096);
    if (!reader.open(page.path(), limit)) {
        return 0;
    }
    orvanta::PageLanguageVote vote;
    std::string raw;
    std::string line;
    while (reader.nextUndecoded(raw)) {
        PrepareBothWays(raw, reader.lineDecoder(), pieceBytes);
        if (orvanta::PrepareLine(raw, line, reader.lineDecoder())) {
            vote.addPreparedLine(line);
        }
    }
    (void)vote.result();
    FindExistingBothWays(page.path(), pieceBytes);
    return 0;
}
