#include "ui/program_start.h"

#include "ui/open_request_channel.h"
#include "ui/program_identity.h"
#include "ui/resources.h"
#include "ui/single_instance_lock.h"
#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QIcon>

namespace orvanta::ui {

ProgramStart StartProgram(SingleInstanceLock& lock, MainWindowOptions options,
                          const StartRequest& request) {
    ProgramStart started;
    if (!lock.tryLock()) {
        started.handedOver = !request.fileToOpen.isEmpty() &&
                             HandFileToRunningCopy(request.openChannel, request.fileToOpen);
        if (!started.handedOver) {
            options.dialogs->showMessage(nullptr,
                                         QStringLiteral("A copy of ") + WindowCaption() +
                                             QStringLiteral(" is already running."),
                                         ProgramName(), MessageIcon::None);
        }
        return started;
    }
    // The window ends the program only once its settings are saved; from then on a new copy may
    // start, even while this one is still finishing.
    options.endProgram = [&lock, end = std::move(options.endProgram)] {
        lock.release();
        if (end) {
            end();
        } else {
            QCoreApplication::quit();
        }
    };
    started.window = std::make_unique<MainWindow>(std::move(options));
    MainWindow* window = started.window.get();
    window->setWindowIcon(ProgramIcon());
    window->start();
    auto* server = new OpenRequestServer(window);
    QObject::connect(server, &OpenRequestServer::fileRequested, window, &MainWindow::openFile);
    server->listen(request.openChannel);
    if (!request.fileToOpen.isEmpty()) {
        window->openFile(request.fileToOpen);
    }
    return started;
}

QIcon ProgramIcon() {
    QIcon icon;
    EnsureResources();
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/orvanta/icons/orvanta-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace orvanta::ui
