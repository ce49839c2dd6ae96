// Which paths are opened as pages, and the reason given for each that is not. Every reader of a
// page or settings file goes through OpenInputFile, so its callers only show that they pass the
// reason on.
#include "engine/reading/input_file_open.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using enum InputOpenFault;

// Opens the path in the child process of a death test and prints what came of it. Run as root,
// who may read anything, the child first drops to nobody, so that a file without read permission
// is refused as it is for a user.
[[noreturn]] void OpenAsAUserAndReport(const std::string& path) {
    if (::geteuid() == 0 && ::setresuid(65534, 65534, 65534) != 0) {
        std::_Exit(3);
    }
    const OpenedInput opened = OpenInputFile(path);
    std::fprintf(stderr, "[%d %s %llu]", static_cast<int>(opened.fault), opened.error.c_str(),
                 static_cast<unsigned long long>(opened.size));
    std::_Exit(opened.file == nullptr ? 1 : 0);
}

// Nothing blocks (a FIFO without a writer) or reads for ever (a device): only regular files open.
TEST(OpenInputFile, OnlyRegularFilesOpenAndEveryOtherPathSaysWhy) {
    const fs::path dir = fs::temp_directory_path() / ("orvanta-open-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "page.html");
    fs::permissions(dir, fs::perms::all);
    ASSERT_EQ(::mkfifo((dir / "fifo.html").c_str(), 0666), 0);
    fs::permissions(dir / "fifo.html", fs::perms::all);
    fs::create_symlink(dir / "loop.html", dir / "loop.html");
    const std::string page = testing::WriteTempFile("<title>page</title>");
    const std::string secret = testing::WriteTempFile("<title>secret</title>");
    ASSERT_EQ(::chmod(secret.c_str(), 0), 0);
    const struct {
        std::string path;
        InputOpenFault fault;
        std::string error; // then the size, which only an opened file has
    } rows[] = {
        {page, None, " 19"},
        {"/dev/zero", NotRegular, "Not a regular file 0"},
        {"/dev/urandom", NotRegular, "Not a regular file 0"},
        {(dir / "fifo.html").string(), NotRegular, "Not a regular file 0"},
        {(dir / "page.html").string(), Folder, "Is a folder 0"},
        {(dir / "loop.html").string(), Unreadable, "Too many levels of symbolic links 0"},
        {secret, Unreadable, "Permission denied 0"},
        {(dir / "missing.html").string(), NotFound, "No such file or directory 0"},
        {page + "/page.html", NotFound, "Not a directory 0"},
        {"", NotFound, "No such file or directory 0"},
    };
    for (const auto& r : rows) {
        const std::string report =
            "\\[" + std::to_string(static_cast<int>(r.fault)) + " " + r.error + "\\]";
        EXPECT_EXIT(OpenAsAUserAndReport(r.path), ::testing::ExitedWithCode(r.fault != None),
                    report)
            << r.path;
    }
    fs::remove_all(dir);
}

TEST(OpenInputFile, LineTooLongErrorShowsWholeMebibytes) {
    EXPECT_EQ(LineTooLongError(2, std::size_t{1} << 20), "Line 2 is longer than 1 MiB");
    EXPECT_EQ(LineTooLongError(7, kMaxLineBytes), "Line 7 is longer than 256 MiB");
}

} // namespace
} // namespace orvanta
