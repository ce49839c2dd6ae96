#pragma once

#include "ui/user_dialogs.h"

#include <QString>

namespace orvanta::ui {

enum class InputFileNameProblem { None, NoExtension, NotHtml, Missing };

// Checks a name the user gave for the input document: it needs an extension containing "htm"
// and an existing file. Both "/" and "\" count as folder separators, so a dot in a folder name is
// never taken for the extension.
InputFileNameProblem CheckInputFileName(const QString& path);

struct MessageText {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

MessageText InputFileNameMessage(InputFileNameProblem problem);

} // namespace orvanta::ui
