// Pages and files a hostile but fair user may give: each ends with a result or a reason, at once.
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"
#include "engine/reading/document_reader.h"
#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

struct Analysed {
    RunResult run;
    ExistingKeywords existing;
};

Analysed AnalyseAll(const std::string& path) {
    testing::RecordingHost host;
    host.options.minFrequency = 1;
    Analysed a{RunAnalysis(path, host), FindExistingKeywords(path)};
    (void)ComposeMetaTag(a.run.words, host.options);
    return a;
}

// Broken and strange pages are analysed to the end; "expected" is the tag's words.
TEST(HostilePages, StrangeContentIsAnalysedToTheEnd) {
    struct Row {
        const char* name;
        std::string page;
        std::string firstWord; // the top-ranked word; empty: no word at all
    };
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7) & 0xFF);
    }
    const Row rows[] = {
        {"empty", "", ""},
        {"only spaces", std::string(5000, ' '), ""},
        {"only NUL bytes", std::string(5000, '\0'), ""},
        {"binary", binary, "elszahov"}, // letters among the bytes still make words
        {"invalid UTF-8", "\xC3\x28 \xFF\xFE \xED\xA0\x80 \xF4\x90\x80\x80 lantern lantern",
         "lantern"},
        {"nested font tags",
         Repeat("<font size=+1>", 400) + "lantern" + "\n" + Repeat("<font size=+1>\n", 2000) +
             "beacon",
         "lantern"},
        {"many tables", Repeat("<table><tr><td>cell\n", 2000), "cell"},
        {"unterminated comment", "lantern <!-- beacon beacon beacon\n" + Repeat("beacon\n", 50),
         "lantern"},
        {"unterminated script", "lantern <script> beacon beacon\n" + Repeat("x = 1;\n", 50),
         "lantern"},
        {"unterminated style", "lantern <style> p { beacon beacon }\n" + Repeat("q {}\n", 50),
         "lantern"},
        {"tag that never closes", "lantern <p class=\"" + Repeat("beacon ", 2000), "lantern"},
        {"huge font sizes",
         "<font size=99999999999999999999>lantern</font><font size=+99999999999999999999>lantern"
         "</font><font size=-99999999999999999999>beacon</font>",
         "lantern"},
    };
    for (const Row& r : rows) {
        const Analysed a = AnalyseAll(testing::WriteTempFile(r.page));
        EXPECT_EQ(a.run.outcome, RunOutcome::Completed) << r.name << ": " << a.run.failureReason;
        EXPECT_NE(a.existing.outcome, ExistingKeywordsOutcome::ReadError) << r.name;
        EXPECT_EQ(a.run.words.empty() ? "" : a.run.words.front().text, r.firstWord) << r.name;
    }
}

// Only regular files are read: nothing blocks (a FIFO without a writer) or reads for ever (a
// device), and each gives the reason.
TEST(HostilePages, WhatIsNotARegularFileIsRefusedWithItsReason) {
    const fs::path dir =
        fs::temp_directory_path() / ("orvanta-hostile-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "page.html");
    ASSERT_EQ(::mkfifo((dir / "fifo.html").c_str(), 0600), 0);
    fs::create_symlink(dir / "loop.html", dir / "loop.html");
    const std::pair<std::string, std::string> rows[] = {
        {"/dev/zero", "Not a regular file"},
        {"/dev/urandom", "Not a regular file"},
        {(dir / "fifo.html").string(), "Not a regular file"},
        {(dir / "page.html").string(), "Is a folder"},
        {(dir / "loop.html").string(), "Too many levels of symbolic links"},
        {(dir / "missing.html").string(), "No such file or directory"},
    };
    for (const auto& [path, reason] : rows) {
        const Analysed a = AnalyseAll(path);
        EXPECT_EQ(a.run.outcome, RunOutcome::Failed) << path;
        EXPECT_EQ(a.run.failureReason, reason) << path;
        EXPECT_EQ(a.existing.outcome, ExistingKeywordsOutcome::ReadError) << path;
        EXPECT_EQ(a.existing.error, reason) << path;
        DocumentReader reader;
        EXPECT_FALSE(reader.open(path)) << path;
        EXPECT_EQ(reader.error(), reason) << path;
    }
    fs::remove_all(dir);
}

// Run as a user who may not read the file (root reads anything, so the check drops to nobody).
TEST(HostilePages, AFileWithoutReadPermissionGivesTheSystemsReason) {
    const std::string page = testing::WriteTempFile("<title>secret</title>");
    ASSERT_EQ(::chmod(page.c_str(), 0), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setresuid(65534, 65534, 65534) != 0) {
            ::_exit(3);
        }
        testing::RecordingHost host;
        const RunResult run = RunAnalysis(page, host);
        ::_exit(run.outcome == RunOutcome::Failed && run.failureReason == "Permission denied" ? 0
                                                                                              : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A line past the bound ends the reading with an error naming the line; the bound is lowered
// here to keep the test small.
TEST(HostilePages, ALineLongerThanTheBoundIsReported) {
    const std::string page =
        testing::WriteTempFile("short\r\nshort\r\n" + std::string(5000, 'x') + "\nafter\n");
    DocumentReader lines;
    lines.setMaxLineBytes(4096);
    ASSERT_TRUE(lines.open(page));
    std::string line;
    int read = 0;
    while (lines.next(line)) {
        ++read;
    }
    EXPECT_EQ(read, 2);
    EXPECT_EQ(lines.error(), "Line 3 is longer than 4096 bytes");

    DocumentReader document;
    document.setMaxLineBytes(std::size_t{1} << 20);
    ASSERT_TRUE(document.open(testing::WriteTempFile("a\n" + std::string((1 << 20) + 1, 'y'))));
    while (document.next(line)) {
    }
    EXPECT_EQ(document.error(), "Line 2 is longer than 1 MiB");
}

// A file changed under a run: deleted (still read to its end), truncated (the run ends early),
// grown (read no further than its size when opened).
TEST(HostilePages, AFileChangedWhileARunReadsIt) {
    const std::string body = Repeat("lantern beacon harbour\n", 4000); // past one read buffer
    struct Row {
        const char* name;
        std::function<void(const std::string&)> change;
        std::int64_t lanterns; // frequency of "lantern" at the end
    };
    const Row rows[] = {
        {"deleted", [](const std::string& path) { fs::remove(path); }, 4000},
        {"truncated", [](const std::string& path) { fs::resize_file(path, 0); }, -1},
        {"grown",
         [](const std::string& path) {
             std::ofstream(path, std::ios::app) << Repeat("lantern\n", 10000);
         },
         4000},
    };
    for (const Row& r : rows) {
        const std::string page = testing::WriteTempFile(body);
        testing::RecordingHost host;
        bool changed = false;
        host.onYield = [&](testing::RecordingHost&) {
            if (!changed) {
                changed = true;
                r.change(page);
            }
        };
        const RunResult run = ReadAndCount(page, host);
        EXPECT_EQ(run.outcome, RunOutcome::Completed) << r.name;
        ASSERT_FALSE(run.words.empty()) << r.name;
        if (r.lanterns >= 0) {
            EXPECT_EQ(run.words.front().frequency, r.lanterns) << r.name;
        } else {
            EXPECT_LT(run.words.front().frequency, 4000) << r.name;
        }
    }
}

} // namespace
} // namespace orvanta
