#include "core/input_file_check.h"

#include "util/text_codec.h"
#include "util/unicode_lower.h"

#include <filesystem>
#include <system_error>

namespace orvanta::core {

bool IsExistingFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

InputFileCheck CheckInputFile(const std::string& path) {
    if (path.empty()) {
        return InputFileCheck::NotSpecified;
    }
    return IsExistingFile(path) ? InputFileCheck::Ok : InputFileCheck::NotFound;
}

Message InputFileMessage(InputFileCheck check) {
    switch (check) {
    case InputFileCheck::NotSpecified:
        return {"Input file not specified.", "Error", MessageIcon::Warning};
    case InputFileCheck::NotFound:
        return {"Input file not found.", "File not found", MessageIcon::Warning};
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

} // namespace orvanta::core
