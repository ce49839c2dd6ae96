// orvanta-cli run as a user would run it: the golden cases, and what only a process shows.
#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using orvanta::testing::ReadFile;
using orvanta::testing::WriteTempFile;
using Args = std::vector<std::string>;

const fs::path kPages = fs::path(ORVANTA_TEST_DATA_DIR) / "pages";

struct CommandResult {
    int status = -1;
    std::string out{};
    std::string err;
};

// How the command runs: its standard input, its standard output (captured into the result when
// empty), its working folder (the test's when empty) and shell words before it (a `ulimit`).
struct Shell {
    std::string in = "/dev/null";
    std::string out{};
    std::string folder{};
    std::string prefix{};
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

CommandResult RunCli(const Args& args, const Shell& shell = {}) {
    const std::string base =
        fs::temp_directory_path() / ("orvanta-cli-" + std::to_string(getpid()));
    std::string command = shell.folder.empty() ? "" : "cd " + Quote(shell.folder) + " && ";
    command += shell.prefix + Quote(ORVANTA_CLI_PATH);
    for (const auto& a : args) {
        command += " " + Quote(a);
    }
    command += " <" + Quote(shell.in) + " >" + Quote(shell.out.empty() ? base : shell.out) + " 2>" +
               Quote(base + ".err");
    const int raw = std::system(command.c_str());
    CommandResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, shell.out.empty() ? ReadFile(base) : "",
                    ReadFile(base + ".err")};
    fs::remove(base);
    fs::remove(base + ".err");
    return r;
}

// Each case under tests/data/pages is NAME.args: the page's file name (an empty line for none),
// then the arguments given before it, one per line. The command runs in that folder, so names
// appear in its output as given. NAME.expected is the whole standard output, NAME.err the whole
// standard error (empty when missing), NAME.status the exit status when it is not 0.
TEST(CliGolden, PagesGiveTheirExpectedOutput) {
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kPages)) {
        if (entry.path().extension() != ".args") {
            continue;
        }
        const std::string name = entry.path().stem().string();
        const auto part = [&](const char* ending) { return ReadFile(kPages / (name + ending)); };
        std::ifstream argsFile(entry.path());
        Args args;
        for (std::string arg; std::getline(argsFile, arg);) {
            args.push_back(arg);
        }
        std::rotate(args.begin(), args.begin() + 1, args.end()); // the page goes last, if any
        if (args.back().empty()) {
            args.pop_back();
        }
        const CommandResult r = RunCli(args, {.folder = kPages});
        const std::string status = part(".status");
        EXPECT_EQ(r.status, status.empty() ? 0 : std::stoi(status)) << name << "\n" << r.err;
        EXPECT_EQ(r.out, part(".expected")) << name;
        EXPECT_EQ(r.err, part(".err")) << name;
        ++compared;
    }
    EXPECT_GE(compared, 25);
}

// Every re-encoded copy NAME.<encoding or form>.html (legacy encoding declared in a meta tag,
// UTF-16 with a byte-order mark, non-ASCII characters written as references) analyses exactly
// like its UTF-8 original NAME.html, in each mode and under other settings.
TEST(CliRealPages, ReEncodedCopiesAnalyseLikeTheirOriginal) {
    const fs::path encoded = kPages / "encoded";
    const Args modes[] = {{},
                          {"--list-words"},
                          {"--show-existing"},
                          {"--list-words", "--no-ignore-common-words", "--no-ignore-short-words",
                           "--min-frequency", "1", "--table-weight", "0"}};
    int compared = 0;
    for (const std::string name : {"de", "ja", "ko", "ru", "tr", "zh"}) {
        for (Args args : modes) {
            args.insert(args.end(), {"--page-language", "none", name + ".html"});
            const CommandResult original = RunCli(args, {.folder = encoded});
            ASSERT_EQ(original.status, 0) << name << original.err;
            int copies = 0;
            for (const auto& entry : fs::directory_iterator(encoded)) {
                const std::string copy = entry.path().filename();
                if (copy.starts_with(name + ".") && copy != name + ".html") {
                    args.back() = copy;
                    const CommandResult r = RunCli(args, {.folder = encoded});
                    EXPECT_EQ(r.status, 0) << copy << r.err;
                    EXPECT_EQ(r.out, original.out) << copy << " " << args[0];
                    ++copies;
                }
            }
            EXPECT_GE(copies, 4) << name;
            compared += copies;
        }
    }
    EXPECT_GE(compared, 100);
}

// Running out of memory on one file is that file's failure: the next file is still analysed.
TEST(CliFiles, OutOfMemoryFailsOnlyThatFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    const std::string big = WriteTempFile(std::string(48 << 20, 'w'));
    const std::string good = WriteTempFile("<title>Lantern lantern</title>");
    const CommandResult r = RunCli({big, good}, {.prefix = "ulimit -v 100000; "});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err,
              "orvanta-cli: " + big + ": Error when reading the input file: Out of memory\n");
    EXPECT_NE(r.out.find("CONTENT=\"lantern\""), std::string::npos) << r.out;
}

// Standard input is read once, however often "-" is given, and reported under that name.
TEST(CliStandardInput, ReadOnceAndNamedDash) {
    const std::string page = WriteTempFile("<title>Walnut walnut</title><p>orchard</p>");
    const CommandResult direct = RunCli({page});
    const CommandResult both = RunCli({"-", page, "-"}, {.in = page});
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out, "==> - <==\n" + direct.out + "\n==> " + page + " <==\n" + direct.out +
                            "\n==> - <==\n" + direct.out);

    const CommandResult folder = RunCli({"--format=json", "-"}, {.in = "/"});
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err, "orvanta-cli: -: Error when reading the input file: Is a directory\n");
    EXPECT_EQ(folder.out, "{\"file\":\"-\",\"mode\":\"tag\",\"error\":\"Error when reading the "
                          "input file: Is a directory\"}\n");
}

TEST(CliOutput, AFailedWriteIsReportedAndExitsWithTwo) {
    const std::string page = WriteTempFile("<title>Saffron saffron</title>");
    for (const Args& args : {Args{page}, Args{"--list-words", page, page}, Args{"--version"}}) {
        const CommandResult r = RunCli(args, {.out = "/dev/full"});
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.err, "orvanta-cli: write error: No space left on device\n") << args[0];
    }
}

} // namespace
