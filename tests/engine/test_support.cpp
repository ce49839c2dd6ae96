#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace orvanta::testing {
namespace {

struct TempFiles {
    std::vector<std::filesystem::path> paths;
    ~TempFiles() {
        for (const auto& p : paths) {
            std::error_code ec;
            std::filesystem::remove(p, ec);
        }
    }
};

} // namespace

std::string WriteTempFile(const std::string& bytes) {
    static TempFiles temps;
    const std::string name = "orvanta-test-" + std::to_string(::getpid()) + "-" +
                             std::to_string(temps.paths.size()) + ".html";
    const auto& path = temps.paths.emplace_back(std::filesystem::temp_directory_path() / name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string Utf16WithMark(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::vector<std::string> Summary(const std::vector<WordEntry>& words) {
    std::vector<std::string> out;
    for (const WordEntry& w : words) {
        std::ostringstream s;
        s << w.text << ':' << w.frequency << ':' << w.keyValue;
        out.push_back(s.str());
    }
    return out;
}

float RawKeyValue(const std::string& html, const std::string& word, AnalysisSettings settings) {
    RecordingHost host;
    host.options = settings;
    for (const WordEntry& w : ReadAndCount(WriteTempFile(html), host).words) {
        if (w.text == word) {
            return w.keyValue;
        }
    }
    return -1.0f;
}

} // namespace orvanta::testing
