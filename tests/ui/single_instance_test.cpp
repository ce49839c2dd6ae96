#include "fake_dialogs.h"
#include "ui/program_start.h"
#include "ui/single_instance_lock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using orvanta::ui::SingleInstanceLock;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The second start finds the first copy's lock; the first start sees none.
    void onlyTheFirstCopyStartsAndTheSecondTouchesNoSettings() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        FakeDialogs dialogs;
        const auto start = [&](SingleInstanceLock& lock) {
            orvanta::ui::MainWindowOptions options;
            options.stateFilePath = dir.filePath("orv.usr");
            options.dialogs = &dialogs;
            options.endProgram = [] {};
            return orvanta::ui::StartProgram(lock, std::move(options),
                                             {QString(), dir.filePath("open.socket")})
                .window;
        };
        SingleInstanceLock first(lockPath);
        auto window = start(first);
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(dialogs.messages.isEmpty());

        SingleInstanceLock second(lockPath);
        QVERIFY(!start(second));
        QCOMPARE(dialogs.messages,
                 QStringList{"A copy of Orvanta 1.0 is already running. | Orvanta"});
        QVERIFY(!QFile::exists(dir.filePath("orv.usr")));
    }

    void lockOfACrashedCopyIsFree() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        const pid_t child = fork();
        if (child == 0) {
            SingleInstanceLock lock(lockPath);
            ::_exit(lock.tryLock() ? 0 : 1);
            // No unlock, no destructor: the process just ends.
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(lockPath));
        SingleInstanceLock next(lockPath);
        QVERIFY(next.tryLock());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
