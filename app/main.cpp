#include "ui/command_line.h"
#include "ui/open_request_channel.h"
#include "ui/program_start.h"
#include "ui/single_instance_lock.h"
#include "ui/state_file_location.h"
#include "ui/termination_signals.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orvanta"));
    // Ties the windows to the desktop entry, for the desktop's icon and window grouping.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    app.setWindowIcon(orvanta::ui::ProgramIcon());

    orvanta::ui::QtUserDialogs dialogs;
    orvanta::ui::SingleInstanceLock lock;
    orvanta::ui::MainWindowOptions options;
    options.stateFilePath = orvanta::ui::StateFileLocation();
    options.dialogs = &dialogs;
    orvanta::ui::StartRequest request;
    request.fileToOpen = orvanta::ui::FileToOpen(QApplication::arguments(), QDir::currentPath());
    request.openChannel = orvanta::ui::DefaultOpenChannelName();

    const orvanta::ui::ProgramStart started =
        orvanta::ui::StartProgram(lock, std::move(options), request);
    if (!started.window) {
        return started.handedOver ? 0 : 1;
    }
    // Logging out or `kill` closes the window as its close button does: the settings are saved.
    const orvanta::ui::TerminationSignals termination([&started] { started.window->close(); });
    return app.exec();
}
