// Prints how long whole analyses take on generated pages of a few shapes. No assertions: the
// figures go into docs/performance.md by hand.
#include "engine/analysis_run.h"
#include "engine/analysis_settings.h"
#include "engine/output/meta_tag_composer.h"
#include "engine/run_host.h"
#include "engine/words/ignore_list.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

class BenchHost : public orvanta::RunHost {
public:
    const orvanta::AnalysisSettings& settings() const override { return settings_; }
    const orvanta::IgnoreList& ignoreList() const override { return ignore_; }

private:
    orvanta::AnalysisSettings settings_;
    orvanta::IgnoreList ignore_{","};
};

std::string RandomWord(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(3, 10);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string w;
    for (int i = length(rng); i > 0; --i) {
        w.push_back(static_cast<char>(letter(rng)));
    }
    return w;
}

// A page of about `bytes` bytes: paragraphs over a vocabulary of `vocabulary` words, with bold
// text, links and a table every so often. `lineEnd` is "\n", "\r\n" or " " (one long line).
std::string MakePage(std::size_t bytes, int vocabulary, const std::string& lineEnd) {
    std::mt19937 rng(42);
    std::vector<std::string> words;
    for (int i = 0; i < vocabulary; ++i) {
        words.push_back(RandomWord(rng));
    }
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::string page = "<html><head><title>Generated page</title></head><body>" + lineEnd;
    int paragraph = 0;
    while (page.size() < bytes) {
        std::string p = "<p>";
        for (int i = 0; i < 40; ++i) {
            p += words[pick(rng)] + ' ';
        }
        p += "<b>" + words[pick(rng)] + "</b> <a href=\"page.html\" title=\"a > b\">" +
             words[pick(rng)] + "</a></p>" + lineEnd;
        if (++paragraph % 50 == 0) {
            p += "<table><tr><td>" + words[pick(rng)] + "</td></tr></table>" + lineEnd;
        }
        page += p;
    }
    return page + "</body></html>" + lineEnd;
}

void Measure(const char* label, const std::string& page) {
    const auto path = std::filesystem::temp_directory_path() / "orvanta-bench.html";
    std::ofstream(path, std::ios::binary) << page;
    BenchHost host;
    double best = 1e9;
    orvanta::RunResult result;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        result = orvanta::RunAnalysis(path.string(), host);
        const orvanta::ComposedTag tag = orvanta::ComposeMetaTag(result.words, host.settings());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    std::filesystem::remove(path);
    std::printf("%-40s %8.2f MB %9lld words %8.3f s %8.1f MB/s\n", label,
                static_cast<double>(page.size()) / 1e6,
                static_cast<long long>(result.wordsIdentified), best,
                static_cast<double>(page.size()) / 1e6 / best);
}

} // namespace

int main() {
    std::printf("%-40s %11s %15s %10s %11s\n", "page", "size", "distinct", "best of 3", "rate");
    Measure("5 MB, LF lines, 20k vocabulary", MakePage(5'000'000, 20'000, "\n"));
    Measure("5 MB, CRLF lines, 20k vocabulary", MakePage(5'000'000, 20'000, "\r\n"));
    Measure("5 MB, one line (minified)", MakePage(5'000'000, 20'000, " "));
    Measure("5 MB, LF lines, 200k vocabulary", MakePage(5'000'000, 200'000, "\n"));
    Measure("20 MB, LF lines, 50k vocabulary", MakePage(20'000'000, 50'000, "\n"));
    return 0;
}
