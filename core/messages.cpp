#include "core/messages.h"

#include <new>

namespace orvanta::core {

std::string WordsFoundCaption(std::int64_t wordCount) {
    return "Number of words found: " + std::to_string(wordCount);
}

std::string PageLanguageCaption(PageLanguage language) {
    const std::string_view code = LanguageCode(language);
    return "Page language: " + std::string(code.empty() ? "none" : code);
}

std::string StoppedLine(std::int64_t wordsIdentified) {
    return "\r\nStopped with " + std::to_string(wordsIdentified) + " words identified.";
}

Message ReadErrorMessage(const std::string& reason) {
    return {"Error when reading the input file: " + reason, "Error", MessageIcon::Warning};
}

Message NotLocalFileMessage(const std::string& address) {
    return {"Only a file on this computer can be opened, not " + address + ".", "Invalid input",
            MessageIcon::Warning};
}

std::string ExceptionReason(const std::exception& error) {
    return dynamic_cast<const std::bad_alloc*>(&error) != nullptr ? "Out of memory" : error.what();
}

Message OutputErrorMessage(const std::string& reason) {
    return {"Error when composing the output: " + reason, "Error", MessageIcon::Warning};
}

Message SaveSettingsErrorMessage(const std::string& reason) {
    return {"Error when attempting to save the state: " + reason, "Save state",
            MessageIcon::Warning};
}

} // namespace orvanta::core
