#include "ui/termination_signals.h"
#include "window_fixture.h"

#include <QFile>
#include <QTest>
#include <csignal>

class TerminationSignalsTest : public QObject {
    Q_OBJECT
private slots:
    // SIGTERM, SIGHUP and SIGINT (Ctrl+C) close the window the normal way: the settings are
    // saved and the program ends once. A signal the program was started with ignored (SIGHUP
    // under nohup, SIGINT in a background job) changes nothing.
    void aSignalClosesTheWindowAndSavesTheSettings() {
        const std::pair<int, bool> rows[] = {
            {SIGTERM, false}, {SIGHUP, false}, {SIGINT, false}, {SIGHUP, true}, {SIGINT, true}};
        for (const auto& [signal, ignoredAtStart] : rows) {
            WindowFixture f;
            f.start();
            f.box("txbBeginMetaTagWith")->setText("saved on signal");
            std::signal(signal, ignoredAtStart ? SIG_IGN : SIG_DFL);
            {
                const orvanta::ui::TerminationSignals termination([&f] { f.window->close(); });
                QVERIFY(!QFile::exists(f.settingsPath));
                ::raise(signal);
                ::raise(signal); // a second signal before the first is served changes nothing
                QTest::qWait(50);
                QTRY_COMPARE(f.endCount, ignoredAtStart ? 0 : 1);
            }
            std::signal(signal, SIG_DFL);
            QCOMPARE(f.window->isVisible(), ignoredAtStart);
            QCOMPARE(f.readFile(f.settingsPath).contains("\"saved on signal\""), !ignoredAtStart);
        }
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
