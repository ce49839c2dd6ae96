#include "ui/state_file_format.h"

#include "util/number_reading.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvanta {

namespace {

constexpr std::size_t kLineCount = 12;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

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

// Lines may end in CR LF, CR or LF; the last line may lack its end.
std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            lines.emplace_back(content.substr(start, i - start));
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < content.size()) {
        lines.emplace_back(content.substr(start));
    }
    return lines;
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
    while (!line.empty() && line.front() == ' ') {
        line.remove_prefix(1);
    }
    while (!line.empty() && line.back() == ' ') {
        line.remove_suffix(1);
    }
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

bool ReadFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
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

std::string FormatStateFile(const Settings& settings) {
    std::string out;
    AppendQuoted(out, settings.InputFile);
    AppendQuoted(out, settings.BeginMetaTagWith);
    AppendQuoted(out, settings.WordsToIgnore);
    AppendQuoted(out, settings.MaxNumKeywordsInMetaTag);
    AppendQuoted(out, settings.MaxNumBytesInMetaTag);
    AppendNumber(out, settings.ShortWordSize);
    AppendNumber(out, settings.ThresholdFrequency);
    AppendNumber(out, settings.TableWeight);
    AppendNumber(out, settings.ExistingKeywordsWeight);
    AppendNumber(out, settings.BoldWeight);
    AppendNumber(out, settings.IgnoreShortWords);
    AppendNumber(out, settings.IgnoreCommonWords);
    return out;
}

bool LoadStateFile(const std::string& path, Settings& settings) {
    std::string content;
    if (!ReadFile(path, content)) {
        return false;
    }
    if (content.starts_with(kUtf8Bom)) {
        content.erase(0, kUtf8Bom.size());
    }
    const std::vector<std::string> lines = SplitLines(content);
    if (lines.size() < kLineCount) {
        return false;
    }
    settings.InputFile = ReadText(lines[0]);
    settings.BeginMetaTagWith = ReadText(lines[1]);
    settings.WordsToIgnore = ReadText(lines[2]);
    settings.MaxNumKeywordsInMetaTag = ReadText(lines[3]);
    settings.MaxNumBytesInMetaTag = ReadText(lines[4]);

    const std::array<std::pair<int*, int>, 5> lists = {{
        {&settings.ShortWordSize, kLastShortWordSizeIndex},
        {&settings.ThresholdFrequency, kLastThresholdFrequencyIndex},
        {&settings.TableWeight, kLastTableWeightIndex},
        {&settings.ExistingKeywordsWeight, kLastExistingKeywordsWeightIndex},
        {&settings.BoldWeight, kLastBoldWeightIndex},
    }};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (!ReadIndex(lines[5 + i], lists[i].second, *lists[i].first)) {
            return false;
        }
    }
    return ReadCheck(lines[10], settings.IgnoreShortWords) &&
           ReadCheck(lines[11], settings.IgnoreCommonWords);
}

bool SaveStateFile(const std::string& path, const Settings& settings, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
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

} // namespace orvanta
