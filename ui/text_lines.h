#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvanta::ui {

// The engine speaks UTF-8 with CR LF line ends; Qt's text widgets want one "\n" per line break.
inline QString FromEngineText(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

inline std::string ToEngineText(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace orvanta::ui

namespace orvanta::ui {

// Removes leading and trailing space characters only; a tab or line break typed into a box is
// part of what the user typed.
inline QString TrimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(begin, end - begin);
}

} // namespace orvanta::ui
