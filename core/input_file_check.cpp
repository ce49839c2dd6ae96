#include "core/input_file_check.h"

#include "engine/reading/input_file_open.h"
#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <filesystem>
#include <system_error>

namespace orvanta::core {

bool IsExistingFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

InputFileCheck CheckInputFile(const std::string& path, std::string* reason) {
    if (path.empty()) {
        return InputFileCheck::NotSpecified;
    }
    // Opened as a run opens it, so the check and the run agree on what can be read.
    const OpenedInput input = OpenInputFile(path);
    if (input.file != nullptr) {
        std::fclose(input.file);
    }
    if (reason != nullptr) {
        *reason = input.error;
    }
    switch (input.fault) {
    case InputOpenFault::None:
        return InputFileCheck::Ok;
    case InputOpenFault::NotFound:
        return InputFileCheck::NotFound;
    case InputOpenFault::Folder:
        return InputFileCheck::Folder;
    case InputOpenFault::NotRegular:
        return InputFileCheck::NotRegular;
    case InputOpenFault::Unreadable:
        break;
    }
    return InputFileCheck::Unreadable;
}

Message InputFileMessage(InputFileCheck check, const std::string& reason) {
    switch (check) {
    case InputFileCheck::NotSpecified:
        return {"Input file not specified.", "Error", MessageIcon::Warning};
    case InputFileCheck::NotFound:
        return {"Input file not found.", "File not found", MessageIcon::Warning};
    case InputFileCheck::Folder:
        return {"Input file is a folder, not a file.", "Invalid input", MessageIcon::Warning};
    case InputFileCheck::NotRegular:
        return {"Input file is not a regular file (a device, pipe or socket cannot be read).",
                "Invalid input", MessageIcon::Warning};
    case InputFileCheck::Unreadable:
        return {"Input file cannot be read: " + reason, "Error", MessageIcon::Warning};
    case InputFileCheck::Ok:
        break;
    }
    return {};
}

InputFileNameCheck CheckInputFileName(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
        return InputFileNameCheck::NoExtension;
    }
    std::u32string extension = text::FromHostText(path.substr(dot + 1));
    text::LowerCaseInPlace(extension);
    if (extension.find(U"htm") == std::u32string::npos) {
        return InputFileNameCheck::NotHtml;
    }
    if (!IsExistingFile(std::string(path))) {
        return InputFileNameCheck::Missing;
    }
    return InputFileNameCheck::Ok;
}

Message InputFileNameMessage(InputFileNameCheck check) {
    switch (check) {
    case InputFileNameCheck::NoExtension:
        return {"Invalid input file specification", "Invalid input", MessageIcon::Warning};
    case InputFileNameCheck::NotHtml:
        return {"Input file must have .htm or .html extension.", "Invalid input",
                MessageIcon::None};
    case InputFileNameCheck::Missing:
        return {"Input file does not exist.", "File not found", MessageIcon::Warning};
    case InputFileNameCheck::Ok:
        break;
    }
    return {};
}

Message InputFileNameMessage(InputFileNameCheck check, const std::string& path) {
    if (check == InputFileNameCheck::Missing) {
        std::string reason;
        const InputFileCheck found = CheckInputFile(path, &reason);
        if (found != InputFileCheck::NotFound && found != InputFileCheck::Ok) {
            return InputFileMessage(found, reason);
        }
    }
    return InputFileNameMessage(check);
}

} // namespace orvanta::core
