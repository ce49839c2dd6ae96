// Reading a page in the encoding it declares (byte-order marks, declared legacy encodings,
// UTF-16 with odd byte counts), then deciding the page's language from its lines.
#include "engine/document_reader.h"
#include "engine/page_language.h"
#include "fuzz/fuzz_input.h"
#include "util/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orvanta::fuzz::MemoryFile page;
    orvanta::fuzz::ByteTaker bytes(data, size);
    const std::size_t limit = (bytes.take() & 1) != 0 ? 64 : orvanta::DocumentReader::kWholeFile;
    page.write(bytes.rest());
    orvanta::DocumentReader reader;
    reader.setMaxLineBytes(4096);
    if (!reader.open(page.path(), limit)) {
        return 0;
    }
    orvanta::PageLanguageVote vote;
    std::string line;
    while (reader.next(line)) {
        vote.addPreparedLine(line);
        vote.addPreparedLine(orvanta::text::DecodeLine(line));
    }
    (void)vote.result();
    return 0;
}
