#include "core/state_file.h"
#include "test_support.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace orvanta::core {
namespace {

namespace fs = std::filesystem;

using testing::ReadFile;
using testing::WriteFile;

const std::string kDefaultsFile = "\"\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n"
                                  "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n";

// Every test works in a fresh folder of its own, removed afterwards.
class StateFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("orvanta-state-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = (dir / "orv.usr").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string file;
};

TEST_F(StateFile, DefaultsGoIntoAFolderMadeForThem) {
    const std::string nested = (dir / "config/orvanta/orv.usr").string();
    UserSettings loaded;
    EXPECT_FALSE(LoadStateFile(nested, loaded));
    std::string error;
    ASSERT_TRUE(SaveStateFile(nested, UserSettings{}, error)) << error;
    EXPECT_EQ(ReadFile(nested), kDefaultsFile);
}

TEST_F(StateFile, TextsWithQuotesCommasAndAccentsComeBack) {
    UserSettings saved;
    saved.inputFile = "/home/eva/my \"best\" page.html";
    saved.beginMetaTagWith = "rose garden, soil care";
    saved.wordsToIgnore = "caf\xC3\xA9,na\xC3\xAFve";
    saved.maxBytesText = "";
    saved.shortWordSizeIndex = 8;
    saved.ignoreShortWords = 0;
    saved.ignoreCommonWords = 2;
    saved.largeWindow = 1;
    std::string error;
    ASSERT_TRUE(SaveStateFile(file, saved, error)) << error;
    UserSettings loaded;
    ASSERT_TRUE(LoadStateFile(file, loaded));
    EXPECT_EQ(FormatStateFile(loaded), FormatStateFile(saved));
    EXPECT_EQ(loaded.largeWindow, 0); // never stored
}

// Whatever the file holds or is, reading ends at once: a value that cannot be read gets its
// default and a fault naming its line, every other value is kept. The five list indexes and two
// check values follow a fixed head; "read" is the short word size index and the short words check.
// What cannot be opened (a FIFO, a link loop) is refused as a run refuses it, with its reason.
TEST_F(StateFile, ReadingRules) {
    const auto numbers = [](std::string list) {
        std::replace(list.begin(), list.end(), ' ', '\n');
        return "\"a.html\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n" + list + "\n";
    };
    const std::string good = "\"a.html\"\r\n\"x\"\r\n\"w\"\r\n\"12\"\r\n\"\"\r\n"
                             "4\r\n1\r\n1\r\n1\r\n2\r\n0\r\n1\r\n";
    fs::create_directory(dir / "folder");
    struct Row {
        std::string name;
        std::string content; // written to orv.usr when path is empty
        std::string path;
        std::string fault; // firstFault()
        std::string inputFile;
        std::string read;
    };
    const Row rows[] = {
        {"complete", good, "", "", "a.html", "4 0"},
        {"no selection", numbers("-1 1 1 1 2 1 1"), "", "", "a.html", "-1 1"},
        {"check 1.5 rounds to 2", numbers("2 1 1 1 2 1.5 1"), "", "", "a.html", "2 2"},
        {"check 0.5 rounds to 0", numbers("2 1 1 1 2 0.5 1"), "", "", "a.html", "2 0"},
        {"check abc reads 0", numbers("2 1 1 1 2 abc 1"), "", "", "a.html", "2 0"},
        {"unquoted text, LF line ends, no final end",
         "a.html\n\"\"\n\"\"\n\"50\"\n\"500\"\n2\n1\n1\n1\n2\n1\n1", "", "", "a.html", "2 1"},
        {"byte-order mark and CR line ends",
         "\xEF\xBB\xBF\"a.html\"\r\"\"\r\"\"\r\"50\"\r\"500\"\r2\r1\r1\r1\r2\r1\r1\r", "", "",
         "a.html", "2 1"},
        {"stray quotes",
         "a \"b.html\r\n\"\r\n\"\"\"\r\n\"\"\r\n\"\"\r\n3\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1", "", "",
         "b.html", "3 1"},
        {"UTF-16", testing::Utf16(std::u16string(good.begin(), good.end()), false), "", "",
         "a.html", "4 0"},
        {"eleven lines", numbers("2 1 1 1 2 1"), "", "line 12: missing", "a.html", "2 1"},
        {"index past the list", numbers("9 1 1 1 2 1 1"), "", "line 6: not a number from -1 to 8",
         "a.html", "2 1"},
        {"index not a number", numbers("two 1 1 1 2 1 1"), "", "line 6: not a number from -1 to 8",
         "a.html", "2 1"},
        {"check 3 is out of range", numbers("2 1 1 1 2 3 1"), "",
         "line 11: not a check value 0, 1 or 2", "a.html", "2 1"},
        {"empty", "", "", "line 1: missing", "", "2 1"},
        {"truncated", good.substr(0, good.find("4\r\n")), "", "line 6: missing", "a.html", "2 1"},
        {"binary", std::string("\"a.html\"\r\n\"\0\x01\"\r\n\xFF\0", 12), "",
         "line 2: not a text (holds a NUL byte)", "a.html", "2 1"},
        {"10 MB", std::string(10 << 20, 'x'), "", "Larger than 1 MiB", "", "2 1"},
        {"folder", "", (dir / "folder").string(), "Is a folder", "", "2 1"},
        {"device", "", "/dev/zero", "Not a regular file", "", "2 1"},
        {"missing", "", (dir / "missing").string(), "No such file or directory", "", "2 1"},
    };
    for (const Row& r : rows) {
        if (r.path.empty()) {
            WriteFile(file, r.content);
        }
        UserSettings loaded;
        loaded.inputFile = "before";
        const StateFileRead read = ReadStateFile(r.path.empty() ? file : r.path, loaded);
        EXPECT_EQ(read.firstFault(), r.fault) << r.name;
        EXPECT_EQ(loaded.inputFile, r.inputFile) << r.name;
        EXPECT_EQ(std::to_string(loaded.shortWordSizeIndex) + " " +
                      std::to_string(loaded.ignoreShortWords),
                  r.read)
            << r.name;
    }
}

// A save goes through a link to the file it names, and never replaces anything but a file.
TEST_F(StateFile, SaveFollowsALinkAndReplacesOnlyAFile) {
    const fs::path real = dir / "real.usr";
    WriteFile(real, "old");
    fs::create_symlink(real, file);
    std::string error;
    ASSERT_TRUE(SaveStateFile(file, UserSettings{}, error)) << error;
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadFile(real), kDefaultsFile);

    const fs::path deviceLink = dir / "null.usr";
    fs::create_symlink("/dev/null", deviceLink);
    EXPECT_FALSE(SaveStateFile(deviceLink.string(), UserSettings{}, error));
    EXPECT_EQ(error, "Not a regular file");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::create_directory(dir / "folder.usr");
    EXPECT_FALSE(SaveStateFile((dir / "folder.usr").string(), UserSettings{}, error));
    EXPECT_EQ(error, "Is a folder");
}

TEST_F(StateFile, FailedSaveLeavesThePreviousFileIntact) {
    WriteFile(file, kDefaultsFile);

    // A file size limit makes the write itself fail, whoever runs the test.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    UserSettings settings;
    settings.wordsToIgnore = std::string(200, 'w');
    std::string error;
    const bool ok = SaveStateFile(file, settings, error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFile(file), kDefaultsFile);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace orvanta::core
