#pragma once

#include <string>

namespace orvanta::cli {

// The name that stands for standard input among the files, and under which its page is reported.
inline constexpr const char* kStandardInputName = "-";

// The page read from standard input, kept in a temporary file so that it is analysed like any
// other page. The file has no name in any folder from the start: it goes when the process ends,
// however it ends, and is reached through the process's own descriptor.
class StandardInputPage {
public:
    StandardInputPage() = default;
    ~StandardInputPage();
    StandardInputPage(const StandardInputPage&) = delete;
    StandardInputPage& operator=(const StandardInputPage&) = delete;

    // Reads standard input to its end. False, with the system's description in error, when it
    // cannot be read or kept; reading again after a success does nothing.
    bool read(std::string& error);

    // A path that opens the page read, valid while this object lives.
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace orvanta::cli
