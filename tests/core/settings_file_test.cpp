#include "core/settings_file.h"
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
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("orvanta-settings-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = (dir / "orv.usr").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string file;
};

TEST_F(SettingsFile, DefaultsGoIntoAFolderMadeForThem) {
    const std::string nested = (dir / "config/orvanta/orv.usr").string();
    UserSettings loaded;
    EXPECT_FALSE(LoadSettingsFile(nested, loaded));
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(nested, UserSettings{}, error)) << error;
    EXPECT_EQ(ReadFile(nested), kDefaultsFile);
}

TEST_F(SettingsFile, TextsWithQuotesCommasAndAccentsComeBack) {
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
    ASSERT_TRUE(SaveSettingsFile(file, saved, error)) << error;
    UserSettings loaded;
    ASSERT_TRUE(LoadSettingsFile(file, loaded));
    EXPECT_EQ(FormatSettingsFile(loaded), FormatSettingsFile(saved));
    EXPECT_EQ(loaded.largeWindow, 0); // never stored
}

// Whatever the file holds or is, reading ends at once: a value that cannot be read gets its
// default and a fault naming its line, every other value is kept. The five list indexes and two
// check values follow a fixed head.
// What cannot be opened is refused with the reason the run's opening gives (a folder here).
TEST_F(SettingsFile, ReadingRules) {
    const auto numbers = [](std::string list) {
        std::replace(list.begin(), list.end(), ' ', '\n');
        return "\"a.html\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n" + list + "\n";
    };
    const std::string good = "\"a.html\"\r\n\"x\"\r\n\"w\"\r\n\"12\"\r\n\"\"\r\n"
                             "4\r\n1\r\n1\r\n1\r\n2\r\n0\r\n1\r\n";
    const struct {
        std::string content; // written to orv.usr; the folder row makes orv.usr a folder
        std::string fault;   // firstFault()
        std::string read;    // input file, short word size index, short words check
    } rows[] = {
        {good, "", "a.html 4 0"},
        {numbers("-1 1 1 1 2 1 1"), "", "a.html -1 1"}, // no selection
        {numbers("+3 1 1 1 2 1 1"), "", "a.html 3 1"},  // a plus sign before an index
        {numbers("2 1 1 1 2 1.5 1"), "", "a.html 2 2"}, // check values round half to even
        {numbers("2 1 1 1 2 0.5 1"), "", "a.html 2 0"},
        {numbers("2 1 1 1 2 abc 1"), "", "a.html 2 0"},
        // Unquoted text, LF line ends, no final end; a byte-order mark and CR line ends.
        {"a.html\n\"\"\n\"\"\n\"50\"\n\"500\"\n2\n1\n1\n1\n2\n1\n1", "", "a.html 2 1"},
        {"\xEF\xBB\xBF\"a.html\"\r\"\"\r\"\"\r\"50\"\r\"500\"\r2\r1\r1\r1\r2\r1\r1\r", "",
         "a.html 2 1"},
        {"a \"b.html\r\n\"\r\n\"\"\"\r\n\"\"\r\n\"\"\r\n3\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1", "",
         "b.html 3 1"}, // stray quotes
        {testing::Utf16(std::u16string(good.begin(), good.end()), false), "", "a.html 4 0"},
        {numbers("2 1 1 1 2 1"), "line 12: missing", "a.html 2 1"},
        {numbers("9 1 1 1 2 1 1"), "line 6: not a number from -1 to 8", "a.html 2 1"},
        {numbers("two 1 1 1 2 1 1"), "line 6: not a number from -1 to 8", "a.html 2 1"},
        {numbers("2 1 1 1 2 3 1"), "line 11: not a check value 0, 1 or 2", "a.html 2 1"},
        {"", "line 1: missing", " 2 1"},
        {good.substr(0, good.find("4\r\n")), "line 6: missing", "a.html 2 1"},
        {std::string("\"a.html\"\r\n\"\0\x01\"\r\n\xFF\0", 12),
         "line 2: not a text (holds a NUL byte)", "a.html 2 1"},
        {std::string(10 << 20, 'x'), "Larger than 1 MiB", " 2 1"},
        {"folder", "Is a folder", " 2 1"},
    };
    for (const auto& r : rows) {
        if (r.content == "folder") {
            fs::remove(file);
            fs::create_directory(file);
        } else {
            WriteFile(file, r.content);
        }
        UserSettings loaded;
        loaded.inputFile = "before";
        EXPECT_EQ(ReadSettingsFile(file, loaded).firstFault(), r.fault) << r.content.substr(0, 40);
        EXPECT_EQ(loaded.inputFile + " " + std::to_string(loaded.shortWordSizeIndex) + " " +
                      std::to_string(loaded.ignoreShortWords),
                  r.read)
            << r.content.substr(0, 40);
    }
}

// A save goes through a link to the file it names, and never replaces anything but a file.
TEST_F(SettingsFile, SaveFollowsALinkAndReplacesOnlyAFile) {
    const fs::path real = dir / "real.usr";
    WriteFile(real, "old");
    fs::create_symlink(real, file);
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(file, UserSettings{}, error)) << error;
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadFile(real), kDefaultsFile);

    const fs::path deviceLink = dir / "null.usr";
    fs::create_symlink("/dev/null", deviceLink);
    EXPECT_FALSE(SaveSettingsFile(deviceLink.string(), UserSettings{}, error));
    EXPECT_EQ(error, "Not a regular file");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::create_directory(dir / "folder.usr");
    EXPECT_FALSE(SaveSettingsFile((dir / "folder.usr").string(), UserSettings{}, error));
    EXPECT_EQ(error, "Is a folder");
}

TEST_F(SettingsFile, FailedSaveLeavesThePreviousFileIntact) {
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
    const bool ok = SaveSettingsFile(file, settings, error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFile(file), kDefaultsFile);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace orvanta::core
