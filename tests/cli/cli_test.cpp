// End-to-end checks of orvanta-cli: the program is run as a user would run it.
#include "command_runner.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace clitest;

std::string Page(const std::string& name) {
    return std::string(ORVANTA_TEST_DATA_DIR) + "/pages/" + name;
}

// Each case under tests/data/pages is NAME.args (the page's file name, then one option per line)
// and NAME.expected (the whole standard output), with NAME.err when standard error is part of it
// (the figures of --stats).
TEST(CliGolden, PagesGiveTheirExpectedOutput) {
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Page(""))) {
        const auto path = entry.path();
        if (path.extension() != ".args") {
            continue;
        }
        std::ifstream argsFile(path);
        std::string page;
        std::getline(argsFile, page);
        std::vector<std::string> args;
        for (std::string arg; std::getline(argsFile, arg);) {
            args.push_back(arg);
        }
        args.push_back(Page(page));
        const std::string expectedPath = (path.parent_path() / path.stem()).string() + ".expected";
        const CommandResult r = RunCli(args);
        EXPECT_EQ(r.status, 0) << path.stem() << "\n" << r.err;
        EXPECT_EQ(r.out, ReadAll(expectedPath)) << path.stem();
        const std::string errorsPath = (path.parent_path() / path.stem()).string() + ".err";
        if (std::filesystem::exists(errorsPath)) {
            EXPECT_EQ(r.err, ReadAll(errorsPath)) << path.stem();
        }
        ++compared;
    }
    EXPECT_GE(compared, 7);
}

TEST(CliModes, GenerateListAndShowExistingOnTheSamplePage) {
    const std::string sample = std::string(ORVANTA_TEST_DATA_DIR) + "/../../docs/sample.html";
    const CommandResult tag = RunCli({sample});
    ASSERT_EQ(tag.status, 0);
    EXPECT_EQ(tag.out.rfind("<META NAME=\"keywords\" CONTENT=\"rose,soil,garden,", 0), 0u);
    EXPECT_NE(tag.out.find("\n\nNumber of keywords in meta tag: "), std::string::npos);
    EXPECT_EQ(tag.out.find('\r'), std::string::npos);
    EXPECT_EQ(tag.out.back(), '\n');

    const CommandResult list = RunCli({"--list-words", "--stats", sample});
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(list.out.rfind("Rank Value Frequency\n   1   100 ", 0), 0u);
    EXPECT_EQ(list.err, "Number of words found: 13\nPage language: none\n");

    const CommandResult existing = RunCli({"--show-existing", sample});
    EXPECT_EQ(existing.out, "Existing keyword meta tag:\n<meta name=\"keywords\" "
                            "content=\"roses, pruning, garden, soil\">\n");
}

TEST(CliFiles, MissingFilesFailWithStatusTwoWhileOthersAreStillProcessed) {
    const std::string good = WriteTemp("orvanta-cli-good.html", "<title>Lantern lantern</title>");
    const CommandResult r = RunCli({"/nonexistent/page.html", good, "/tmp"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("/nonexistent/page.html: Input file not found."), std::string::npos);
    EXPECT_NE(r.err.find("/tmp: Input file is a folder, not a file."), std::string::npos);
    EXPECT_NE(r.out.find("==> " + good + " <==\n<META NAME=\"keywords\" CONTENT=\"lantern\">"),
              std::string::npos);

    const CommandResult empty = RunCli({""});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("Input file not specified."), std::string::npos);
}

// File names are used exactly as given: spaces around a name are part of it.
TEST(CliFiles, NamesAreUsedAsGiven) {
    const std::string good = WriteTemp("orvanta-cli-spaces.html", "<title>Harbour harbour</title>");
    const CommandResult trimmed = RunCli({"  " + good + "  "});
    EXPECT_EQ(trimmed.status, 2);
    EXPECT_NE(trimmed.err.find("Input file not found."), std::string::npos);

    const std::string spaced =
        WriteTemp(" orvanta cli 'q\" \xC3\xA9\xFF.html ", "<title>Harbour harbour</title>");
    const CommandResult r = RunCli({spaced});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("CONTENT=\"harbour\""), std::string::npos);
    std::filesystem::remove(spaced);
}

// What is not a page gets a message saying what it is; nothing blocks or reads for ever, and
// the files after it are still analysed.
TEST(CliFiles, WhatCannotBeReadSaysWhy) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("orvanta-cli-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "page.html");
    ASSERT_EQ(::mkfifo((dir / "fifo.html").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "loop.html", dir / "loop.html");
    const std::string good = WriteTemp("orvanta-cli-after.html", "<title>Lantern lantern</title>");
    const std::pair<std::string, std::string> rows[] = {
        {"/dev/zero",
         "Input file is not a regular file (a device, pipe or socket cannot be read)."},
        {"/dev/urandom",
         "Input file is not a regular file (a device, pipe or socket cannot be read)."},
        {(dir / "fifo.html").string(),
         "Input file is not a regular file (a device, pipe or socket cannot be read)."},
        {(dir / "page.html").string(), "Input file is a folder, not a file."},
        {(dir / "loop.html").string(),
         "Input file cannot be read: Too many levels of symbolic links"},
    };
    for (const auto& [path, message] : rows) {
        for (const char* mode : {"--list-words", "--show-existing"}) {
            const CommandResult r = RunCli({mode, path, good});
            EXPECT_EQ(r.status, 2) << path;
            EXPECT_EQ(r.err, "orvanta-cli: " + path + ": " + message + "\n") << path;
            EXPECT_NE(r.out.find("==> " + good + " <=="), std::string::npos) << path;
        }
    }
    std::filesystem::remove_all(dir);
}

// --show-existing on a file that cannot be read gives the reason after the message.
TEST(CliFiles, ShowExistingGivesTheReason) {
    const std::string page = WriteTemp("orvanta-cli-unreadable.html", "<title>x</title>");
    ASSERT_EQ(::chmod(page.c_str(), 0), 0);
    const std::string asNobody =
        ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const CommandResult r = RunCliLine("--show-existing " + Quote(page), asNobody);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err, "orvanta-cli: " + page + ": Input file cannot be read: Permission denied\n");
    std::filesystem::remove(page);
}

// Running out of memory on one file is that file's failure: the next file is still analysed.
TEST(CliFiles, OutOfMemoryFailsOnlyThatFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    const std::string big = WriteTemp("orvanta-cli-48mb.html", std::string(48 << 20, 'w'));
    const std::string good = WriteTemp("orvanta-cli-small.html", "<title>Lantern lantern</title>");
    const CommandResult r = RunCliLine(Quote(big) + " " + Quote(good), "ulimit -v 100000; ");
    const std::string out = r.out + r.err;
    std::filesystem::remove(big);
    EXPECT_EQ(r.status, 2) << out;
    EXPECT_NE(out.find(big + ": Error when reading the input file: Out of memory\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("CONTENT=\"lantern\""), std::string::npos) << out;
}

// JSON output is valid UTF-8 whatever bytes the file name holds.
TEST(CliJson, FileNamesThatAreNotUtf8AreEscaped) {
    const std::string page =
        WriteTemp("orvanta-cli-caf\xE9-\xC3\xA9.html", "<title>Quill quill</title>");
    const CommandResult r = RunCli({"--format", "json", page});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("orvanta-cli-caf\\ufffd-\xC3\xA9.html\""), std::string::npos) << r.out;
    std::filesystem::remove(page);
}

TEST(CliOptions, UsageErrorsExitWith64) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-x", "x.html"},
                                                 {"--bold-weight", "0", "x.html"},
                                                 {"--bold-weight", "10", "x.html"},
                                                 {"--table-weight", "-1", "x.html"},
                                                 {"--short-word-size", "three", "x.html"},
                                                 {"--frobnicate", "x.html"},
                                                 {"--format", "xml", "x.html"},
                                                 {"x.html", "--ignore"}}) {
        const CommandResult r = RunCli(args);
        EXPECT_EQ(r.status, 64) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(r.out.empty());
    }
    const CommandResult limit = RunCli({"--max-bytes", "1e2", "x.html"});
    EXPECT_EQ(limit.status, 64);
    EXPECT_EQ(limit.err, "orvanta-cli: option '--max-bytes' takes a whole number, or an empty "
                         "text for no limit\nTry 'orvanta-cli --help' for more information.\n");
    EXPECT_EQ(RunCli({"--help"}).status, 0);
    EXPECT_EQ(RunCli({"--version"}).out, "orvanta-cli 1.0\n");
    EXPECT_EQ(RunCli({"-V"}).out, "orvanta-cli 1.0\n");
    EXPECT_EQ(RunCli({"-h"}).out, RunCli({"--help"}).out);
    EXPECT_EQ(RunCli({"--", "-h"}).err, "orvanta-cli: -h: Input file not found.\n");
}

TEST(CliOptions, LimitBoxChecksReportTheirMessageAndUseTheDefault) {
    const std::string page =
        WriteTemp("orvanta-cli-limits.html",
                  "<title>alpha bravo charlie delta echo foxtrot golf hotel india juliet</title>");
    CommandResult r = RunCli({"--min-frequency", "1", "--max-keywords", "3", page});
    EXPECT_EQ(r.err, "orvanta-cli: Minimum number of keywords in the meta tag is 5.\n");
    EXPECT_NE(r.out.find("Number of keywords in meta tag: 10"), std::string::npos);

    r = RunCli({"--min-frequency", "1", "--max-keywords", "5", "--max-bytes", "5000", page});
    EXPECT_EQ(r.err, "orvanta-cli: Maximum number of bytes in the meta tag is 1000.\n");
    EXPECT_NE(r.out.find("Number of keywords in meta tag: 5\n"), std::string::npos);

    r = RunCli({"--min-frequency=1", "--max-keywords=", "--max-bytes=40", page});
    EXPECT_TRUE(r.err.empty());
    EXPECT_NE(r.out.find("CONTENT=\"alpha\">"), std::string::npos);
}

TEST(CliOptions, SelectionAndWeightOptionsReachTheEngine) {
    const std::string page = WriteTemp("orvanta-cli-options.html",
                                       "<p>the cat sat on the mat. <b>Zebra</b> zebra.</p>\n"
                                       "<table><tr><td>Table table table table</td></tr></table>\n"
                                       "<meta name=\"keywords\" content=\"keyword\">");
    CommandResult r = RunCli({"--list-words", "--min-frequency", "1", page});
    // table 4 x (3 + 1) = 16; zebra (3 + 3) + 3 = 9; keyword 3 + 4 x 1 = 7.
    EXPECT_EQ(r.out, "Rank Value Frequency\n   1   100    4 table\n   2    56    2 zebra\n"
                     "   3    44    1 keyword\n");

    r = RunCli({"--list-words", "--min-frequency", "1", "--no-ignore-short-words",
                "--no-ignore-common-words", "--table-weight", "0", "--bold-weight", "1",
                "--existing-keywords-weight", "0", "--ignore", "Mat", page});
    // The table and the keywords tag are dropped, "mat" is ignored, "the" and "on" now count.
    EXPECT_EQ(r.out, "Rank Value Frequency\n   1   100    2 zebra\n   2    86    2 the\n"
                     "   3    43    1 cat\n   4    43    1 sat\n   5    43    1 on\n");
}

TEST(CliOptions, BeginWithPlacesPhrasesFirst) {
    const std::string page = WriteTemp("orvanta-cli-begin.html",
                                       "<title>Roses and pruning roses</title><p>roses soil</p>");
    const CommandResult r =
        RunCli({"--min-frequency", "1", "--begin-with", "  Rose Garden, Soil Care  ", page});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "<META NAME=\"keywords\" CONTENT=\"rose garden,soil care,roses\">");
}

TEST(CliOptions, SettingsFileGivesTheSavedOptionsAndLaterOptionsChangeThem) {
    const std::string page =
        WriteTemp("orvanta-cli-settings.html", "<title>Alpha beta gamma</title><p>Rose garden</p>");
    // Saved: phrase "Rose Garden", ignore "alpha", 999 keywords (kept unchecked, as the window
    // keeps it until the box is left), no byte limit, min. frequency 1, short words allowed.
    const std::string saved = WriteTemp(
        "orvanta-cli-orv.usr", "\"elsewhere.html\"\r\n\"Rose Garden\"\r\n\"Alpha\"\r\n\"999\"\r\n"
                               "\"\"\r\n0\r\n0\r\n1\r\n1\r\n2\r\n0\r\n1\r\n");
    CommandResult r = RunCli({"--bold-weight", "9", "--settings", saved, page});
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "<META NAME=\"keywords\" CONTENT=\"rose garden,beta,gamma\">");

    r = RunCli({"--settings", saved, "--ignore", "", "--begin-with", "", page});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "<META NAME=\"keywords\" CONTENT=\"alpha,beta,gamma,rose,garden\">");

    // A settings file that cannot be used names its fault (and line); none blocks or runs on.
    const std::string bad =
        WriteTemp("orvanta-cli-bad.usr", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n12\r\n");
    const std::string fifo = std::filesystem::temp_directory_path() / "orvanta-cli-fifo.usr";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> faults[] = {
        {"/nonexistent/orv.usr", "No such file or directory"},
        {"/tmp", "Is a folder"},
        {"/dev/zero", "Not a regular file"},
        {fifo, "Not a regular file"},
        {bad, "line 6: not a number from -1 to 8"},
    };
    for (const auto& [file, fault] : faults) {
        r = RunCli({"--settings", file, page});
        EXPECT_EQ(r.status, 64) << file;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                  "orvanta-cli: cannot read the settings file '" + file + "': " + fault);
    }
    std::filesystem::remove(fifo);
}

TEST(CliJson, OneObjectPerFileWithStructuredResults) {
    const std::string page = WriteTemp("orvanta-cli-json.html",
                                       "<title>Quill \"quill\" inkwell</title>\n<p>inkwell</p>");
    CommandResult r = RunCli({"--format", "json", page, "/nonexistent.html"});
    EXPECT_EQ(r.status, 2);
    const auto newline = r.out.find('\n');
    const std::string first = r.out.substr(0, newline);
    EXPECT_NE(first.find("\"wordsFound\":2"), std::string::npos) << first;
    EXPECT_NE(first.find("\"keywords\":[\"quill\",\"inkwell\"]"), std::string::npos) << first;
    EXPECT_NE(first.find("\"error\":null"), std::string::npos);
    EXPECT_EQ(
        r.out.substr(newline + 1),
        "{\"file\":\"/nonexistent.html\",\"mode\":\"tag\",\"error\":\"Input file not found.\"}\n");

    r = RunCli({"--format=json", "--list-words", page});
    EXPECT_NE(r.out.find(
                  "{\"rank\":1,\"word\":\"quill\",\"value\":100,\"keyValue\":100,\"frequency\":2}"),
              std::string::npos)
        << r.out;
}

TEST(CliFiles, NeverWritesTheDocument) {
    const std::string bytes = "<html><title>Copper kettle copper</title></html>\r\n";
    const std::string page = WriteTemp("orvanta-cli-readonly.html", bytes);
    const auto before = std::filesystem::last_write_time(page);
    RunCli({page});
    RunCli({"--list-words", page});
    RunCli({"--show-existing", page});
    EXPECT_EQ(ReadAll(page), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(page), before);
}

} // namespace

namespace {

// A terminal for the command's standard input: the far end of a new pseudo-terminal. Empty when
// the system has none to give.
struct Terminal {
    int master = -1;
    std::string path;
    Terminal() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
            path = ptsname(master);
        }
    }
    ~Terminal() {
        if (master >= 0) {
            close(master);
        }
    }
};

TEST(CliStandardInput, DashOrAPipeWithoutFilesReadsThePageFromStandardInput) {
    const std::string page =
        WriteTemp("orvanta-cli-stdin.html", "<title>Walnut walnut</title><p>orchard</p>");
    const CommandResult direct = RunCli({page});
    ASSERT_EQ(direct.status, 0);
    const CommandResult dash = RunCliWith({"-"}, page, {});
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out, direct.out);
    EXPECT_EQ(RunCliWith({"--min-frequency", "2"}, page, {}).out, direct.out);

    const CommandResult json = RunCliWith({"--format=json", "-"}, page, {});
    EXPECT_EQ(json.out.rfind("{\"file\":\"-\",\"mode\":\"tag\",", 0), 0u) << json.out;

    // Standard input is read once, however often "-" is given, and headed "-" like a file.
    const CommandResult both = RunCliWith({"-", page, "-"}, page, {});
    EXPECT_EQ(both.status, 0);
    EXPECT_EQ(both.out, "==> - <==\n" + direct.out + "\n==> " + page + " <==\n" + direct.out +
                            "\n==> - <==\n" + direct.out);
}

TEST(CliStandardInput, StandardInputThatCannotBeReadIsThatFilesFailure) {
    const CommandResult r = RunCliWith({"--format=json", "-"}, "/", {});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "orvanta-cli: -: Error when reading the input file: Is a directory\n");
    EXPECT_EQ(r.out, "{\"file\":\"-\",\"mode\":\"tag\",\"error\":\"Error when reading the input "
                     "file: Is a directory\"}\n");
}

TEST(CliStandardInput, NoFileWithATerminalOnStandardInputIsAUsageError) {
    const Terminal terminal;
    if (terminal.path.empty()) {
        GTEST_SKIP() << "no pseudo-terminal";
    }
    const CommandResult r = RunCliWith({}, terminal.path, {});
    EXPECT_EQ(r.status, 64);
    EXPECT_EQ(r.err, "orvanta-cli: no input file given\n"
                     "Try 'orvanta-cli --help' for more information.\n");
}

TEST(CliOutput, AFailedWriteIsReportedAndExitsWithTwo) {
    const std::string page = WriteTemp("orvanta-cli-full.html", "<title>Saffron saffron</title>");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{page}, {"--list-words", page, page}, {"--version"}}) {
        const CommandResult r = RunCliWith(args, "/dev/null", "/dev/full");
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.err, "orvanta-cli: write error: No space left on device\n") << args[0];
    }
}

} // namespace
