#pragma once

#include "core/user_settings.h"

#include <string>

namespace orvanta::core {

// The settings file "orv.usr": twelve lines, each ended by CR LF, in this order: the input file,
// the begin-tag phrases, the words to ignore, the two limit texts (each text in double quotes),
// the five list selection indexes and the two check values (short words, then common words).
// largeWindow is never stored. Texts are UTF-8.

// Reads the file into settings. Returns false when the file is missing, short or malformed; the
// fields read before the failure may have been changed, so a caller that gets false applies the
// defaults.
bool LoadStateFile(const std::string& path, UserSettings& settings);

// Writes the file through a temporary file in the same folder that then replaces it, so a failed
// save leaves the previous file as it was. Creates the folder when it is missing. On failure
// returns false and sets error to the system's description of what went wrong.
bool SaveStateFile(const std::string& path, const UserSettings& settings, std::string& error);

// The exact file content for these settings.
std::string FormatStateFile(const UserSettings& settings);

} // namespace orvanta::core
