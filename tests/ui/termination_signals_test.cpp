#include "ui/termination_signals.h"
#include "window_fixture.h"

#include <QFile>
#include <QTest>
#include <csignal>

class TerminationSignalsTest : public QObject {
    Q_OBJECT
private slots:
    // SIGTERM, SIGHUP and SIGINT (Ctrl+C) close the window the normal way: the settings are
    // saved and the program ends once. A signal the program was started with ignored (nohup,
    // a background job) changes nothing.
    void aSignalClosesTheWindowAndSavesTheSettings_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignoredAtStart");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGINT") << SIGINT << false;
        QTest::newRow("SIGHUP under nohup") << SIGHUP << true;
        QTest::newRow("SIGINT in the background") << SIGINT << true;
    }

    void aSignalClosesTheWindowAndSavesTheSettings() {
        QFETCH(int, signal);
        QFETCH(bool, ignoredAtStart);
        WindowFixture f;
        f.start();
        f.box("txbBeginMetaTagWith")->setText("saved on signal");
        std::signal(signal, ignoredAtStart ? SIG_IGN : SIG_DFL);
        {
            const orvanta::ui::TerminationSignals termination([&f] { f.window->close(); });
            QVERIFY(!QFile::exists(f.statePath));
            ::raise(signal);
            ::raise(signal); // a second signal before the first is served changes nothing
            QTest::qWait(50);
            QTRY_COMPARE(f.endCount, ignoredAtStart ? 0 : 1);
        }
        std::signal(signal, SIG_DFL);
        QCOMPARE(f.window->isVisible(), ignoredAtStart);
        QFile state(f.statePath);
        QCOMPARE(state.exists(), !ignoredAtStart);
        if (!ignoredAtStart) {
            QVERIFY(state.open(QIODevice::ReadOnly));
            QVERIFY(state.readAll().contains("\"saved on signal\""));
        }
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
