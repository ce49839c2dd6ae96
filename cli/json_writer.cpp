#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace orvanta::cli {

namespace {

// The length of the well-formed UTF-8 sequence that text starts with; 0 when it starts with a
// byte that is not one (a stray continuation byte, an overlong form, a surrogate, a cut sequence).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

void AppendEscaped(std::string& out, unsigned char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
        out += buffer;
    }
}

} // namespace

// JSON text must be UTF-8: a byte that is not part of a well-formed sequence (a file name in
// another encoding, say) becomes U+FFFD, written as the escape \ufffd.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == '"' || c == '\\') {
            AppendEscaped(out, c);
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            out += "\\ufffd";
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out + "\"";
}

void JsonObject::key(std::string_view name) {
    if (!body_.empty()) {
        body_ += ',';
    }
    body_ += JsonString(name);
    body_ += ':';
}

JsonObject& JsonObject::field(std::string_view name, std::string_view value) {
    key(name);
    body_ += JsonString(value);
    return *this;
}

JsonObject& JsonObject::field(std::string_view name, std::int64_t value) {
    key(name);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::field(std::string_view name, double value) {
    key(name);
    if (!std::isfinite(value)) {
        body_ += "null";
        return *this;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    body_ += buffer;
    return *this;
}

JsonObject& JsonObject::null(std::string_view name) {
    key(name);
    body_ += "null";
    return *this;
}

JsonObject& JsonObject::raw(std::string_view name, std::string_view json) {
    key(name);
    body_ += json;
    return *this;
}

} // namespace orvanta::cli
