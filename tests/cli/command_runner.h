#pragma once

#include <string>
#include <vector>

// Runs orvanta-cli as a user would, from a shell, and collects what it printed.
namespace clitest {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path);
std::string Quote(const std::string& s);
// Writes bytes to a file of that name in the temporary folder; returns its path.
std::string WriteTemp(const std::string& name, const std::string& bytes);

// Runs the command with standard input read from inPath and standard output written to outPath
// (a temporary file when empty, whose content the result then holds).
CommandResult RunCliWith(const std::vector<std::string>& args, const std::string& inPath,
                         std::string outPath);
// Runs the command on these arguments with standard input from /dev/null.
CommandResult RunCli(const std::vector<std::string>& args);
// Runs the command on arguments already written as shell words, after shellPrefix (a `ulimit`,
// another user's identity).
CommandResult RunCliLine(const std::string& shellArguments, const std::string& shellPrefix = "");

} // namespace clitest
