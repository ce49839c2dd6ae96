#pragma once

#include "core/messages.h"

#include <string>
#include <string_view>

namespace orvanta::core {

// True when path names an existing file (a folder does not count).
bool IsExistingFile(const std::string& path);

// Whether a run may start on this input file name: it must name a regular file that can be
// opened for reading. On Unreadable, reason (when given) gets the system's description.
enum class InputFileCheck { Ok, NotSpecified, NotFound, Folder, NotRegular, Unreadable };
InputFileCheck CheckInputFile(const std::string& path, std::string* reason = nullptr);
// The message for a failed check; an empty text for Ok.
Message InputFileMessage(InputFileCheck check, const std::string& reason = {});

// Whether a name the user gave for the input document looks right: it needs an extension
// containing "htm" and an existing file. Both "/" and "\" count as folder separators, so a dot
// in a folder name is never taken for the extension.
enum class InputFileNameCheck { Ok, NoExtension, NotHtml, Missing };
InputFileNameCheck CheckInputFileName(std::string_view path);
Message InputFileNameMessage(InputFileNameCheck check);
// The same, except that for Missing a path where something does exist (a folder, a device, a
// file that cannot be opened) gets the message saying what it is.
Message InputFileNameMessage(InputFileNameCheck check, const std::string& path);

} // namespace orvanta::core
