#include "window_fixture.h"

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
        WindowFixture f, g;
        g.statePath = f.statePath;
        const QString lockPath = f.folder.filePath("orvanta.lock");
        SingleInstanceLock first(lockPath), second(lockPath);
        QVERIFY(f.startProgram(first) && f.window->isVisible());
        QVERIFY(!f.window->windowIcon().isNull());
        QVERIFY(!g.startProgram(second, f.folder.filePath("open.socket")));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(g.dialogs.messages,
                 QStringList{"A copy of Orvanta 1.0 is already running. | Orvanta"});
        QVERIFY(!QFile::exists(f.statePath));
    }

    // Copies started at the same moment: exactly one gets the lock, and holds it while it runs.
    // Killed outright (SIGKILL: no handler, no clean-up), it leaves the lock free.
    void oneOfCopiesStartedTogetherRunsAndItsDeathFreesTheLock() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        int go[2], told[2];
        QVERIFY(::pipe(go) == 0 && ::pipe(told) == 0);
        pid_t children[8];
        for (pid_t& child : children) {
            child = fork();
            if (child == 0) {
                ::close(go[1]);
                char byte = 0;
                [[maybe_unused]] const ssize_t got = ::read(go[0], &byte, 1); // start together
                SingleInstanceLock lock(lockPath);
                const char won = lock.tryLock() ? 'y' : 'n';
                [[maybe_unused]] const ssize_t written = ::write(told[1], &won, 1);
                ::pause();
                ::_exit(0);
            }
        }
        ::close(go[1]); // every child's read returns at once
        QByteArray answers;
        for (char answer = 0; answers.size() < 8 && ::read(told[0], &answer, 1) == 1;) {
            answers += answer;
        }
        QCOMPARE(answers.count('y'), 1);
        SingleInstanceLock whileRunning(lockPath);
        QVERIFY(!whileRunning.tryLock());
        for (const pid_t child : children) {
            ::kill(child, SIGKILL);
            QCOMPARE(waitpid(child, nullptr, 0), child);
        }
        SingleInstanceLock next(lockPath);
        QVERIFY(next.tryLock());
        for (const int end : {go[0], told[0], told[1]}) {
            ::close(end);
        }
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
