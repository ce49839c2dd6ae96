// orvanta-cli on re-encoded real pages and with the page-language option, run as a user would.
#include "command_runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace clitest;

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

fs::path EncodedPages() {
    return fs::path(ORVANTA_TEST_DATA_DIR) / "pages" / "encoded";
}

// The copies of NAME.html: NAME.<encoding or form>.html.
Strings CopiesOf(const std::string& name) {
    Strings copies;
    for (const auto& entry : fs::directory_iterator(EncodedPages())) {
        const std::string file = entry.path().filename().string();
        if (file.starts_with(name + ".") && file != name + ".html") {
            copies.push_back(entry.path().string());
        }
    }
    return copies;
}

// Every re-encoded copy (legacy encoding declared in a meta tag, UTF-16 with a byte-order mark,
// non-ASCII characters written as references) analyses exactly like its UTF-8 original, in each
// mode and under other settings.
TEST(CliRealPages, ReEncodedCopiesAnalyseLikeTheirOriginal) {
    const std::vector<Strings> modes = {
        {},
        {"--list-words"},
        {"--show-existing"},
        {"--list-words", "--no-ignore-common-words", "--no-ignore-short-words", "--min-frequency",
         "1", "--table-weight", "0"},
    };
    int compared = 0;
    for (const std::string name : {"de", "ja", "ko", "ru", "tr", "zh"}) {
        const Strings copies = CopiesOf(name);
        EXPECT_GE(copies.size(), 4u) << name;
        for (const Strings& mode : modes) {
            Strings args = mode;
            args.insert(args.end(), {"--page-language", "none"});
            Strings originalArgs = args;
            originalArgs.push_back((EncodedPages() / (name + ".html")).string());
            const CommandResult original = RunCli(originalArgs);
            ASSERT_EQ(original.status, 0) << name << original.err;
            for (const std::string& copy : copies) {
                Strings copyArgs = args;
                copyArgs.push_back(copy);
                const CommandResult r = RunCli(copyArgs);
                EXPECT_EQ(r.status, 0) << copy << r.err;
                EXPECT_EQ(r.out, original.out) << copy << " " << (mode.empty() ? "" : mode[0]);
                ++compared;
            }
        }
    }
    EXPECT_GE(compared, 100);
}

// What the copies must reproduce: decoded words, not the bytes of another encoding.
TEST(CliRealPages, OriginalsShowTheirTextDecoded) {
    const CommandResult de =
        RunCli({"--list-words", (EncodedPages() / "de.iso-8859-2.html").string()});
    EXPECT_NE(de.out.find(" braeune\n"), std::string::npos) << de.out;
    const CommandResult ko =
        RunCli({"--show-existing", (EncodedPages() / "ko.euc-kr.html").string()});
    EXPECT_EQ(ko.out, "Existing keyword meta tag:\n<meta name=\"keywords\" content=\""
                      "\xED\x94\x84\xEB\xA1\x9C\xEA\xB7\xB8\xEB\x9E\xA8, "
                      "\xEC\x95\x84\xED\x8C\x8C\xEC\xB9\x98, apache\">\n");
}

const std::string kGermanPage =
    "<html lang=\"de\"><title>Brot backen</title>\n"
    "<p>Der Teig wird aus Mehl und Wasser gemacht, aber nicht mit Hefe. Wenn er zu weich ist, "
    "kann man noch etwas Mehl dazu geben; dann ist der Teig auch f&uuml;r das Brot gut.</p>\n"
    "<p>Das Brot wird eine Stunde gebacken.</p>\n";

TEST(CliPageLanguage, StatsLineAndJsonField) {
    const std::string german = WriteTemp("orvanta-real-de.html", kGermanPage);
    CommandResult r = RunCli({"--stats", german});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("\nPage language: de\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.rfind("Number of words found: ", 0), 0u) << r.err;
    EXPECT_EQ(r.out.find("wird"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("teig"), std::string::npos) << r.out;

    r = RunCli({"--format", "json", german});
    EXPECT_NE(r.out.find("\"pageLanguage\":\"de\""), std::string::npos) << r.out;

    const std::string english =
        WriteTemp("orvanta-real-en.html", "<p>The dough is made of flour and water, and then it "
                                          "is baked for an hour by the baker in the oven.</p>");
    r = RunCli({"--stats", "--format", "json", english});
    EXPECT_NE(r.out.find("\"pageLanguage\":null"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Page language: none\n"), std::string::npos) << r.err;
}

TEST(CliPageLanguage, OptionChoosesTheListOrTheVote) {
    const std::string german = WriteTemp("orvanta-real-de2.html", kGermanPage);
    // none: only the English lists, so the German function words are counted.
    CommandResult r = RunCli({"--stats", "--page-language", "none", "--list-words", german});
    EXPECT_NE(r.out.find(" wird\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Page language: none"), std::string::npos);
    // A code is used without a vote, even when the text says otherwise.
    r = RunCli({"--stats", "--page-language=fr", "--list-words", german});
    EXPECT_NE(r.out.find(" wird\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Page language: fr"), std::string::npos);
    const CommandResult auto1 = RunCli({"--page-language", "auto", german});
    const CommandResult de = RunCli({"--page-language", "de", german});
    EXPECT_EQ(auto1.out, de.out);
    EXPECT_EQ(auto1.out, RunCli({german}).out);

    for (const std::string bad : {"xx", "en", "DE", ""}) {
        r = RunCli({"--page-language", bad, german});
        EXPECT_EQ(r.status, 64) << bad;
        EXPECT_NE(r.err.find("--page-language"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(RunCli({german, "--page-language"}).status, 64);
}

} // namespace
