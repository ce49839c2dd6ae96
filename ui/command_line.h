#pragma once

#include <QString>
#include <QStringList>

namespace orvanta::ui {

// The page the program was started to open: the first argument after the program's own name
// (Qt's options already taken out; "--" ends the options), as an absolute path, a relative one
// being taken from workingFolder. A "file:" address gives its local path. Empty when no page was
// named.
QString FileToOpen(const QStringList& arguments, const QString& workingFolder);

} // namespace orvanta::ui
