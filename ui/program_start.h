#pragma once

#include "ui/main_window.h"

#include <memory>

namespace orvanta::ui {

class SingleInstanceLock;

// Starts the program: refuses to run as a second copy (telling the user, and touching no
// settings), otherwise builds the main window, restores the settings and shows it. Returns the
// window, or nothing when another copy is running. The lock must outlive the window; the window
// releases it when it ends the program.
std::unique_ptr<MainWindow> StartProgram(SingleInstanceLock& lock, MainWindowOptions options);

// The program's window icon, in its 16 and 32 pixel forms.
QIcon ProgramIcon();

} // namespace orvanta::ui
