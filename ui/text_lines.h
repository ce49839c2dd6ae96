#pragma once

#include "core/output_text.h"
#include "util/string_utils.h"

#include <QString>
#include <string>
#include <string_view>

namespace orvanta::ui {

// The engine speaks UTF-8 with CR LF line ends; Qt's text widgets want one "\n" per line break.
inline QString FromEngineText(std::string_view text) {
    return QString::fromStdString(core::WithLineFeeds(text));
}

inline std::string ToEngineText(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace orvanta::ui

namespace orvanta::ui {

// Removes leading and trailing space characters only; a tab or line break typed into a box is
// part of what the user typed.
inline QString TrimSpaces(const QString& text) {
    const std::string utf8 = ToEngineText(text);
    const std::string_view trimmed = text::TrimSpaces(utf8);
    return QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()));
}

} // namespace orvanta::ui
