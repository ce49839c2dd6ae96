#pragma once

#include "core/user_settings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvanta::core {

// The settings file "orv.usr": twelve lines, each ended by CR LF, in this order: the input file,
// the begin-tag phrases, the words to ignore, the two limit texts (each text in double quotes),
// the five list selection indexes and the two check values (short words, then common words).
// largeWindow is never stored. Texts are UTF-8.

// Texts are kept byte for byte as read, so a value that is not UTF-8 is written back unchanged.

// The largest settings file read; a larger one is refused as a whole.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// A value that could not be read and was given its default.
struct SettingsFileFault {
    int line = 0; // 1-based
    std::string what;
};

struct SettingsFileRead {
    bool found = false; // false: no file could be read (see error); every field is a default
    std::string error;  // why the file could not be read: the system's description or the fault
    std::vector<SettingsFileFault> faults;
    bool complete() const { return found && faults.empty(); }
    // "Is a folder", "line 6: ..." (the first fault): empty when complete.
    std::string firstFault() const;
};

// Reads the file into settings: only a regular file of at most kMaxSettingsFileBytes (a folder,
// FIFO or device is never opened for a blocking or endless read). A file with a UTF-16
// byte-order mark is read as UTF-16. Each value that is missing or cannot be read gets its
// default (texts empty, see ApplyDefaults) and a fault; every other value is kept. largeWindow is
// left as it was.
SettingsFileRead ReadSettingsFile(const std::string& path, UserSettings& settings);

// ReadSettingsFile, true when the file was read without a fault.
bool LoadSettingsFile(const std::string& path, UserSettings& settings);

// Writes the file through a temporary file in the same folder that then replaces it, so a failed
// save leaves the previous file as it was. A symbolic link is followed: its target is replaced,
// the link stays. Only a regular file (or nothing) is replaced. Creates the folder when it is
// missing. On failure returns false and sets error to the system's description of what went wrong.
bool SaveSettingsFile(const std::string& path, const UserSettings& settings, std::string& error);

// The exact file content for these settings.
std::string FormatSettingsFile(const UserSettings& settings);

} // namespace orvanta::core
