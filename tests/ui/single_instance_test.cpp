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
    void secondCopyIsTurnedAwayWithoutTouchingTheSettings() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        SingleInstanceLock running(lockPath);
        QVERIFY(running.tryLock());

        FakeDialogs dialogs;
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = dir.filePath("orv.usr");
        options.dialogs = &dialogs;
        SingleInstanceLock second(lockPath);
        QVERIFY(!orvanta::ui::StartProgram(second, std::move(options)));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, QString("A copy of Orvanta 1.0 is already running."));
        QCOMPARE(dialogs.messages[0].icon, orvanta::ui::MessageIcon::None);
        QVERIFY(!QFile::exists(dir.filePath("orv.usr")));
    }

    void firstCopyStartsAndHoldsTheLock() {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("orvanta.lock");
        FakeDialogs dialogs;
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = dir.filePath("orv.usr");
        options.dialogs = &dialogs;
        options.endProgram = [] {};
        SingleInstanceLock lock(lockPath);
        const auto window = orvanta::ui::StartProgram(lock, std::move(options));
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(!SingleInstanceLock(lockPath).tryLock());
        QVERIFY(dialogs.messages.empty());
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
