#include "core/settings_file.h"

#include "engine/reading/input_file_open.h"
#include "util/number_reading.h"
#include "util/string_utils.h"
#include "util/utf16_decoder.h"

#include <algorithm>
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

std::string SystemError(int error) {
    return std::strerror(error);
}

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

// The whole file, when it is a regular file no larger than the limit.
bool ReadContent(const std::string& path, std::string& content, std::string& error) {
    OpenedInput input = OpenInputFile(path);
    if (input.file == nullptr) {
        error = input.error;
        return false;
    }
    // Read in pieces up to one byte past the limit: a file that grew since it was opened is
    // still caught, and a small file costs a small buffer.
    constexpr std::size_t kPiece = 1 << 16;
    bool fits = input.size <= kMaxSettingsFileBytes;
    while (fits && std::feof(input.file) == 0 && std::ferror(input.file) == 0) {
        const std::size_t had = content.size();
        content.resize(had + kPiece);
        content.resize(had + std::fread(content.data() + had, 1, kPiece, input.file));
        fits = content.size() <= kMaxSettingsFileBytes;
    }
    const bool failed = std::ferror(input.file) != 0;
    std::fclose(input.file);
    if (!fits) {
        error = "Larger than 1 MiB";
        return false;
    }
    if (failed) {
        error = SystemError(EIO);
        return false;
    }
    return true;
}

// A file with a UTF-16 byte-order mark becomes UTF-8; a UTF-8 mark is dropped.
std::string AsUtf8Content(const std::string& content) {
    const std::string_view view(content);
    const bool little = view.starts_with("\xFF\xFE");
    if (little || view.starts_with("\xFE\xFF")) {
        std::string utf8;
        text::Utf16Decoder decoder(!little);
        decoder.feed(view.substr(2), utf8);
        decoder.finish(utf8);
        return utf8;
    }
    return std::string(view.starts_with("\xEF\xBB\xBF") ? view.substr(3) : view);
}

// Lines may end in CR LF, CR or LF; the last line may lack its end.
std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    while (!content.empty() && lines.size() < kLineCount) {
        const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
        lines.emplace_back(content.substr(0, end));
        const std::size_t next = content.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        content.remove_prefix(std::min(next, content.size()));
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

std::string FormatSettingsFile(const UserSettings& settings) {
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

std::string SettingsFileRead::firstFault() const {
    if (!found) {
        return error;
    }
    return faults.empty()
               ? std::string()
               : "line " + std::to_string(faults.front().line) + ": " + faults.front().what;
}

namespace {

// Reads each value from its line into settings; a value that is missing or cannot be read keeps
// what settings held (the default) and adds a fault.
void ReadValues(const std::vector<std::string>& lines, UserSettings& s,
                std::vector<SettingsFileFault>& faults) {
    // Tries one line; false (with a fault) when it is missing.
    const auto present = [&](std::size_t index) {
        if (index < lines.size()) {
            return true;
        }
        faults.push_back({static_cast<int>(index) + 1, "missing"});
        return false;
    };
    const auto fault = [&](std::size_t index, std::string what) {
        faults.push_back({static_cast<int>(index) + 1, std::move(what)});
    };
    const std::array<std::string*, 5> texts = {&s.inputFile, &s.beginMetaTagWith, &s.wordsToIgnore,
                                               &s.maxKeywordsText, &s.maxBytesText};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (present(i) && lines[i].find('\0') != std::string::npos) {
            fault(i, "not a text (holds a NUL byte)");
        } else if (i < lines.size()) {
            *texts[i] = ReadText(lines[i]);
        }
    }
    const std::array<std::pair<int*, int>, 5> lists = {{
        {&s.shortWordSizeIndex, kLastShortWordSizeIndex},
        {&s.minFrequencyIndex, kLastMinFrequencyIndex},
        {&s.tableWeightIndex, kLastTableWeightIndex},
        {&s.existingKeywordsWeightIndex, kLastExistingKeywordsWeightIndex},
        {&s.boldWeightIndex, kLastBoldWeightIndex},
    }};
    for (std::size_t i = 0, index = 5; i < lists.size(); ++i, ++index) {
        if (present(index) && !ReadIndex(lines[index], lists[i].second, *lists[i].first)) {
            fault(index, "not a number from -1 to " + std::to_string(lists[i].second));
        }
    }
    const std::array<int*, 2> checks = {&s.ignoreShortWords, &s.ignoreCommonWords};
    for (std::size_t i = 0, index = 10; i < checks.size(); ++i, ++index) {
        if (present(index) && !ReadCheck(lines[index], *checks[i])) {
            fault(index, "not a check value 0, 1 or 2");
        }
    }
}

} // namespace

SettingsFileRead ReadSettingsFile(const std::string& path, UserSettings& settings) {
    SettingsFileRead result;
    ApplyDefaults(settings, false);
    std::string content;
    if (ReadContent(path, content, result.error)) {
        result.found = true;
        ReadValues(SplitLines(AsUtf8Content(content)), settings, result.faults);
    }
    return result;
}

bool LoadSettingsFile(const std::string& path, UserSettings& settings) {
    return ReadSettingsFile(path, settings).complete();
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

// The file a save replaces: a symbolic link's target, followed as the system follows it, so the
// link itself stays. Nothing but a regular file (or nothing at all) is ever replaced.
bool SaveTarget(const std::filesystem::path& path, std::filesystem::path& target,
                std::string& error) {
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;
    target = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        const fs::file_type type = fs::symlink_status(target, ec).type();
        if (type == fs::file_type::symlink) {
            const fs::path next = fs::read_symlink(target, ec);
            if (ec) {
                error = ec.message();
                return false;
            }
            target = next.is_absolute() ? next : target.parent_path() / next;
            continue;
        }
        if (type == fs::file_type::directory) {
            error = "Is a folder";
            return false;
        }
        if (type != fs::file_type::regular && type != fs::file_type::not_found && !ec) {
            error = "Not a regular file";
            return false;
        }
        return true;
    }
    error = SystemError(ELOOP);
    return false;
}

} // namespace

bool SaveSettingsFile(const std::string& path, const UserSettings& settings, std::string& error) {
    namespace fs = std::filesystem;
    fs::path target;
    if (!SaveTarget(path, target, error)) {
        return false;
    }
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

    bool ok = WriteAll(fd, FormatSettingsFile(settings), error);
    if (ok && ::fsync(fd) != 0) {
        error = SystemError(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = SystemError(errno);
        ok = false;
    }
    if (ok && ::rename(tempName.data(), target.c_str()) != 0) {
        error = SystemError(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(tempName.data());
    }
    return ok;
}

} // namespace orvanta::core
