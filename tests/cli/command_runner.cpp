#include "command_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace clitest {
namespace {

std::string TempBase() {
    return (std::filesystem::temp_directory_path() /
            ("orvanta-cli-out-" + std::to_string(getpid())))
        .string();
}

int ExitStatus(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

} // namespace

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

CommandResult RunCliWith(const std::vector<std::string>& args, const std::string& inPath,
                         std::string outPath) {
    const std::string tempOut = TempBase();
    if (outPath.empty()) {
        outPath = tempOut;
    }
    const std::string errPath = tempOut + ".err";
    std::string command = Quote(ORVANTA_CLI_PATH);
    for (const auto& a : args) {
        command += " " + Quote(a);
    }
    command += " <" + Quote(inPath) + " >" + Quote(outPath) + " 2>" + Quote(errPath);
    CommandResult r;
    r.status = ExitStatus(command);
    r.out = outPath == tempOut ? ReadAll(outPath) : std::string();
    r.err = ReadAll(errPath);
    std::filesystem::remove(tempOut);
    std::filesystem::remove(errPath);
    return r;
}

CommandResult RunCli(const std::vector<std::string>& args) {
    return RunCliWith(args, "/dev/null", {});
}

CommandResult RunCliLine(const std::string& shellArguments, const std::string& shellPrefix) {
    const std::string base = TempBase();
    CommandResult r;
    r.status = ExitStatus(shellPrefix + Quote(ORVANTA_CLI_PATH) + " " + shellArguments +
                          " </dev/null >" + Quote(base) + " 2>" + Quote(base + ".err"));
    r.out = ReadAll(base);
    r.err = ReadAll(base + ".err");
    std::filesystem::remove(base);
    std::filesystem::remove(base + ".err");
    return r;
}

} // namespace clitest
