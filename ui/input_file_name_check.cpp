#include "ui/input_file_name_check.h"

#include <QFileInfo>
#include <algorithm>

namespace orvanta::ui {

InputFileNameProblem CheckInputFileName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (dot < 0 || dot < separator) {
        return InputFileNameProblem::NoExtension;
    }
    if (!path.mid(dot + 1).toLower().contains(QLatin1String("htm"))) {
        return InputFileNameProblem::NotHtml;
    }
    if (!QFileInfo(path).isFile()) {
        return InputFileNameProblem::Missing;
    }
    return InputFileNameProblem::None;
}

MessageText InputFileNameMessage(InputFileNameProblem problem) {
    switch (problem) {
    case InputFileNameProblem::NoExtension:
        return {QStringLiteral("Invalid input file specification"), QStringLiteral("Invalid input"),
                MessageIcon::Warning};
    case InputFileNameProblem::NotHtml:
        return {QStringLiteral("Input file must have .htm or .html extension."),
                QStringLiteral("Invalid input"), MessageIcon::None};
    case InputFileNameProblem::Missing:
        return {QStringLiteral("Input file does not exist."), QStringLiteral("File not found"),
                MessageIcon::Warning};
    case InputFileNameProblem::None:
        break;
    }
    return {};
}

} // namespace orvanta::ui
