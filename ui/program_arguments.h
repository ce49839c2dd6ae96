#pragma once

#include <string>
#include <vector>

namespace orvanta::ui {

// What the window program's own options ask for. They are answered on standard output before any
// window (or display) is needed.
enum class InformationRequest { None, Help, Version };

// Looks at the arguments (the program's name excluded) before Qt takes out its own: -h or --help,
// -V or --version, up to a "--", which ends the options.
InformationRequest FindInformationRequest(const std::vector<std::string>& arguments);

std::string HelpText();
std::string VersionText();

// The first of the arguments Qt left (the program's name excluded) that looks like an option
// though the program has none besides the two above; empty when there is none. After "--" every
// argument is a file.
std::string FirstUnknownOption(const std::vector<std::string>& arguments);

// What standard error says about it: the option, the usage line and where the help is.
std::string UnknownOptionText(const std::string& option);

} // namespace orvanta::ui
