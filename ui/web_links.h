#pragma once

#include <QUrl>

class QWidget;

namespace orvanta::ui {

class UserDialogs;

// The program's manual, a page shipped with it: beside the executable in a build tree, or in
// ../share/orvanta of an installation.
QUrl ManualUrl();
// The maker's page: the manual's "About" section.
QUrl MakerUrl();

// Hands the address to the desktop's browser; tells the user when that cannot be done, and where
// the manual is.
void OpenWebPage(UserDialogs& dialogs, QWidget* parent, const QUrl& address);

} // namespace orvanta::ui
