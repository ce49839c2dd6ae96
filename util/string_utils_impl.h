#pragma once

#include <string>
#include <string_view>

namespace orvanta::text {

template <typename String>
void ReplaceAll(String& s, std::basic_string_view<typename String::value_type> needle,
                std::basic_string_view<typename String::value_type> replacement) {
    if (needle.empty()) {
        return;
    }
    std::size_t at = s.find(needle);
    if (at == String::npos) {
        return;
    }
    String out;
    out.reserve(s.size());
    std::size_t from_pos = 0;
    while (at != String::npos) {
        out.append(s, from_pos, at - from_pos);
        out.append(replacement);
        from_pos = at + needle.size();
        at = s.find(needle, from_pos);
    }
    out.append(s, from_pos, String::npos);
    s = std::move(out);
}

} // namespace orvanta::text
