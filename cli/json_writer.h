#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::cli {

// A small writer for one JSON object on one line; values are added in order.
class JsonObject {
public:
    JsonObject& field(std::string_view name, std::string_view value);
    JsonObject& field(std::string_view name, const char* value) {
        return field(name, std::string_view(value));
    }
    JsonObject& field(std::string_view name, std::int64_t value);
    JsonObject& field(std::string_view name, double value);
    JsonObject& null(std::string_view name);
    // A value that is already JSON (an array or object).
    JsonObject& raw(std::string_view name, std::string_view json);
    std::string str() const { return "{" + body_ + "}"; }

private:
    void key(std::string_view name);
    std::string body_;
};

std::string JsonString(std::string_view text);

} // namespace orvanta::cli
