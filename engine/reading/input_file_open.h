#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace orvanta {

// Why a page could not be opened.
enum class InputOpenFault { None, NotFound, Folder, NotRegular, Unreadable };

struct OpenedInput {
    std::FILE* file = nullptr; // owned by the caller; null on a fault
    // The file's size when it was opened: a reader stops there, so a file that keeps growing
    // (or a pseudo-file that claims to be empty) never makes a read go on for ever.
    std::uint64_t size = 0;
    InputOpenFault fault = InputOpenFault::None;
    std::string error; // the reason for the user, in the style of the system's descriptions
};

// Opens a page for reading. Only a regular file is read: a folder, FIFO, socket or device is
// refused without blocking (the file is opened non-blocking and checked before any read).
OpenedInput OpenInputFile(const std::string& path);

// The longest line a reader accepts, in bytes; a longer line is reported, never swallowed, so a
// run's memory stays bounded whatever the page holds.
inline constexpr std::size_t kMaxLineBytes = std::size_t{256} << 20;

// "Line N is longer than 256 MiB" (the limit given in bytes is shown in MiB when it is whole).
std::string LineTooLongError(std::int64_t lineNumber, std::size_t limit);

} // namespace orvanta
