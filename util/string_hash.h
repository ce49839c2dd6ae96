#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace orvanta::text {

// Hash for unordered containers keyed by std::string that lets them be searched with a
// std::string_view (with std::equal_to<>), so a lookup needs no temporary string.
struct TransparentStringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept {
        return std::hash<std::string_view>{}(s);
    }
};

} // namespace orvanta::text
