#include "core/state_file.h"

#include "engine/line_reader.h"
#include "util/number_reading.h"
#include "util/string_utils.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvanta::core {

namespace {

constexpr std::size_t kLineCount = 12;
constexpr std::string_view kLineEnd = "\r\n";

// A text box holds one line; a line break inside a value would shift every later line.
std::string OneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

void AppendQuoted(std::string& out, const std::string& text) {
    out += '"';
    out += OneLine(text);
    out += '"';
    out += kLineEnd;
}

void AppendNumber(std::string& out, int value) {
    out += std::to_string(value);
    out += kLineEnd;
}

// Lines may end in CR LF, CR or LF; the last line may lack its end; a byte-order mark goes.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    LineReader reader;
    if (!reader.open(path)) {
        return false;
    }
    std::string line;
    while (reader.next(line)) {
        lines.push_back(line);
    }
    return reader.error().empty();
}

// The format has no escape for a double quote inside a value, so the value is whatever stands
// between the first and the last quote of its line; that keeps inner quotes intact.
std::string ReadText(const std::string& line) {
    const auto first = line.find('"');
    if (first == std::string::npos) {
        return line;
    }
    const auto last = line.rfind('"');
    if (last == first) {
        return line.substr(first + 1);
    }
    return line.substr(first + 1, last - first - 1);
}

bool ReadIndex(std::string_view line, int lastIndex, int& value) {
    line = text::TrimSpaces(line);
    if (!line.empty() && line.front() == '+') {
        line.remove_prefix(1);
    }
    int parsed = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), parsed);
    if (line.empty() || ec != std::errc() || end != line.data() + line.size()) {
        return false;
    }
    // -1 is a list with nothing selected, which the lists allow.
    if (parsed < -1 || parsed > lastIndex) {
        return false;
    }
    value = parsed;
    return true;
}

bool ReadCheck(const std::string& line, int& value) {
    const double number = text::ReadLeadingNumber(line);
    if (number < -0.5 || number > 2.5) {
        return false;
    }
    const int rounded = text::RoundToInt32(number);
    if (rounded < 0 || rounded > 2) {
        return false;
    }
    value = rounded;
    return true;
}

std::string SystemError(int error) {
    return std::strerror(error);
}

bool WriteAll(int fd, std::string_view data, std::string& error) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = SystemError(errno);
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string FormatStateFile(const UserSettings& settings) {
    std::string out;
    AppendQuoted(out, settings.inputFile);
    AppendQuoted(out, settings.beginMetaTagWith);
    AppendQuoted(out, settings.wordsToIgnore);
    AppendQuoted(out, settings.maxKeywordsText);
    AppendQuoted(out, settings.maxBytesText);
    AppendNumber(out, settings.shortWordSizeIndex);
    AppendNumber(out, settings.minFrequencyIndex);
    AppendNumber(out, settings.tableWeightIndex);
    AppendNumber(out, settings.existingKeywordsWeightIndex);
    AppendNumber(out, settings.boldWeightIndex);
    AppendNumber(out, settings.ignoreShortWords);
    AppendNumber(out, settings.ignoreCommonWords);
    return out;
}

bool LoadStateFile(const std::string& path, UserSettings& settings) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines) || lines.size() < kLineCount) {
        return false;
    }
    settings.inputFile = ReadText(lines[0]);
    settings.beginMetaTagWith = ReadText(lines[1]);
    settings.wordsToIgnore = ReadText(lines[2]);
    settings.maxKeywordsText = ReadText(lines[3]);
    settings.maxBytesText = ReadText(lines[4]);

    const std::array<std::pair<int*, int>, 5> lists = {{
        {&settings.shortWordSizeIndex, kLastShortWordSizeIndex},
        {&settings.minFrequencyIndex, kLastMinFrequencyIndex},
        {&settings.tableWeightIndex, kLastTableWeightIndex},
        {&settings.existingKeywordsWeightIndex, kLastExistingKeywordsWeightIndex},
        {&settings.boldWeightIndex, kLastBoldWeightIndex},
    }};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (!ReadIndex(lines[5 + i], lists[i].second, *lists[i].first)) {
            return false;
        }
    }
    return ReadCheck(lines[10], settings.ignoreShortWords) &&
           ReadCheck(lines[11], settings.ignoreCommonWords);
}

namespace {

bool MakeFolder(const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
    }
    return true;
}

} // namespace

bool SaveStateFile(const std::string& path, const UserSettings& settings, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!MakeFolder(folder, error)) {
        return false;
    }
    const std::string temp = (folder / (target.filename().string() + ".XXXXXX")).string();
    std::vector<char> tempName(temp.begin(), temp.end());
    tempName.push_back('\0');
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    // mkstemp makes the file private; a settings file is as readable as any file the user makes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = WriteAll(fd, FormatStateFile(settings), error);
    if (ok && ::fsync(fd) != 0) {
        error = SystemError(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = SystemError(errno);
        ok = false;
    }
    if (ok && ::rename(tempName.data(), path.c_str()) != 0) {
        error = SystemError(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(tempName.data());
    }
    return ok;
}

} // namespace orvanta::core
