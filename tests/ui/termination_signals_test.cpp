#include "ui/termination_signals.h"
#include "window_fixture.h"

#include <QFile>
#include <QTest>
#include <csignal>

class TerminationSignalsTest : public QObject {
    Q_OBJECT
private slots:
    // SIGTERM and SIGHUP close the window the normal way: the settings are saved and the
    // program ends once.
    void aSignalClosesTheWindowAndSavesTheSettings_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void aSignalClosesTheWindowAndSavesTheSettings() {
        QFETCH(int, signal);
        WindowFixture f;
        f.start();
        f.box("txbBeginMetaTagWith")->setText("saved on signal");
        const orvanta::ui::TerminationSignals termination([&f] { f.window->close(); });
        QVERIFY(!QFile::exists(f.statePath));
        ::raise(signal);
        ::raise(signal); // a second signal before the first is served changes nothing
        QTRY_COMPARE(f.endCount, 1);
        QVERIFY(!f.window->isVisible());
        QFile state(f.statePath);
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(state.readAll().contains("\"saved on signal\""));
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
