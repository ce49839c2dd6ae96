#include "ui/program_arguments.h"

namespace orvanta::ui {
namespace {

bool IsOption(const std::string& argument) {
    return argument.starts_with('-');
}

} // namespace

InformationRequest FindInformationRequest(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument == "-h" || argument == "--help") {
            return InformationRequest::Help;
        }
        if (argument == "-V" || argument == "--version") {
            return InformationRequest::Version;
        }
    }
    return InformationRequest::None;
}

std::string HelpText() {
    return R"(Usage: orvanta [OPTION]... [FILE]
Opens the Orvanta window, which writes the keywords meta tag of an HTML page.
FILE is put in the window's input box; while a window is already running, FILE
is handed to it instead.

  -h, --help     show this help and exit
  -V, --version  show the version and exit
  --             ends the options: the next argument is FILE, even when it
                 starts with -

Qt's own options, such as -platform NAME and -style NAME, work too.
The manual page: man orvanta. The same analysis without a window: orvanta-cli.
)";
}

std::string VersionText() {
    return std::string("orvanta ") + ORVANTA_VERSION + "\n";
}

std::string FirstUnknownOption(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (IsOption(argument)) {
            return argument;
        }
    }
    return {};
}

std::string UnknownOptionText(const std::string& option) {
    return "orvanta: unknown option '" + option +
           "'\nUsage: orvanta [OPTION]... [FILE]\nTry 'orvanta --help' for more information.\n";
}

} // namespace orvanta::ui
