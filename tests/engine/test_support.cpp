#include "test_support.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace orvanta::testing {
namespace {

class TempFiles {
public:
    ~TempFiles() {
        for (const auto& p : paths_) {
            std::error_code ec;
            std::filesystem::remove(p, ec);
        }
    }
    std::string make(const std::string& suffix) {
        static std::atomic<int> counter{0};
        const auto dir = std::filesystem::temp_directory_path();
        const std::string name =
            "orvanta-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + suffix;
        paths_.push_back((dir / name).string());
        return paths_.back();
    }

private:
    std::vector<std::string> paths_;
};

TempFiles& Temps() {
    static TempFiles temps;
    return temps;
}

} // namespace

void RecordingHost::setIgnoreText(const std::string& boxText) {
    const WordsToIgnoreNormalised n = NormaliseWordsToIgnore(boxText);
    options.WordsToIgnore = n.boxText;
    ignore = IgnoreList(n.listText);
}

std::string WriteTempFile(const std::string& bytes, const std::string& suffix) {
    const std::string path = Temps().make(suffix);
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path;
}

RunResult Analyse(const std::string& html, RecordingHost& host) {
    return RunAnalysis(WriteTempFile(html), host);
}

RunResult Analyse(const std::string& html, const Settings& settings) {
    RecordingHost host;
    host.options = settings;
    return Analyse(html, host);
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

float RawKeyValue(const std::string& html, const std::string& word, Settings settings) {
    RecordingHost host;
    host.options = settings;
    const RunResult run = ReadAndCount(WriteTempFile(html), host);
    for (const WordEntry& w : run.words) {
        if (w.text == word) {
            return w.keyValue;
        }
    }
    return -1.0f;
}

} // namespace orvanta::testing
