#include "fake_dialogs.h"
#include "ui/program_start.h"
#include "ui/single_instance_lock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
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

    // A copy killed outright (SIGKILL: no handler, no clean-up) leaves its lock free.
    void lockOfAKilledCopyIsFree() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            SingleInstanceLock lock(lockPath);
            const char held = lock.tryLock() ? 'y' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &held, 1);
            ::pause();
            ::_exit(0);
        }
        char held = 0;
        QCOMPARE(::read(ready[0], &held, 1), ssize_t{1});
        QCOMPARE(held, 'y');
        SingleInstanceLock whileRunning(lockPath);
        QVERIFY(!whileRunning.tryLock());
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        SingleInstanceLock next(lockPath);
        QVERIFY(next.tryLock());
        ::close(ready[0]);
        ::close(ready[1]);
    }

    // Copies started at the same moment: exactly one gets the lock.
    void copiesStartedTogetherNeverBothRun() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        constexpr int kCopies = 8;
        int go[2];
        QCOMPARE(::pipe(go), 0);
        pid_t children[kCopies];
        for (pid_t& child : children) {
            child = fork();
            if (child == 0) {
                ::close(go[1]);
                char byte = 0;
                [[maybe_unused]] const ssize_t got = ::read(go[0], &byte, 1); // start together
                SingleInstanceLock lock(lockPath);
                const bool won = lock.tryLock();
                ::usleep(200000); // hold the lock while the others try
                ::_exit(won ? 0 : 1);
            }
        }
        ::close(go[1]); // every child's read returns at once
        int winners = 0;
        for (const pid_t child : children) {
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            winners += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
        }
        ::close(go[0]);
        QCOMPARE(winners, 1);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
