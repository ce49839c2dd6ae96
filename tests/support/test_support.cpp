#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
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
    WriteFile(path.string(), bytes);
    return path.string();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Repeat(std::string_view text, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += text;
    }
    return out;
}

std::string Utf16(std::u16string_view text, bool bigEndian, bool withBom) {
    std::string bytes = !withBom ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : text) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
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
