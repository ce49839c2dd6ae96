#pragma once

#include "engine/words/page_language.h"

#include <cstdint>
#include <exception>
#include <string>

namespace orvanta::core {

enum class MessageIcon { None, Warning };

// A message for the user: box text, title and icon (the command prints the text only).
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

// The run button's caption while no run is under way, and during a run.
inline constexpr const char* kListWordsCaption = "List words";
inline constexpr const char* kStopCaption = "Stop";
// The output box while the output is composed.
inline constexpr const char* kProcessingText = "Processing ";

// "Number of words found: N"
std::string WordsFoundCaption(std::int64_t wordCount);

// "Page language: de", or "Page language: none" when only the English common words apply.
std::string PageLanguageCaption(PageLanguage language);

// The line appended to the progress display when a run is stopped, with its leading CR LF.
std::string StoppedLine(std::int64_t wordsIdentified);

// A run that could not read its document; reason is the system's description.
Message ReadErrorMessage(const std::string& reason);

// A page dropped on the window that is not a file on this computer; address is as dropped.
Message NotLocalFileMessage(const std::string& address);

// What went wrong, for the user: "Out of memory" for an allocation failure, otherwise the
// exception's own description.
std::string ExceptionReason(const std::exception& error);

// The output of a finished run could not be made (memory, most likely).
Message OutputErrorMessage(const std::string& reason);

// A settings file that could not be saved; reason is the system's description.
Message SaveSettingsErrorMessage(const std::string& reason);

} // namespace orvanta::core
